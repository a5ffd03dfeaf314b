/*
** SqliteErrors: turns a failure reported by SQLite into the engine's error
** number and a Spanish description that names the object or statement at
** fault. The table of what maps to what is in SqliteErrors.cpp.
*/
#pragma once

#include <string>

#include "dao/JetSqlTranslator.h"

struct sqlite3;

namespace dao {

// What was being done when SQLite failed, for the description.
struct FailureContext {
  const std::string* path = nullptr;       // the database file
  const std::string* statement = nullptr;  // the Jet statement, when one ran
  JetStatementKind kind = JetStatementKind::Select;
};

[[noreturn]] void RaiseSqliteError(sqlite3* db, int rc, const FailureContext& context);

}  // namespace dao
