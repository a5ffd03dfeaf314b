/*
** Recordset: the rows of a query or of a table, walked one at a time.
**
** Kinds: a dynaset (the default) over one table may write rows through
** AddNew/Edit and Update; a snapshot (dbOpenSnapshot), and any dynaset
** the engine cannot write through (a join, a grouping), is read-only and
** refuses writes with 3027. Rows stream from SQLite; a record set never
** holds more than its current row in memory.
**
** Positioning follows DAO: right after opening, the record set stands on
** its first row, or at its end when the query returned none. RecordCount
** counts the rows visited so far (1 right after opening when a row exists;
** MoveLast makes it the total).
**
** EOF is a macro of the C library, so the end test is named Eof().
*/
#pragma once

#include <string>
#include <string_view>

#include "dao/Field.h"
#include "dao/RecordsetRef.h"

namespace dao {

class RecordsetState;

// Recordset types.
inline constexpr int dbOpenTable = 1;
inline constexpr int dbOpenDynaset = 2;
inline constexpr int dbOpenSnapshot = 4;
inline constexpr int dbOpenForwardOnly = 8;

// EditMode values.
inline constexpr int dbEditNone = 0;
inline constexpr int dbEditInProgress = 1;
inline constexpr int dbEditAdd = 2;

class Recordset {
 public:
  Recordset() = default;  // refers to no record set (Nothing)

  bool IsOpen() const;
  bool Eof() const;
  bool Bof() const;
  long RecordCount() const;
  int Type() const;
  bool Updatable() const;
  int EditMode() const;

  // 3021 past the end, and for MoveFirst or MoveLast when there is no row.
  void MoveNext();
  void MoveFirst();
  void MoveLast();

  int FieldCount() const;
  Field Fields(int index) const;              // 3265 when out of range
  Field Fields(std::string_view name) const;  // ignoring case; 3265 when absent

  // DAO's hidden Collect: sets a field of the row being added or edited.
  void SetCollect(int index, const Variant& value) { Fields(index).SetValue(value); }
  void SetCollect(std::string_view name, const Variant& value) { Fields(name).SetValue(value); }

  void AddNew();
  void Edit();    // 3021 without a current row
  void Update();  // writes the row; 3020 without AddNew/Edit; 3167 when
                  // the row being edited was deleted since Edit
  void CancelUpdate();
  void Close();

 private:
  friend class Database;
  explicit Recordset(RecordsetRef state) : state_(std::move(state)) {}
  RecordsetState& State() const;

  RecordsetRef state_;
};

}  // namespace dao
