/*
** Database: an open engine database file.
**
** A Database is a handle: copies refer to the same open file, and the file
** stays open while any copy (or an open record set of it) lives, or until
** Close.
** A default-constructed Database refers to nothing, like an unset object
** variable. Statements are Jet SQL (see JetSqlTranslator.h).
*/
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dao/Recordset.h"
#include "dao/TableDef.h"
#include "dao/TableDefs.h"
#include "dao/functions/JetTypes.h"

namespace dao {

class DatabaseState;

class Database {
 public:
  Database() = default;

  bool IsOpen() const;
  std::string Name() const;  // the path it was opened with
  bool ReadOnly() const;

  // Runs one action statement; done on return. Raises the engine's error
  // when the statement is refused, and nothing of it stays.
  void Execute(std::string_view sql);
  long RecordsAffected() const;  // rows changed by the last Execute

  // A query, or a bare table name (all its rows, updatable).
  Recordset OpenRecordset(std::string_view source, int type = dbOpenDynaset);

  dao::TableDefs& TableDefs();
  TableDef CreateTableDef(std::string name, std::string sourceTableName = "",
                          std::string connect = "");

  // SQLite's integrity check of the file: "ok" when sound.
  std::string CheckIntegrity();

  // Releases the file; record sets of the database are closed with it.
  // Closing a closed handle does nothing.
  void Close();

  bool SameAs(const Database& other) const { return state_ == other.state_; }

 private:
  friend class DBEngine;
  explicit Database(std::shared_ptr<DatabaseState> state) : state_(std::move(state)) {}
  DatabaseState& State() const;

  std::shared_ptr<DatabaseState> state_;
};

}  // namespace dao
