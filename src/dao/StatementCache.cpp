/*
** The prepared statements of a connection. See StatementCache.h.
**
** A statement moves in and out as its map node, so that taking and giving
** back costs no allocation.
*/
#include "dao/StatementCache.h"

namespace dao {

StatementCache::Entry StatementCache::Take(const std::string& sql) {
  return statements_.extract(sql);
}

StatementCache::Entry StatementCache::Wrap(const std::string& sql, SqliteStatement statement) {
  std::unordered_map<std::string, SqliteStatement> one;
  one.emplace(sql, std::move(statement));
  return one.extract(one.begin());
}

void StatementCache::Give(Entry entry) {
  if (closed_ || entry.empty()) return;
  sqlite3_reset(entry.mapped().get());
  sqlite3_clear_bindings(entry.mapped().get());
  if (statements_.size() >= kLimit) statements_.clear();
  statements_.insert(std::move(entry));
}

void StatementCache::Clear(bool forGood) {
  statements_.clear();
  closed_ = closed_ || forGood;
}

}  // namespace dao
