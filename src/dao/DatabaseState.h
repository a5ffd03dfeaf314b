/*
** DatabaseState: everything behind an open Database handle: its connection
** (Connection.h), its links to tables of other files (LinkedTables.h), its
** table definitions, the translations of the statements it has run, and
** its part in the engine's transactions.
**
** Statements are translated once per text and kept; a translation that read
** the schema's column types is made again once the schema changed, here or
** through another connection, and every translation once the links changed.
*/
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dao/Connection.h"
#include "dao/LinkedTables.h"
#include "dao/RecordsetRef.h"
#include "dao/TableDefs.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

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
  DatabaseState(const DatabaseState&) = delete;
  DatabaseState& operator=(const DatabaseState&) = delete;

  bool IsOpen() const { return connection_.IsOpen(); }
  void EnsureOpen() const { connection_.EnsureOpen(); }
  const std::string& Path() const { return connection_.Path(); }
  bool ReadOnly() const { return connection_.ReadOnly(); }

  void Execute(std::string_view jetSql);
  long RecordsAffected() const { return recordsAffected_; }
  // `self` is this state's own handle, which the record set keeps alive.
  static RecordsetRef OpenRecordset(const std::shared_ptr<DatabaseState>& self,
                                    std::string_view source, int type);
  std::string CheckIntegrity();
  // Closes the record sets and the file.
  void Close();

  TableDefs& Defs() { return defs_; }

  // Transactions across databases (DBEngine): each level is a savepoint.
  // A database takes part in a run of levels without gaps, up to
  // TopLevel(): one opened inside a transaction joins the levels begun
  // after it, not the ones already running.
  void BeginLevel(int level);
  void CommitLevel(int level);
  void RollbackLevel(int level);
  int JoinedLevels() const { return joinedLevels_; }
  int TopLevel() const { return baseLevel_ + joinedLevels_; }

 private:
  std::shared_ptr<const TranslatedStatement> Translate(std::string_view jetSql);
  long long SchemaVersion();
  // INSERT INTO t SELECT ... without a column list: by output name.
  void InsertByName(const TranslatedStatement& t, const FailureContext& context);

  struct CachedTranslation {
    std::shared_ptr<const TranslatedStatement> statement;
    long long schemaVersion;  // the schema it was typed under, when schemaTyped
  };

  Connection connection_;
  LinkedTables links_;
  TableDefs defs_{connection_, links_};
  std::unordered_map<std::string, CachedTranslation> translations_;
  long linksSeen_ = 0;  // the links' generation the translations were made under
  long recordsAffected_ = 0;
  int joinedLevels_ = 0;
  int baseLevel_ = 0;
};

}  // namespace dao
