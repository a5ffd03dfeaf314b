/*
** TargetWriter: writes the tables that the reader sends into the engine's
** database, one at a time: Begin makes the table, Row adds a row, End makes
** its indexes and commits.
**
** Each table's rows go in one transaction, through a record set on the
** table, so that the engine applies its own conversions and checks
** (column sizes, ranges, keys); a row it refuses fails the import with the
** engine's number and the row's place. Values the engine would keep only
** approximately are refused the same way (3349), never rounded: a
** Currency with decimals is stored by the engine as the nearest double,
** exact for amounts below about 10^11; a Decimal holds at most 18 digits,
** 15 when it has decimals, and no more decimals than its column.
**
** A default that the engine cannot take (one that names a column, or a
** function it does not know) is left out with a note, found by trying
** each default alone on a scratch table; so is an index or a key on a
** column that is not imported. AutoNumber columns are written with the
** file's numbers; the engine's counter then goes on after the largest.
** A failure rolls the table's transaction back.
*/
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dao/Database.h"
#include "jetimport/ReaderProtocol.h"
#include "jetimport/SourceTable.h"

namespace jetimport {

class TargetWriter {
 public:
  using Note = std::function<void(const std::string&)>;

  TargetWriter(dao::Database& db, Note note) : db_(db), note_(std::move(note)) {}
  ~TargetWriter();
  TargetWriter(const TargetWriter&) = delete;
  TargetWriter& operator=(const TargetWriter&) = delete;

  void Begin(const SourceTable& table);
  void Row(const JetRow& cells);
  void End();

  uint64_t RowsWritten() const { return rows_; }
  // Whether the last table begun was made: not when it had no column to import.
  bool Created() const { return !imported_.empty(); }

 private:
  void Create();
  Variant Value(const JetCell& cell, const SourceColumn& column) const;
  [[noreturn]] void NotExact(const std::string& value, const SourceColumn& column) const;

  dao::Database& db_;
  Note note_;
  SourceTable table_;
  std::vector<const SourceColumn*> imported_;
  dao::Recordset rs_;
  bool inTransaction_ = false;
  uint64_t rows_ = 0;
};

}  // namespace jetimport
