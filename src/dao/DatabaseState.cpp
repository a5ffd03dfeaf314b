/*
** DatabaseState: the open connection behind a Database. See DatabaseState.h.
*/
#include "dao/DatabaseState.h"

#include <algorithm>

#include "common/TextCase.h"
#include "dao/ConnectString.h"
#include "dao/FileHeader.h"
#include "dao/JetSchemaChange.h"
#include "dao/OffsetVfs.h"
#include "dao/RecordsetState.h"
#include "dao/SqliteFunctions.h"
#include "dao/StoredNames.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetSqlTranslator.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

namespace {

constexpr const char* kLinksTable = "__jet_links";
// Caches are bounded: a program that builds many distinct statement texts
// (values written into the text) must not grow without end.
constexpr size_t kCacheLimit = 512;

// A file name as an SQLite URI, so that ATTACH can name our VFS.
std::string FileUri(const std::string& path) {
  std::string uri = "file:";
  for (unsigned char c : path) {
    // A quote would end the SQL text that carries the URI.
    if (c == '%' || c == '?' || c == '#' || c == ' ' || c == '\'' || c < 0x20) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%%%02X", c);
      uri += buf;
    } else {
      uri += static_cast<char>(c);
    }
  }
  return uri + "?vfs=" + OffsetVfsName();
}

std::string Text(sqlite3_stmt* s, int i) {
  const unsigned char* t = sqlite3_column_text(s, i);
  return t ? reinterpret_cast<const char*>(t) : std::string();
}

bool IsInternalTable(const std::string& name) {
  return name.rfind("sqlite_", 0) == 0 || name.rfind("__jet", 0) == 0;
}

}  // namespace

DatabaseState::DatabaseState(const OpenOptions& o)
    : path_(o.path), password_(o.password), readOnly_(o.readOnly) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  sqlite3* raw = nullptr;
  int flags = (o.readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI |
              SQLITE_OPEN_NOMUTEX;
  int rc = sqlite3_open_v2(path_.c_str(), &raw, flags, OffsetVfsName());
  conn_.reset(raw);
  if (rc != SQLITE_OK) RaiseSqliteError(raw, rc, ctx);
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, 2000);
  if (!o.readOnly && sqlite3_db_readonly(raw, "main") == 1) {
    conn_.reset();
    jeterr::Raise(jeterr::msg::kCannotWriteFile, {path_});
  }
  RegisterJetFunctions(raw);
  try {
    // Rollback journal, full sync: a closed database is one file, and a
    // crash in the middle of a statement leaves it whole.
    RunInternal("PRAGMA journal_mode=DELETE", ctx);
    RunInternal("PRAGMA synchronous=FULL", ctx);
    // The host's databases are tens of megabytes: a page cache that holds
    // them spares a walk from reading the file again through the system.
    RunInternal("PRAGMA cache_size=-32768", ctx);
    if (o.exclusive) {
      RunInternal("PRAGMA locking_mode=EXCLUSIVE", ctx);
      RunInternal(o.readOnly ? "BEGIN" : "BEGIN EXCLUSIVE", ctx);
      RunInternal("SELECT count(*) FROM sqlite_master", ctx);
      RunInternal("COMMIT", ctx);
    } else {
      // Reads the schema now, so that a foreign or locked file fails here.
      RunInternal("SELECT count(*) FROM sqlite_master", ctx);
    }
    AttachLinks();
  } catch (const AppError& e) {
    prepared_.clear();
    conn_.reset();
    if (e.Number() == jeterr::kCouldNotUpdateLocked) {
      jeterr::Raise(jeterr::msg::kFileInUse, {path_});
    }
    throw;
  }
}

DatabaseState::~DatabaseState() {
  Close();
}

void DatabaseState::EnsureOpen() const {
  if (!conn_) {
    jeterr::Raise(jeterr::msg::kDatabaseClosed, {path_});
  }
}

void DatabaseState::Close() {
  if (!conn_) return;
  for (RecordsetState* rs : std::vector<RecordsetState*>(recordsets_)) rs->Close();
  recordsets_.clear();
  prepared_.clear();
  translations_.clear();
  conn_.reset();
}

void DatabaseState::Forget(RecordsetState* rs) {
  recordsets_.erase(std::remove(recordsets_.begin(), recordsets_.end(), rs), recordsets_.end());
}

std::shared_ptr<const TranslatedStatement> DatabaseState::Translate(std::string_view jetSql) {
  std::string key(jetSql);
  auto it = translations_.find(key);
  // A translation typed by the schema's columns is made again once the
  // schema has changed (here or through another connection).
  if (it != translations_.end() && it->second.statement->schemaTyped &&
      it->second.schemaVersion != SchemaVersion()) {
    translations_.erase(it);
    it = translations_.end();
  }
  if (it == translations_.end()) {
    // What the translation asks of this database; each table's columns are
    // read once for it.
    class Schema : public JetSchema {
     public:
      explicit Schema(DatabaseState& db) : db_(db) {}
      std::string TableSql(const std::string& table) const override { return db_.TableSql(table); }
      int ColumnType(const std::string& table, const std::string& column) override {
        auto found = columns_.find(table);
        if (found == columns_.end()) found = columns_.emplace(table, db_.ColumnTypes(table)).first;
        for (const JetOutputColumn& c : found->second) {
          if (TextCase::Equal(c.name, column)) return c.type;
        }
        return 0;
      }

     private:
      DatabaseState& db_;
      std::unordered_map<std::string, std::vector<JetOutputColumn>> columns_;
    };
    Schema schema(*this);
    auto t =
        std::make_shared<const TranslatedStatement>(JetSqlTranslator::Translate(jetSql, schema));
    const long long version = t->schemaTyped ? SchemaVersion() : 0;
    if (translations_.size() >= kCacheLimit) translations_.clear();
    it = translations_.emplace(std::move(key), CachedTranslation{t, version}).first;
  }
  const auto& statement = it->second.statement;
  // The translation is cached as written; the stored spellings are looked
  // up on each run, since the schema may have changed in between.
  if (!StoredNames::MayNeedResolving(*statement)) return statement;
  return std::make_shared<const TranslatedStatement>(StoredNames(conn_.get()).Resolve(*statement));
}

sqlite3_stmt* DatabaseState::Prepared(const std::string& sql, const FailureContext& ctx) {
  if (auto it = prepared_.find(sql); it != prepared_.end()) return it->second.get();
  sqlite3_stmt* raw = nullptr;
  int rc = sqlite3_prepare_v3(conn_.get(), sql.c_str(), static_cast<int>(sql.size()),
                              SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(raw);
    RaiseSqliteError(conn_.get(), rc, ctx);
  }
  if (prepared_.size() >= kCacheLimit) prepared_.clear();
  prepared_.emplace(sql, SqliteStatement(raw));
  return raw;
}

void DatabaseState::Run(const std::string& sql, const FailureContext& ctx, bool cache) {
  EnsureOpen();
  sqlite3_stmt* stmt = nullptr;
  SqliteStatement owned;
  if (cache) {
    stmt = Prepared(sql, ctx);
  } else {
    int rc =
        sqlite3_prepare_v2(conn_.get(), sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    owned.reset(stmt);
    if (rc != SQLITE_OK) RaiseSqliteError(conn_.get(), rc, ctx);
  }
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  // Reset before raising, so that the error message is read first and the
  // cached statement is ready for the next run.
  if (rc != SQLITE_DONE) {
    try {
      RaiseSqliteError(conn_.get(), rc, ctx);
    } catch (...) {
      sqlite3_reset(stmt);
      throw;
    }
  }
  sqlite3_reset(stmt);
}

void DatabaseState::RunInternal(const std::string& sql, const FailureContext& ctx) {
  Run(sql, ctx, false);
}

void DatabaseState::Execute(std::string_view jetSql) {
  EnsureOpen();
  const std::string text(jetSql);
  auto t = Translate(jetSql);
  FailureContext ctx{&path_, &text, t->kind};
  switch (t->kind) {
    case JetStatementKind::Select:
      jeterr::Raise(jeterr::msg::kCannotExecuteSelect, {text});
    case JetStatementKind::CreateTable: {
      // SQLite would let "SITUACIÓN" stand beside Situación.
      if (FindLink(ReadLinks(), t->table) || LocalTable(t->table)) {
        jeterr::Raise(jeterr::msg::kTableExists, {t->table});
      }
      JetSchemaChange(*this, ctx).CreateTable(*t);
      recordsAffected_ = 0;
      return;
    }
    case JetStatementKind::SelectInto:
      recordsAffected_ = JetSchemaChange(*this, ctx).SelectInto(*t);
      return;
    case JetStatementKind::AlterTable:
      JetSchemaChange(*this, ctx).AlterTable(*t);
      recordsAffected_ = 0;
      return;
    case JetStatementKind::DropTable: {
      auto links = ReadLinks();
      if (FindLink(links, t->table)) {
        DeleteTableDef(t->table);
      } else {
        // Qualified, so that a table of a linked file is never the one dropped.
        const auto stored = LocalTable(t->table);
        if (!stored) jeterr::Raise(jeterr::msg::kTableNotFound, {t->table});
        JetSchemaChange(*this, ctx).DropTable(*stored);
      }
      recordsAffected_ = 0;
      return;
    }
    default:
      break;
  }
  if (t->insertByName) {
    // Jet sends each output column of the SELECT to the target column of
    // the same name, not by position. The target's columns are read first:
    // preparing a statement may empty the cache, and with it the SELECT.
    std::vector<std::string> target = TableColumns(t->table);
    if (target.empty()) {
      jeterr::Raise(jeterr::msg::kTableNotFound, {t->table});
    }
    sqlite3_stmt* select = Prepared(t->selectSql, ctx);
    std::string names;
    for (int i = 0; i < sqlite3_column_count(select); i++) {
      std::string out = sqlite3_column_name(select, i);
      auto it = std::find_if(target.begin(), target.end(),
                             [&](const std::string& c) { return TextCase::Equal(c, out); });
      if (it == target.end()) {
        jeterr::Raise(jeterr::msg::kUnknownInsertField, {out});
      }
      if (!names.empty()) names += ',';
      names += QuoteIdentifier(*it);
    }
    Run("INSERT INTO " + TableSql(t->table) + " (" + names + ") " + t->selectSql, ctx, true);
  } else {
    Run(t->sql, ctx, true);
  }
  recordsAffected_ = sqlite3_changes(conn_.get());
}

std::vector<std::string> DatabaseState::TableColumns(const std::string& table) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  std::vector<std::string> cols;
  const LinkedTable* linked = FindLinkedTable(table);
  sqlite3_stmt* s = Prepared(
      linked ? "PRAGMA " + linked->schema + ".table_info(" + QuoteIdentifier(linked->source) + ")"
             : "PRAGMA table_info(" + QuoteIdentifier(table) + ")",
      ctx);
  while (sqlite3_step(s) == SQLITE_ROW) cols.push_back(Text(s, 1));
  sqlite3_reset(s);
  return cols;
}

std::vector<JetOutputColumn> DatabaseState::ColumnTypes(const std::string& table) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  std::vector<JetOutputColumn> cols;
  const LinkedTable* linked = FindLinkedTable(table);
  sqlite3_stmt* s = Prepared(
      linked ? "PRAGMA " + linked->schema + ".table_info(" + QuoteIdentifier(linked->source) + ")"
             : "PRAGMA table_info(" + QuoteIdentifier(table) + ")",
      ctx);
  while (sqlite3_step(s) == SQLITE_ROW)
    cols.push_back({Text(s, 1), JetTypeFromDeclared(Text(s, 2)).type});
  sqlite3_reset(s);
  return cols;
}

long long DatabaseState::SchemaVersion() {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  sqlite3_stmt* s = Prepared("PRAGMA main.schema_version", ctx);
  const long long version = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
  sqlite3_reset(s);
  return version;
}

std::optional<std::string> DatabaseState::TableIn(const std::string& schema,
                                                  std::string_view name) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  sqlite3_stmt* s =
      Prepared("SELECT name FROM " + schema + ".sqlite_master WHERE type = 'table'", ctx);
  std::optional<std::string> found;
  while (!found && sqlite3_step(s) == SQLITE_ROW) {
    if (std::string stored = Text(s, 0); TextCase::Equal(stored, name)) found = std::move(stored);
  }
  sqlite3_reset(s);
  return found;
}

std::optional<std::string> DatabaseState::LocalTable(std::string_view name) {
  return TableIn("main", name);
}

std::shared_ptr<RecordsetState> DatabaseState::OpenRecordset(
    const std::shared_ptr<DatabaseState>& self, std::string_view source, int type) {
  EnsureOpen();
  std::string jet;
  if (auto bare = JetSqlTranslator::BareTableName(source)) {
    jet = "SELECT * FROM [" + *bare + "]";
  } else {
    jet = std::string(source);
  }
  auto t = Translate(jet);
  if (t->kind != JetStatementKind::Select) {
    jeterr::Raise(jeterr::msg::kNotRowReturning, {source});
  }
  auto rs = std::make_shared<RecordsetState>(self, std::string(source), t, type);
  recordsets_.push_back(rs.get());
  return rs;
}

std::string DatabaseState::CheckIntegrity() {
  EnsureOpen();
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  sqlite3_stmt* s = Prepared("PRAGMA main.integrity_check", ctx);
  std::string result;
  while (sqlite3_step(s) == SQLITE_ROW) {
    if (!result.empty()) result += '\n';
    result += Text(s, 0);
  }
  sqlite3_reset(s);
  return result;
}

// ---- Table definitions and links ----

std::vector<DatabaseState::Link> DatabaseState::ReadLinks() {
  std::vector<Link> links;
  if (!LocalTable(kLinksTable)) return links;
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  sqlite3_stmt* s = Prepared(
      std::string("SELECT Name, Connect, SourceTable FROM main.") + kLinksTable + " ORDER BY rowid",
      ctx);
  while (sqlite3_step(s) == SQLITE_ROW) links.push_back({Text(s, 0), Text(s, 1), Text(s, 2)});
  sqlite3_reset(s);
  return links;
}

const DatabaseState::Link* DatabaseState::FindLink(const std::vector<Link>& links,
                                                   std::string_view name) const {
  for (const Link& l : links) {
    if (TextCase::Equal(l.name, name)) return &l;
  }
  return nullptr;
}

std::string DatabaseState::LinkPassword(const std::string& connect) const {
  std::string pwd = ConnectValue(connect, "PWD");
  return pwd.empty() ? password_ : pwd;
}

std::string DatabaseState::AttachFile(const std::string& file, const std::string& password) {
  if (auto it = attachedFiles_.find(file); it != attachedFiles_.end()) return it->second;
  FileHeader header = FileHeader::ReadFrom(file);
  if (!header.Accepts(password)) {
    jeterr::Raise(jeterr::msg::kInvalidFilePassword, {file});
  }
  std::string alias = "jetlink" + std::to_string(attachedFiles_.size() + 1);
  FailureContext ctx{&file, nullptr, JetStatementKind::Select};
  RunInternal("ATTACH DATABASE '" + FileUri(file) + "' AS " + alias, ctx);
  attachedFiles_.emplace(file, alias);
  return alias;
}

void DatabaseState::CreateLinkView(const Link& link, const std::string& alias) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::CreateTable};
  RunInternal("CREATE TEMP VIEW IF NOT EXISTS " + QuoteIdentifier(link.name) +
                  " AS SELECT * FROM " + alias + "." + QuoteIdentifier(link.source),
              ctx);
}

std::string DatabaseState::TableSql(std::string_view name) const {
  const LinkedTable* linked = FindLinkedTable(name);
  return linked ? linked->schema + "." + QuoteIdentifier(linked->source) : QuoteIdentifier(name);
}

const DatabaseState::LinkedTable* DatabaseState::FindLinkedTable(std::string_view name) const {
  for (const LinkedTable& l : linkedTables_) {
    if (TextCase::Equal(l.name, name)) return &l;
  }
  return nullptr;
}

void DatabaseState::NoteLinks() {
  linkedTables_.clear();
  for (const Link& link : ReadLinks()) {
    auto it = attachedFiles_.find(ConnectValue(link.connect, "DATABASE"));
    if (it != attachedFiles_.end() && TextCase::Equal(link.name, link.source)) {
      linkedTables_.push_back({link.name, it->second, link.source});
    }
  }
  translations_.clear();
}

void DatabaseState::AttachLinks() {
  for (const Link& link : ReadLinks()) {
    try {
      std::string alias =
          AttachFile(ConnectValue(link.connect, "DATABASE"), LinkPassword(link.connect));
      if (!TextCase::Equal(link.name, link.source)) CreateLinkView(link, alias);
    } catch (const AppError&) {
      // The link stays listed; using it reports the missing table. One
      // unusable link never keeps the database itself from opening.
      continue;
    }
  }
  NoteLinks();
}

std::vector<TableDef> DatabaseState::ReadTableDefs() {
  EnsureOpen();
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  std::vector<TableDef> defs;
  auto fieldsOf = [&](const std::string& schema, const std::string& table) {
    std::vector<Field> fields;
    sqlite3_stmt* s =
        Prepared("PRAGMA " + schema + ".table_info(" + QuoteIdentifier(table) + ")", ctx);
    while (sqlite3_step(s) == SQLITE_ROW) {
      JetType jt = JetTypeFromDeclared(Text(s, 2));
      fields.emplace_back(Text(s, 1), jt.type, jt.size, jt.precision, jt.scale);
    }
    sqlite3_reset(s);
    return fields;
  };
  sqlite3_stmt* s =
      Prepared("SELECT name FROM main.sqlite_master WHERE type = 'table' ORDER BY name", ctx);
  std::vector<std::string> names;
  while (sqlite3_step(s) == SQLITE_ROW) names.push_back(Text(s, 0));
  sqlite3_reset(s);
  for (const std::string& n : names) {
    if (!IsInternalTable(n)) defs.emplace_back(n, "", "", fieldsOf("main", n));
  }
  for (const Link& link : ReadLinks()) {
    std::vector<Field> fields;
    std::string file = ConnectValue(link.connect, "DATABASE");
    if (auto it = attachedFiles_.find(file); it != attachedFiles_.end()) {
      fields = fieldsOf(it->second, link.source);
    }
    defs.emplace_back(link.name, link.connect, link.source, std::move(fields));
  }
  std::sort(defs.begin(), defs.end(), [](const TableDef& a, const TableDef& b) {
    return TextCase::Fold(a.Name()) < TextCase::Fold(b.Name());
  });
  return defs;
}

void DatabaseState::AppendLink(const TableDef& def) {
  EnsureOpen();
  FailureContext ctx{&path_, nullptr, JetStatementKind::CreateTable};
  if (def.Connect().empty()) {
    jeterr::Raise(jeterr::msg::kNoFieldsDefined, {def.Name()});
  }
  if (LocalTable(def.Name()) || FindLink(ReadLinks(), def.Name())) {
    jeterr::Raise(jeterr::msg::kTableExists, {def.Name()});
  }
  // Everything that can refuse the link runs before it is written: a link
  // that is written is one the database can open again.
  Link link{def.Name(), def.Connect(),
            def.SourceTableName().empty() ? def.Name() : def.SourceTableName()};
  const std::string file = ConnectValue(link.connect, "DATABASE");
  const std::string alias = AttachFile(file, LinkPassword(link.connect));
  const auto source = TableIn(alias, link.source);
  if (!source) {
    jeterr::Raise(jeterr::msg::kTableNotFoundInFile, {link.source, file});
  }
  link.source = *source;
  const bool renamed = !TextCase::Equal(link.name, link.source);
  if (renamed) CreateLinkView(link, alias);
  try {
    RunInternal(std::string("CREATE TABLE IF NOT EXISTS main.") + kLinksTable +
                    " (Name TEXT PRIMARY KEY COLLATE NOCASE, Connect TEXT, SourceTable TEXT)",
                ctx);
    sqlite3_stmt* ins = Prepared(std::string("INSERT INTO main.") + kLinksTable +
                                     " (Name, Connect, SourceTable) VALUES (?1, ?2, ?3)",
                                 ctx);
    sqlite3_bind_text(ins, 1, link.name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(ins, 2, link.connect.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(ins, 3, link.source.c_str(), -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(ins);
    sqlite3_reset(ins);
    if (rc != SQLITE_DONE) RaiseSqliteError(conn_.get(), rc, ctx);
  } catch (const AppError&) {
    if (renamed) RunInternal("DROP VIEW IF EXISTS temp." + QuoteIdentifier(link.name), ctx);
    throw;
  }
  NoteLinks();
}

void DatabaseState::DeleteTableDef(std::string_view name) {
  EnsureOpen();
  FailureContext ctx{&path_, nullptr, JetStatementKind::DropTable};
  auto links = ReadLinks();
  if (const Link* link = FindLink(links, name)) {
    std::string linkName = link->name;
    RunInternal("DROP VIEW IF EXISTS temp." + QuoteIdentifier(linkName), ctx);
    sqlite3_stmt* del =
        Prepared(std::string("DELETE FROM main.") + kLinksTable + " WHERE Name = ?1", ctx);
    sqlite3_bind_text(del, 1, linkName.c_str(), -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(del);
    sqlite3_reset(del);
    if (rc != SQLITE_DONE) RaiseSqliteError(conn_.get(), rc, ctx);
    NoteLinks();
    return;
  }
  const auto stored = LocalTable(name);
  if (!stored) jeterr::Raise(jeterr::msg::kItemNotFound, {name});
  JetSchemaChange(*this, ctx).DropTable(*stored);
}

// ---- Transactions ----

void DatabaseState::BeginLevel(int level) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  RunInternal("SAVEPOINT jet_trans_" + std::to_string(level), ctx);
  if (joinedLevels_ == 0) baseLevel_ = level - 1;
  joinedLevels_++;
}

void DatabaseState::CommitLevel(int level) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  RunInternal("RELEASE jet_trans_" + std::to_string(level), ctx);
  joinedLevels_--;
}

void DatabaseState::RollbackLevel(int level) {
  FailureContext ctx{&path_, nullptr, JetStatementKind::Select};
  RunInternal("ROLLBACK TO jet_trans_" + std::to_string(level), ctx);
  RunInternal("RELEASE jet_trans_" + std::to_string(level), ctx);
  joinedLevels_--;
}

}  // namespace dao
