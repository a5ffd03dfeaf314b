/*
** SqlStatement: one prepared SQLite statement in use, as the connection
** hands it out (Connection::Prepare): bind, step through its rows, read its
** columns; a failure raises the engine's error with the context it was
** prepared with. A statement of the connection's cache goes back there when
** the SqlStatement ends; one prepared once is finalized.
**
** Step reads SQLite's message of a failure before anything else touches
** the statement, so the error names what SQLite said.
*/
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Variant.h"
#include "dao/SqliteErrors.h"
#include "dao/StatementCache.h"

namespace dao {

class SqlStatement {
 public:
  // `cache`: where the statement goes back; none for one prepared once.
  SqlStatement(sqlite3* db, const FailureContext& context, StatementCache::Entry entry,
               StatementCache* cache)
      : db_(db),
        context_(context),
        entry_(std::move(entry)),
        cache_(cache),
        stmt_(entry_.mapped().get()) {}
  ~SqlStatement();
  SqlStatement(SqlStatement&& other) noexcept;
  SqlStatement& operator=(SqlStatement&& other) noexcept;
  SqlStatement(const SqlStatement&) = delete;
  SqlStatement& operator=(const SqlStatement&) = delete;

  sqlite3_stmt* Raw() const { return stmt_; }

  // Binds from 1, as SQLite counts.
  SqlStatement& BindText(int index, std::string_view text);
  SqlStatement& BindInteger(int index, int64_t number);
  SqlStatement& Bind(int index, const Variant& value);

  // The next row: true while there is one, false at the end. Raises the
  // engine's error when SQLite fails.
  bool Step() {
    const int rc = sqlite3_step(Raw());
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) Fail(rc);
    return false;
  }
  // Steps to the end.
  void Run() {
    while (Step()) {
    }
  }
  // Back before the first row.
  void Reset() { sqlite3_reset(Raw()); }

  int ColumnCount() const { return sqlite3_column_count(Raw()); }
  std::string ColumnName(int column) const { return sqlite3_column_name(Raw(), column); }
  std::string Text(int column) const;
  int64_t Integer(int column) const { return sqlite3_column_int64(Raw(), column); }

 private:
  [[noreturn]] void Fail(int rc) const;
  void Release();

  sqlite3* db_;
  FailureContext context_;
  StatementCache::Entry entry_;
  StatementCache* cache_;
  sqlite3_stmt* stmt_;  // entry_'s, at hand for a walk's every step and read
};

}  // namespace dao
