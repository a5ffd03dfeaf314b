/*
** Connection: the engine's SQLite connection to one database file, and the
** one way the engine talks to it: every statement the engine runs is
** prepared, bound, stepped and failed here (SqlStatement), with the failure
** context of this file spelt in one place.
**
** Opening: the file is reached through OffsetVfs (its header has been
** checked by the caller), read-write unless asked read-only, with the
** engine's functions registered (SqliteFunctions.h), a rollback journal and
** full sync (a closed database is one file, and a crash in the middle of a
** statement leaves it whole), and a page cache that holds the host's
** databases. An exclusive open takes the file's lock at once and keeps it.
** A pending stop request (common/StopRequest.h) ends the running statement
** within a thousand of SQLite's steps, undone, with 3059; the check before
** each of the user's statements is DatabaseState's.
**
** Statements: Prepare gives a statement from the cache (StatementCache.h),
** PrepareOnce one that is finalized after its use: definitions and pragmas
** that run once, and every statement whose columns are read before it runs
** (a record set's query). A cached statement whose tables have changed is
** prepared again by SQLite only when it runs, so its columns, read before,
** would still be the old ones. Run and RunOnce run one to its end.
**
** Users: a record set holds a running statement for as long as it is open;
** it registers as a User, and the connection closes its users before it
** closes itself.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dao/SqlStatement.h"
#include "dao/SqliteErrors.h"
#include "dao/SqliteHandles.h"
#include "dao/StatementCache.h"

namespace dao {

class Connection {
 public:
  class User {
   public:
    // The connection is closing: let its statements go.
    virtual void ConnectionClosing() = 0;

   protected:
    ~User() = default;
  };

  Connection() = default;
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Raises the engine's error when SQLite refuses the file (3051 when it
  // cannot be written).
  void Open(const std::string& path, bool exclusive, bool readOnly);
  // Closes the users' statements, the cache and the connection; closing a
  // closed connection does nothing.
  void Close();

  bool IsOpen() const { return db_ != nullptr; }
  void EnsureOpen() const;  // 3420 when closed
  const std::string& Path() const { return path_; }
  bool ReadOnly() const { return readOnly_; }

  // What the engine was doing: on this file, running `statement` (a Jet
  // statement, when one runs) of that kind.
  FailureContext Context(JetStatementKind kind = JetStatementKind::Select,
                         const std::string* statement = nullptr) const {
    return {&path_, statement, kind};
  }

  SqlStatement Prepare(const std::string& sql, const FailureContext& context);
  SqlStatement Prepare(const std::string& sql) { return Prepare(sql, Context()); }
  SqlStatement PrepareOnce(const std::string& sql, const FailureContext& context);
  // PrepareOnce, or nothing when SQLite refuses the statement.
  std::optional<SqlStatement> TryPrepareOnce(const std::string& sql, const FailureContext& context);

  void Run(const std::string& sql, const FailureContext& context) { Prepare(sql, context).Run(); }
  void RunOnce(const std::string& sql, const FailureContext& context) {
    PrepareOnce(sql, context).Run();
  }
  void RunOnce(const std::string& sql) { RunOnce(sql, Context()); }

  // Each row of a statement prepared once, its columns as text, with texts
  // bound to ?1, ?2, ...
  using Rows = std::vector<std::vector<std::string>>;
  Rows RowsOnce(const std::string& sql, const std::vector<std::string>& texts,
                const FailureContext& context);
  // The rows as far as SQLite gives them: none when it refuses the
  // statement, those before a failure otherwise. For readings whose
  // failure the statement that needs them reports in its turn.
  Rows RowsIfReadable(const std::string& sql);

  // Rows changed by the last statement that wrote.
  long long Changes() const;

  // The stored spelling of a table of a schema ("main", or a linked file's),
  // matched as the engine matches names (SQLite's own lookup folds ASCII
  // letters only).
  std::optional<std::string> FindTable(const std::string& schema, std::string_view name);

  void Attach(User* user);
  void Detach(User* user);

 private:
  SqliteConnection db_;
  std::string path_;
  bool readOnly_ = false;
  StatementCache cache_;
  std::vector<User*> users_;
};

}  // namespace dao
