/*
** TableDefs: the picture of a database's tables, taken at Refresh.
*/
#include "dao/TableDefs.h"

#include <algorithm>

#include "common/TextCase.h"
#include "dao/Connection.h"
#include "dao/JetSchemaChange.h"
#include "dao/LinkedTables.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

namespace {

bool IsInternalTable(const std::string& name) {
  return name.rfind("sqlite_", 0) == 0 || name.rfind("__jet", 0) == 0;
}

}  // namespace

std::vector<TableDef> TableDefs::Read() const {
  connection_.EnsureOpen();
  auto fieldsOf = [&](const std::string& schema, const std::string& table) {
    std::vector<Field> fields;
    SqlStatement info =
        connection_.Prepare("PRAGMA " + schema + ".table_info(" + QuoteIdentifier(table) + ")");
    while (info.Step()) {
      const JetType jt = JetTypeFromDeclared(info.Text(2));
      fields.emplace_back(info.Text(1), jt.type, jt.size, jt.precision, jt.scale);
    }
    return fields;
  };
  std::vector<std::string> names;
  {
    SqlStatement tables = connection_.Prepare(
        "SELECT name FROM main.sqlite_master WHERE type = 'table' ORDER BY name");
    while (tables.Step()) names.push_back(tables.Text(0));
  }
  std::vector<TableDef> defs;
  for (const std::string& n : names) {
    if (!IsInternalTable(n)) defs.emplace_back(n, "", "", fieldsOf("main", n));
  }
  for (const LinkedTables::Link& link : links_.Read()) {
    std::vector<Field> fields;
    if (!link.schema.empty()) fields = fieldsOf(link.schema, link.source);
    defs.emplace_back(link.name, link.connect, link.source, std::move(fields));
  }
  std::sort(defs.begin(), defs.end(), [](const TableDef& a, const TableDef& b) {
    return TextCase::Fold(a.Name()) < TextCase::Fold(b.Name());
  });
  return defs;
}

void TableDefs::EnsureLoaded() const {
  if (loaded_) return;
  std::vector<const TableDef*> picture;
  for (TableDef& fresh : Read()) {
    TableDef* same = nullptr;
    for (auto& h : held_) {
      if (TextCase::Equal(h->Name(), fresh.Name())) same = h.get();
    }
    if (same) {
      *same = std::move(fresh);
    } else {
      held_.push_back(std::make_unique<TableDef>(std::move(fresh)));
      same = held_.back().get();
    }
    picture.push_back(same);
  }
  defs_ = std::move(picture);
  loaded_ = true;
}

void TableDefs::Refresh() {
  connection_.EnsureOpen();
  loaded_ = false;
  EnsureLoaded();
}

int TableDefs::Count() const {
  EnsureLoaded();
  return static_cast<int>(defs_.size());
}

const TableDef& TableDefs::operator[](int index) const {
  EnsureLoaded();
  if (index < 0 || index >= static_cast<int>(defs_.size())) {
    jeterr::Raise(jeterr::msg::kItemNotFoundAt, {std::to_string(index)});
  }
  return *defs_[static_cast<size_t>(index)];
}

bool TableDefs::Contains(std::string_view name) const {
  EnsureLoaded();
  for (const TableDef* d : defs_) {
    if (TextCase::Equal(d->Name(), name)) return true;
  }
  return false;
}

const TableDef& TableDefs::Item(std::string_view name) const {
  EnsureLoaded();
  for (const TableDef* d : defs_) {
    if (TextCase::Equal(d->Name(), name)) return *d;
  }
  jeterr::Raise(jeterr::msg::kItemNotFound, {name});
}

void TableDefs::Append(const TableDef& def) {
  connection_.EnsureOpen();
  links_.Append(def);
  loaded_ = false;
}

void TableDefs::Delete(std::string_view name) {
  connection_.EnsureOpen();
  if (!links_.Remove(name)) {
    const auto stored = connection_.FindTable("main", name);
    if (!stored) jeterr::Raise(jeterr::msg::kItemNotFound, {name});
    JetSchemaChange(connection_, connection_.Context(JetStatementKind::DropTable))
        .DropTable(*stored);
  }
  loaded_ = false;
}

TableDefs::Iterator TableDefs::begin() const {
  EnsureLoaded();
  return Iterator(defs_.begin());
}

TableDefs::Iterator TableDefs::end() const {
  EnsureLoaded();
  return Iterator(defs_.end());
}

}  // namespace dao
