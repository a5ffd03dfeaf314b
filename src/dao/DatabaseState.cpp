/*
** DatabaseState: the open database behind a Database. See DatabaseState.h.
*/
#include "dao/DatabaseState.h"

#include <algorithm>

#include "common/StopRequest.h"
#include "common/TextCase.h"
#include "dao/JetSchemaChange.h"
#include "dao/RecordsetState.h"
#include "dao/StoredNames.h"
#include "dao/TranslationSchema.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetSqlTranslator.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

namespace {

// Translations are bounded as prepared statements are (StatementCache.h).
constexpr size_t kCacheLimit = 512;

}  // namespace

DatabaseState::DatabaseState(const OpenOptions& o) : links_(connection_, o.password) {
  try {
    connection_.Open(o.path, o.exclusive, o.readOnly);
    links_.AttachAll();
  } catch (const AppError& e) {
    connection_.Close();
    if (e.Number() == jeterr::kCouldNotUpdateLocked) {
      jeterr::Raise(jeterr::msg::kFileInUse, {o.path});
    }
    throw;
  }
}

void DatabaseState::Close() {
  connection_.Close();
  translations_.clear();
}

std::shared_ptr<const TranslatedStatement> DatabaseState::Translate(std::string_view jetSql) {
  if (links_.Generation() != linksSeen_) {
    // The translations named the tables as the old links did.
    translations_.clear();
    linksSeen_ = links_.Generation();
  }
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
    TranslationSchema schema(connection_, links_);
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
  return std::make_shared<const TranslatedStatement>(StoredNames(connection_).Resolve(*statement));
}

void DatabaseState::Execute(std::string_view jetSql) {
  EnsureOpen();
  if (StopRequest::Pending()) jeterr::Raise(jeterr::msg::kCanceledByUser);
  const std::string text(jetSql);
  auto t = Translate(jetSql);
  const FailureContext context = connection_.Context(t->kind, &text);
  switch (t->kind) {
    case JetStatementKind::Select:
      jeterr::Raise(jeterr::msg::kCannotExecuteSelect, {text});
    case JetStatementKind::CreateTable: {
      // SQLite would let "SITUACIÓN" stand beside Situación.
      if (links_.IsLink(t->table) || connection_.FindTable("main", t->table)) {
        jeterr::Raise(jeterr::msg::kTableExists, {t->table});
      }
      JetSchemaChange(connection_, context).CreateTable(*t);
      recordsAffected_ = 0;
      return;
    }
    case JetStatementKind::SelectInto:
      recordsAffected_ = JetSchemaChange(connection_, context).SelectInto(*t);
      return;
    case JetStatementKind::AlterTable:
      JetSchemaChange(connection_, context).AlterTable(*t);
      recordsAffected_ = 0;
      return;
    case JetStatementKind::DropTable: {
      if (!links_.Remove(t->table)) {
        // Qualified, so that a table of a linked file is never the one dropped.
        const auto stored = connection_.FindTable("main", t->table);
        if (!stored) jeterr::Raise(jeterr::msg::kTableNotFound, {t->table});
        JetSchemaChange(connection_, context).DropTable(*stored);
      }
      recordsAffected_ = 0;
      return;
    }
    default:
      break;
  }
  if (t->insertByName) {
    InsertByName(*t, context);
  } else {
    connection_.Run(t->sql, context);
  }
  recordsAffected_ = static_cast<long>(connection_.Changes());
}

void DatabaseState::InsertByName(const TranslatedStatement& t, const FailureContext& context) {
  // Jet sends each output column of the SELECT to the target column of the
  // same name, not by position.
  std::vector<std::string> target;
  for (const JetOutputColumn& c : TranslationSchema::Columns(connection_, links_, t.table)) {
    target.push_back(c.name);
  }
  if (target.empty()) {
    jeterr::Raise(jeterr::msg::kTableNotFound, {t.table});
  }
  std::string names;
  {
    // Prepared afresh: a cached one would still name the columns its tables
    // had when it was made.
    const SqlStatement select = connection_.PrepareOnce(t.selectSql, context);
    for (int i = 0; i < select.ColumnCount(); i++) {
      const std::string out = select.ColumnName(i);
      auto it = std::find_if(target.begin(), target.end(),
                             [&](const std::string& c) { return TextCase::Equal(c, out); });
      if (it == target.end()) {
        jeterr::Raise(jeterr::msg::kUnknownInsertField, {out});
      }
      if (!names.empty()) names += ',';
      names += QuoteIdentifier(*it);
    }
  }
  connection_.Run("INSERT INTO " + links_.TableSql(t.table) + " (" + names + ") " + t.selectSql,
                  context);
}

long long DatabaseState::SchemaVersion() {
  SqlStatement version = connection_.Prepare("PRAGMA main.schema_version");
  return version.Step() ? version.Integer(0) : -1;
}

RecordsetRef DatabaseState::OpenRecordset(const std::shared_ptr<DatabaseState>& self,
                                          std::string_view source, int type) {
  self->EnsureOpen();
  if (StopRequest::Pending()) jeterr::Raise(jeterr::msg::kCanceledByUser);
  std::string jet;
  if (auto bare = JetSqlTranslator::BareTableName(source)) {
    jet = "SELECT * FROM [" + *bare + "]";
  } else {
    jet = std::string(source);
  }
  auto t = self->Translate(jet);
  if (t->kind != JetStatementKind::Select) {
    jeterr::Raise(jeterr::msg::kNotRowReturning, {source});
  }
  // The record set holds the connection, and through it the whole state.
  std::shared_ptr<Connection> connection(self, &self->connection_);
  return RecordsetRef(
      new RecordsetState(std::move(connection), self->links_, std::string(source), t, type));
}

std::string DatabaseState::CheckIntegrity() {
  SqlStatement check = connection_.Prepare("PRAGMA main.integrity_check");
  std::string result;
  while (check.Step()) {
    if (!result.empty()) result += '\n';
    result += check.Text(0);
  }
  return result;
}

// ---- Transactions ----

void DatabaseState::BeginLevel(int level) {
  connection_.RunOnce("SAVEPOINT jet_trans_" + std::to_string(level));
  if (joinedLevels_ == 0) baseLevel_ = level - 1;
  joinedLevels_++;
}

void DatabaseState::CommitLevel(int level) {
  connection_.RunOnce("RELEASE jet_trans_" + std::to_string(level));
  joinedLevels_--;
}

void DatabaseState::RollbackLevel(int level) {
  connection_.RunOnce("ROLLBACK TO jet_trans_" + std::to_string(level));
  connection_.RunOnce("RELEASE jet_trans_" + std::to_string(level));
  joinedLevels_--;
}

}  // namespace dao
