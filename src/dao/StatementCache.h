/*
** StatementCache: the prepared statements of one connection, kept by their
** SQL text so that a statement run again is not prepared again.
**
** A statement is taken out of the cache while it is in use and given back
** when done, reset and with its bindings cleared: a statement can never be
** in use twice, nor finalized under its user, even when the same text runs
** again inside (a second copy is prepared then). The cache is bounded: a
** program that builds many distinct statement texts (values written into
** the text) must not grow without end, so past the limit it starts afresh.
** Once cleared for good (the connection closing), what comes back is
** finalized.
*/
#pragma once

#include <string>
#include <unordered_map>

#include "dao/SqliteHandles.h"

namespace dao {

class StatementCache {
 public:
  // A statement with its text, in or out of the cache.
  using Entry = std::unordered_map<std::string, SqliteStatement>::node_type;

  // The cached statement of that text, taken out; empty when there is none.
  Entry Take(const std::string& sql);
  // A statement prepared anew, to be given back in its turn.
  static Entry Wrap(const std::string& sql, SqliteStatement statement);
  // Gives a statement back, ready for its next run.
  void Give(Entry entry);
  // Finalizes every statement kept; `forGood`: and every one given back.
  void Clear(bool forGood);

 private:
  static constexpr std::size_t kLimit = 512;
  std::unordered_map<std::string, SqliteStatement> statements_;
  bool closed_ = false;
};

}  // namespace dao
