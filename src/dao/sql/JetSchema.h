/*
** JetSchema: what translating a statement may ask of the database it will
** run on, and nothing more: how the engine's SQL names a table, and the
** Jet type of a table's column.
**
** The translator reads no schema of its own: the engine hands it one of
** these, and the parsers ask it only where the answer changes the SQL or
** the record set's fields. This base answers for no database at all: a
** table is named as written, every column is of unknown type (0). A
** translation that asked for a column's type holds only while the schema
** stays as it was (TranslatedStatement::schemaTyped).
*/
#pragma once

#include <string>

namespace dao {

class JetSchema {
 public:
  virtual ~JetSchema() = default;

  // The table as the SQL must name it: "name" (quoted), or the form the
  // engine gives a linked table, in its file's schema.
  virtual std::string TableSql(const std::string& table) const;

  // The Jet type of a table's column; 0 when the table or column is unknown.
  virtual int ColumnType(const std::string& table, const std::string& column);
};

}  // namespace dao
