/*
** DatabaseState: everything behind an open Database handle: the SQLite
** connection, the caches of translated and prepared statements, the table
** definitions and the links to tables of other files.
**
** Linked tables are kept in the internal table "__jet_links" (name,
** connect, source table). When the database opens, each linked file is
** attached (through OffsetVfs, after its header and password are checked).
** A link named as its source table then resolves straight to the attached
** table, readable and writable; a link under another name becomes a
** temporary view, readable only. A linked file that is missing or refused
** leaves its link listed but unusable until it is there again. Statements
** name a link of the first kind in its file's schema (TableSql), since
** another attached file may hold a table of the same name.
*/
#pragma once

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dao/SqliteErrors.h"
#include "dao/SqliteHandles.h"
#include "dao/TableDefs.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

class RecordsetState;

class DatabaseState {
 public:
  struct OpenOptions {
    std::string path;
    std::string password;
    bool exclusive = false;
    bool readOnly = false;
  };

  // Opens a file whose header has been checked by the caller.
  explicit DatabaseState(const OpenOptions& options);
  ~DatabaseState();
  DatabaseState(const DatabaseState&) = delete;
  DatabaseState& operator=(const DatabaseState&) = delete;

  bool IsOpen() const { return conn_ != nullptr; }
  void EnsureOpen() const;
  sqlite3* Connection() const { return conn_.get(); }
  const std::string& Path() const { return path_; }
  bool ReadOnly() const { return readOnly_; }

  void Execute(std::string_view jetSql);
  long RecordsAffected() const { return recordsAffected_; }
  std::shared_ptr<RecordsetState> OpenRecordset(const std::shared_ptr<DatabaseState>& self,
                                                std::string_view source, int type);
  std::string CheckIntegrity();
  void Close();

  // Table definitions, as TableDefs shows them.
  TableDefs& Defs() { return defs_; }
  std::vector<TableDef> ReadTableDefs();
  void AppendLink(const TableDef& def);
  void DeleteTableDef(std::string_view name);

  // Transactions across databases (DBEngine): each level is a savepoint.
  // A database takes part in a run of levels without gaps, up to
  // TopLevel(): one opened inside a transaction joins the levels begun
  // after it, not the ones already running.
  void BeginLevel(int level);
  void CommitLevel(int level);
  void RollbackLevel(int level);
  int JoinedLevels() const { return joinedLevels_; }
  int TopLevel() const { return baseLevel_ + joinedLevels_; }

  // Runs internal SQL (no translation); raises the engine's error.
  void RunInternal(const std::string& sql, const FailureContext& context);
  std::shared_ptr<const TranslatedStatement> Translate(std::string_view jetSql);
  std::vector<std::string> TableColumns(const std::string& table);
  // Each column of a table with its Jet type (0 for a type of none of ours).
  std::vector<JetOutputColumn> ColumnTypes(const std::string& table);
  // A table as the engine's SQL names it: "name", or schema."source" for a
  // link named as its source table.
  std::string TableSql(std::string_view name) const;
  void Forget(RecordsetState* rs);

 private:
  struct Link {
    std::string name, connect, source;
  };
  // A link named as its source, in the schema of its attached file.
  struct LinkedTable {
    std::string name, schema, source;
  };
  sqlite3_stmt* Prepared(const std::string& sql, const FailureContext& context);
  void Run(const std::string& sql, const FailureContext& context, bool cache);
  std::vector<Link> ReadLinks();
  const Link* FindLink(const std::vector<Link>& links, std::string_view name) const;
  void AttachLinks();
  // Attaches a linked file once, after checking its header and password;
  // gives its schema alias, or raises the engine's error.
  std::string AttachFile(const std::string& file, const std::string& password);
  std::string LinkPassword(const std::string& connect) const;
  void CreateLinkView(const Link& link, const std::string& alias);
  // The stored spelling of a table of the schema, matched as the engine
  // matches names (SQLite's own lookup folds ASCII letters only).
  std::optional<std::string> TableIn(const std::string& schema, std::string_view name);
  std::optional<std::string> LocalTable(std::string_view name);
  // Reads the links into linkedTables_ again; translations made before
  // named the tables as the old links did, so they are dropped.
  void NoteLinks();
  const LinkedTable* FindLinkedTable(std::string_view name) const;
  long long SchemaVersion();

  struct CachedTranslation {
    std::shared_ptr<const TranslatedStatement> statement;
    long long schemaVersion;  // the schema it was typed under, when schemaTyped
  };

  SqliteConnection conn_;
  std::string path_;
  std::string password_;
  bool readOnly_ = false;
  long recordsAffected_ = 0;
  int joinedLevels_ = 0;
  int baseLevel_ = 0;
  TableDefs defs_{this};
  std::unordered_map<std::string, CachedTranslation> translations_;
  std::unordered_map<std::string, SqliteStatement> prepared_;
  std::unordered_map<std::string, std::string> attachedFiles_;  // file path -> schema alias
  std::vector<LinkedTable> linkedTables_;
  std::vector<RecordsetState*> recordsets_;
};

}  // namespace dao
