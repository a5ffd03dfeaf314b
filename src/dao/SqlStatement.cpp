/*
** A prepared statement in use. See SqlStatement.h.
*/
#include "dao/SqlStatement.h"

#include "dao/ValueBinding.h"

namespace dao {

SqlStatement::~SqlStatement() {
  Release();
}

SqlStatement::SqlStatement(SqlStatement&& other) noexcept
    : db_(other.db_),
      context_(other.context_),
      entry_(std::move(other.entry_)),
      cache_(other.cache_),
      stmt_(other.stmt_) {
  other.stmt_ = nullptr;
}

SqlStatement& SqlStatement::operator=(SqlStatement&& other) noexcept {
  if (this != &other) {
    Release();
    db_ = other.db_;
    context_ = other.context_;
    entry_ = std::move(other.entry_);
    cache_ = other.cache_;
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

void SqlStatement::Release() {
  if (cache_ != nullptr && !entry_.empty()) cache_->Give(std::move(entry_));
  entry_ = StatementCache::Entry();
  stmt_ = nullptr;
}

SqlStatement& SqlStatement::BindText(int index, std::string_view text) {
  sqlite3_bind_text(Raw(), index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

SqlStatement& SqlStatement::BindInteger(int index, int64_t number) {
  sqlite3_bind_int64(Raw(), index, number);
  return *this;
}

SqlStatement& SqlStatement::Bind(int index, const Variant& value) {
  BindValue(Raw(), index, value);
  return *this;
}

std::string SqlStatement::Text(int column) const {
  const unsigned char* t = sqlite3_column_text(Raw(), column);
  return t ? reinterpret_cast<const char*>(t) : std::string();
}

void SqlStatement::Fail(int rc) const {
  RaiseSqliteError(db_, rc, context_);
}

}  // namespace dao
