/*
** SqliteErrors: turns a failure reported by SQLite into the engine's error
** number and a Spanish description that names the object or statement at
** fault. The table of what maps to what is in SqliteErrors.cpp.
**
** The extended result code decides wherever it can. Only for SQLITE_ERROR
** must SQLite's English message tell the cases apart (a missing table from
** a missing column, for instance): ClassifySqliteMessage holds every such
** match, and the tests run each one against the linked SQLite, so that a
** reworded message fails a test rather than changing an error number.
*/
#pragma once

#include <string>
#include <string_view>

#include "dao/sql/TranslatedStatement.h"

struct sqlite3;

namespace dao {

// What was being done when SQLite failed, for the description.
struct FailureContext {
  const std::string* path = nullptr;       // the database file
  const std::string* statement = nullptr;  // the Jet statement, when one ran
  JetStatementKind kind = JetStatementKind::Select;
};

// What an SQLITE_ERROR message says, and the name it names.
struct SqliteMessage {
  enum class Kind {
    Other,
    NoSuchTable,
    TableExists,
    IndexExists,
    NoSuchColumn,
    NoColumnNamed,  // INSERT into a column the table lacks
    Syntax,
    CheckFailed,   // the constraint's name: "size:col", "type:col", "range:col"
    NotNull,       // a required column left Null: "table.column"
    TypeMismatch,  // an engine function met a value of the wrong type
    TooDeep,       // SQLite's parser ran out of stack: nesting
    TooComplex,    // past one of SQLite's limits: depth, terms, columns, ...
  };
  Kind kind = Kind::Other;
  std::string name;
};

SqliteMessage ClassifySqliteMessage(std::string_view message);

// A RAISE of one of the engine's own triggers (keys, relations, counters:
// see JetSchemaChange.h) as the engine's error; returns for any other
// message.
void RaiseEngineConstraint(const std::string& message);

[[noreturn]] void RaiseSqliteError(sqlite3* db, int rc, const FailureContext& context);

}  // namespace dao
