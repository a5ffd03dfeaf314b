/*
** TranslationSchema: what the translator may ask of an open database
** (JetSchema): a linked table is named in its file's schema, and a table's
** column has the Jet type its declaration gives (0 for a declaration of
** none of the engine's types). Each table's columns are read once for the
** translation that asks.
*/
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "dao/sql/JetSchema.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

class Connection;
class LinkedTables;

class TranslationSchema : public JetSchema {
 public:
  TranslationSchema(Connection& connection, const LinkedTables& links)
      : connection_(connection), links_(links) {}

  std::string TableSql(const std::string& table) const override;
  int ColumnType(const std::string& table, const std::string& column) override;

  // Each column of a table, linked or local, with its Jet type; none when
  // there is no such table.
  static std::vector<JetOutputColumn> Columns(Connection& connection, const LinkedTables& links,
                                              const std::string& table);

 private:
  Connection& connection_;
  const LinkedTables& links_;
  std::unordered_map<std::string, std::vector<JetOutputColumn>> columns_;
};

}  // namespace dao
