/*
** DBEngine: opening and creating database files, and the transactions that
** span every open database.
**
** The engine keeps a list of the databases it opened (weakly: a database
** closes when its last handle goes). BeginTrans starts a level on each of
** them; a database opened later does not join the levels already begun,
** but does join those begun after it opened, so that a transaction left
** running by a caller never keeps it out of the next ones.
*/
#include "dao/DBEngine.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/NativeFile.h"
#include "common/NativePath.h"
#include "dao/ConnectString.h"
#include "dao/DatabaseState.h"
#include "dao/FileHeader.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

struct Registry {
  std::vector<std::weak_ptr<DatabaseState>> open;
  int level = 0;
};

Registry& TheRegistry() {
  static Registry r;
  return r;
}

std::vector<std::shared_ptr<DatabaseState>> LiveDatabases() {
  auto& r = TheRegistry();
  std::vector<std::shared_ptr<DatabaseState>> live;
  r.open.erase(std::remove_if(r.open.begin(), r.open.end(),
                              [](const std::weak_ptr<DatabaseState>& w) { return w.expired(); }),
               r.open.end());
  for (auto& w : r.open) {
    if (auto s = w.lock(); s && s->IsOpen()) live.push_back(s);
  }
  return live;
}

std::shared_ptr<DatabaseState> Register(std::shared_ptr<DatabaseState> state) {
  TheRegistry().open.push_back(state);
  return state;
}

// Writes the header block of a new file, refusing to replace any file.
void WriteNewFile(const std::string& name, const FileHeader& header) {
  NativeFile file(name, NativeFile::Mode::kCreateNew);
  if (!file.IsOpen()) {
    if (file.LastFailure() == NativeFile::Failure::kExists)
      jeterr::Raise(jeterr::msg::kDatabaseExists, {name});
    jeterr::Raise(jeterr::msg::kCannotCreateFile, {name});
  }
  auto block = header.Encode();
  bool ok = file.WriteAt(0, block.data(), block.size()) && file.Sync();
  ok = file.Close() && ok;
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(NativePath::From(name), ec);
    jeterr::Raise(jeterr::msg::kWriteFailed, {name});
  }
}

}  // namespace

Database DBEngine::OpenDatabase(const std::string& name, bool exclusive, bool readOnly,
                                const std::string& connect) {
  FileHeader header = FileHeader::ReadFrom(name);
  std::string password = ConnectValue(connect, "PWD");
  if (!header.Accepts(password)) {
    jeterr::Raise(jeterr::msg::kInvalidPassword);
  }
  DatabaseState::OpenOptions o{name, password, exclusive, readOnly};
  return Database(Register(std::make_shared<DatabaseState>(o)));
}

Database DBEngine::CreateDatabase(const std::string& name, const std::string& password) {
  if (password.find(';') != std::string::npos) {
    jeterr::Raise(jeterr::msg::kPasswordWithSemicolon);
  }
  WriteNewFile(name, FileHeader::ForNewFile(password));
  DatabaseState::OpenOptions o{name, password, false, false};
  return Database(Register(std::make_shared<DatabaseState>(o)));
}

void DBEngine::BeginTrans() {
  auto& r = TheRegistry();
  int level = r.level + 1;
  for (auto& db : LiveDatabases()) {
    if (db->JoinedLevels() == 0 || db->TopLevel() == r.level) db->BeginLevel(level);
  }
  r.level = level;
}

void DBEngine::CommitTrans() {
  auto& r = TheRegistry();
  if (r.level == 0) jeterr::Raise(jeterr::msg::kCommitWithoutBegin);
  for (auto& db : LiveDatabases()) {
    if (db->JoinedLevels() > 0 && db->TopLevel() == r.level) db->CommitLevel(r.level);
  }
  r.level--;
}

void DBEngine::Rollback() {
  auto& r = TheRegistry();
  if (r.level == 0) jeterr::Raise(jeterr::msg::kRollbackWithoutBegin);
  for (auto& db : LiveDatabases()) {
    if (db->JoinedLevels() > 0 && db->TopLevel() == r.level) db->RollbackLevel(r.level);
  }
  r.level--;
}

}  // namespace dao
