/*
** The engine's SQLite connection. See Connection.h.
*/
#include "dao/Connection.h"

#include <algorithm>

#include "common/StopRequest.h"
#include "common/TextCase.h"
#include "dao/OffsetVfs.h"
#include "dao/SqliteFunctions.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

// SQLite's code; `statement` holds what it prepared.
int PrepareRaw(sqlite3* db, const std::string& sql, bool persistent, SqliteStatement& statement) {
  sqlite3_stmt* raw = nullptr;
  const int rc = sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()),
                                    persistent ? SQLITE_PREPARE_PERSISTENT : 0, &raw, nullptr);
  statement.reset(raw);
  return rc;
}

}  // namespace

Connection::~Connection() {
  Close();
}

void Connection::Open(const std::string& path, bool exclusive, bool readOnly) {
  path_ = path;
  readOnly_ = readOnly;
  sqlite3* raw = nullptr;
  const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI |
                    SQLITE_OPEN_NOMUTEX;
  const int rc = sqlite3_open_v2(path_.c_str(), &raw, flags, OffsetVfsName());
  db_.reset(raw);
  if (rc != SQLITE_OK) RaiseSqliteError(raw, rc, Context());
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, 2000);
  // A stop request ends a long statement undone (SQLITE_INTERRUPT, 3059)
  // within a thousand steps, rather than when it is done.
  sqlite3_progress_handler(
      raw, 1000, [](void*) { return StopRequest::Pending() ? 1 : 0; }, nullptr);
  if (!readOnly && sqlite3_db_readonly(raw, "main") == 1) {
    db_.reset();
    jeterr::Raise(jeterr::msg::kCannotWriteFile, {path_});
  }
  RegisterJetFunctions(raw);
  RunOnce("PRAGMA journal_mode=DELETE");
  RunOnce("PRAGMA synchronous=FULL");
  // The host's databases are tens of megabytes: a page cache that holds
  // them spares a walk from reading the file again through the system.
  RunOnce("PRAGMA cache_size=-32768");
  if (exclusive) {
    RunOnce("PRAGMA locking_mode=EXCLUSIVE");
    RunOnce(readOnly ? "BEGIN" : "BEGIN EXCLUSIVE");
    RunOnce("SELECT count(*) FROM sqlite_master");
    RunOnce("COMMIT");
  } else {
    // Reads the schema now, so that a foreign or locked file fails here.
    RunOnce("SELECT count(*) FROM sqlite_master");
  }
}

void Connection::Close() {
  if (!db_) return;
  for (User* user : std::vector<User*>(users_)) user->ConnectionClosing();
  users_.clear();
  cache_.Clear(true);
  db_.reset();
}

void Connection::EnsureOpen() const {
  if (!db_) jeterr::Raise(jeterr::msg::kDatabaseClosed, {path_});
}

SqlStatement Connection::Prepare(const std::string& sql, const FailureContext& context) {
  EnsureOpen();
  StatementCache::Entry entry = cache_.Take(sql);
  if (entry.empty()) {
    SqliteStatement statement;
    const int rc = PrepareRaw(db_.get(), sql, true, statement);
    if (rc != SQLITE_OK) RaiseSqliteError(db_.get(), rc, context);
    entry = StatementCache::Wrap(sql, std::move(statement));
  }
  return SqlStatement(db_.get(), context, std::move(entry), &cache_);
}

SqlStatement Connection::PrepareOnce(const std::string& sql, const FailureContext& context) {
  EnsureOpen();
  SqliteStatement statement;
  const int rc = PrepareRaw(db_.get(), sql, false, statement);
  if (rc != SQLITE_OK) RaiseSqliteError(db_.get(), rc, context);
  return SqlStatement(db_.get(), context, StatementCache::Wrap(sql, std::move(statement)), nullptr);
}

std::optional<SqlStatement> Connection::TryPrepareOnce(const std::string& sql,
                                                       const FailureContext& context) {
  EnsureOpen();
  SqliteStatement statement;
  if (PrepareRaw(db_.get(), sql, false, statement) != SQLITE_OK) return std::nullopt;
  return SqlStatement(db_.get(), context, StatementCache::Wrap(sql, std::move(statement)), nullptr);
}

Connection::Rows Connection::RowsOnce(const std::string& sql, const std::vector<std::string>& texts,
                                      const FailureContext& context) {
  SqlStatement statement = PrepareOnce(sql, context);
  for (size_t i = 0; i < texts.size(); ++i) statement.BindText(static_cast<int>(i + 1), texts[i]);
  Rows rows;
  while (statement.Step()) {
    std::vector<std::string> row;
    for (int i = 0; i < statement.ColumnCount(); ++i) row.push_back(statement.Text(i));
    rows.push_back(std::move(row));
  }
  return rows;
}

Connection::Rows Connection::RowsIfReadable(const std::string& sql) {
  Rows rows;
  SqliteStatement statement;
  if (!db_ || PrepareRaw(db_.get(), sql, false, statement) != SQLITE_OK) return rows;
  sqlite3_stmt* s = statement.get();
  while (sqlite3_step(s) == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int i = 0; i < sqlite3_column_count(s); ++i) {
      const unsigned char* t = sqlite3_column_text(s, i);
      row.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

long long Connection::Changes() const {
  return sqlite3_changes(db_.get());
}

std::optional<std::string> Connection::FindTable(const std::string& schema, std::string_view name) {
  SqlStatement tables =
      Prepare("SELECT name FROM " + schema + ".sqlite_master WHERE type = 'table'");
  while (tables.Step()) {
    if (std::string stored = tables.Text(0); TextCase::Equal(stored, name)) return stored;
  }
  return std::nullopt;
}

void Connection::Attach(User* user) {
  users_.push_back(user);
}

void Connection::Detach(User* user) {
  users_.erase(std::remove(users_.begin(), users_.end(), user), users_.end());
}

}  // namespace dao
