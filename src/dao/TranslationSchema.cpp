/*
** The schema as the translator sees it. See TranslationSchema.h.
*/
#include "dao/TranslationSchema.h"

#include "common/TextCase.h"
#include "dao/Connection.h"
#include "dao/LinkedTables.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

std::string TranslationSchema::TableSql(const std::string& table) const {
  return links_.TableSql(table);
}

int TranslationSchema::ColumnType(const std::string& table, const std::string& column) {
  auto found = columns_.find(table);
  if (found == columns_.end())
    found = columns_.emplace(table, Columns(connection_, links_, table)).first;
  for (const JetOutputColumn& c : found->second) {
    if (TextCase::Equal(c.name, column)) return c.type;
  }
  return 0;
}

std::vector<JetOutputColumn> TranslationSchema::Columns(Connection& connection,
                                                        const LinkedTables& links,
                                                        const std::string& table) {
  const auto linked = links.FindAttached(table);
  SqlStatement info = connection.Prepare(
      linked ? "PRAGMA " + linked->schema + ".table_info(" + QuoteIdentifier(linked->source) + ")"
             : "PRAGMA table_info(" + QuoteIdentifier(table) + ")");
  std::vector<JetOutputColumn> columns;
  while (info.Step()) columns.push_back({info.Text(1), JetTypeFromDeclared(info.Text(2)).type});
  return columns;
}

}  // namespace dao
