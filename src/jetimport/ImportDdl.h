/*
** ImportDdl: the engine's Jet SQL that re-creates a Jet table: CREATE
** TABLE with its columns, NOT NULL for required ones, their defaults and
** the primary key; CREATE [UNIQUE] INDEX for its other indexes, made after
** the rows are in.
**
** Names are written in brackets as they stand ("22Cuiles", "Año de
** alta"); one that brackets cannot hold (empty, or holding "[", "]" or a
** control character) raises 3125. Jet's DefaultValue is taken as an
** expression, without the "=" that Access lets it start with, and with
** Yes, On, No and Off, which Jet reads as True and False, written so.
** Columns left out (SourceColumn::skipReason) are not written, nor an
** index on one of them, nor a key that would be left with no column.
*/
#pragma once

#include <string>
#include <vector>

#include "jetimport/SourceTable.h"

namespace jetimport {

class ImportDdl {
 public:
  static std::string Quote(const std::string& name);
  static std::string ColumnType(const SourceColumn& column);
  static std::string DefaultExpression(const std::string& jetDefault);

  // `withDefault[i]` says whether column i keeps its default.
  static std::string CreateTable(const SourceTable& table, const std::vector<bool>& withDefault);
  // Every index but the primary key, in the file's order.
  static std::vector<std::string> CreateIndexes(const SourceTable& table);

  // Whether an index can be made: all its columns are imported.
  static bool Importable(const SourceTable& table, const SourceIndex& index);
};

}  // namespace jetimport
