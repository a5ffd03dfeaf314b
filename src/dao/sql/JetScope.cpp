/*
** Column types as a query's sources give them. See JetScope.h.
*/
#include "dao/sql/JetScope.h"

#include "common/TextCase.h"
#include "dao/sql/JetSchema.h"

namespace dao {

void JetScope::AddTable(std::string name, std::string table) {
  sources_.push_back({std::move(name), std::move(table), {}});
}

void JetScope::AddDerived(std::string name, std::vector<JetOutputColumn> columns) {
  sources_.push_back({std::move(name), std::string(), std::move(columns)});
}

int JetScope::TypeIn(const Source& source, const std::string& column, bool tables,
                     bool& found) const {
  if (source.table.empty()) {
    for (const JetOutputColumn& c : source.columns) {
      if (TextCase::Equal(c.name, column)) {
        found = true;
        return c.type;
      }
    }
    return 0;
  }
  if (!tables || schema_ == nullptr) return 0;
  const int type = schema_->ColumnType(source.table, column);
  found = type != 0;
  return type;
}

int JetScope::TypeOf(const std::string& qualifier, const std::string& column, bool tables) const {
  for (const JetScope* scope = this; scope != nullptr; scope = scope->outer_) {
    for (const Source& source : scope->sources_) {
      bool found = false;
      if (qualifier.empty()) {
        const int type = scope->TypeIn(source, column, tables, found);
        if (found) return type;
      } else if (TextCase::Equal(source.name, qualifier)) {
        // A qualifier names one source: the column is there or nowhere.
        return scope->TypeIn(source, column, tables, found);
      }
    }
  }
  return 0;
}

void JetScope::AppendDerivedColumns(const std::string& qualifier,
                                    std::vector<JetOutputColumn>& out) const {
  for (const Source& source : sources_) {
    if (!source.table.empty()) continue;
    if (!qualifier.empty() && !TextCase::Equal(source.name, qualifier)) continue;
    out.insert(out.end(), source.columns.begin(), source.columns.end());
  }
}

}  // namespace dao
