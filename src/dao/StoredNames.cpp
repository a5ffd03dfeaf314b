/*
** Stored names, matched as the engine matches them. See StoredNames.h.
**
** The statements scanned are the translator's output: names are in double
** quotes (inner quotes doubled), texts in single quotes; nothing else holds
** a quote.
*/
#include "dao/StoredNames.h"

#include <sqlite3.h>

#include <algorithm>

#include "common/TextCase.h"
#include "dao/Connection.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

namespace {

bool HasNonAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

// The end of the quoted run that starts at `begin` (the closing quote).
std::size_t QuotedEnd(std::string_view sql, std::size_t begin) {
  const char quote = sql[begin];
  std::size_t i = begin + 1;
  while (i < sql.size()) {
    if (sql[i] == quote) {
      if (i + 1 < sql.size() && sql[i + 1] == quote) {
        i += 2;
        continue;
      }
      return i;
    }
    ++i;
  }
  return sql.size();
}

std::string Unquoted(std::string_view quoted) {
  std::string name;
  for (std::size_t i = 0; i < quoted.size(); ++i) {
    name += quoted[i];
    if (quoted[i] == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') ++i;
  }
  return name;
}

// The values of every row and column of a query, as far as it can be read.
std::vector<std::string> Values(Connection& connection, const std::string& sql) {
  std::vector<std::string> out;
  for (auto& row : connection.RowsIfReadable(sql)) {
    for (std::string& value : row) out.push_back(std::move(value));
  }
  return out;
}

bool NamesBeyondAscii(std::string_view sql) {
  for (std::size_t i = 0; i < sql.size(); ++i) {
    if (sql[i] != '"' && sql[i] != '\'') continue;
    const std::size_t end = QuotedEnd(sql, i);
    if (sql[i] == '"' && HasNonAscii(sql.substr(i + 1, end - i - 1))) return true;
    i = end;
  }
  return false;
}

}  // namespace

bool StoredNames::MayNeedResolving(const TranslatedStatement& t) {
  if (t.kind == JetStatementKind::CreateTable) return false;
  return HasNonAscii(t.table) || NamesBeyondAscii(t.sql) || NamesBeyondAscii(t.rowidSql) ||
         NamesBeyondAscii(t.selectSql);
}

StoredNames::StoredNames(Connection& connection) {
  // A schema that cannot be read (a linked file gone missing) has no names
  // to offer; the statement then fails on its own, as it would have.
  for (const std::string& schema : Values(connection, "SELECT name FROM pragma_database_list")) {
    const std::string q = QuoteIdentifier(schema);
    const std::string names =
        "SELECT name FROM " + q + ".sqlite_master WHERE type IN ('table', 'view', 'index')";
    const std::string columns = "SELECT DISTINCT p.name FROM " + q +
                                ".sqlite_master AS m, pragma_table_info(m.name, '" + schema +
                                "') AS p WHERE m.type IN ('table', 'view')";
    for (const std::string& sql : {names, columns}) {
      for (std::string& name : Values(connection, sql)) {
        if (!HasNonAscii(name)) continue;
        auto& spellings = byFolded_[TextCase::Fold(name)];
        if (std::find(spellings.begin(), spellings.end(), name) == spellings.end()) {
          spellings.push_back(std::move(name));
        }
      }
    }
  }
}

std::optional<std::string> StoredNames::Find(std::string_view name) const {
  auto it = byFolded_.find(TextCase::Fold(name));
  if (it == byFolded_.end()) return std::nullopt;
  // A spelling SQLite matches itself is the one meant.
  for (const std::string& s : it->second) {
    if (s.size() == name.size() &&
        sqlite3_strnicmp(s.c_str(), name.data(), static_cast<int>(name.size())) == 0) {
      return s;
    }
  }
  return it->second.front();
}

TranslatedStatement StoredNames::Resolve(const TranslatedStatement& t) const {
  TranslatedStatement r = t;
  r.sql = ResolveSql(t.sql);
  r.rowidSql = ResolveSql(t.rowidSql);
  r.selectSql = ResolveSql(t.selectSql);
  if (auto stored = Find(t.table)) r.table = *stored;
  return r;
}

std::string StoredNames::ResolveSql(std::string_view sql) const {
  std::string out;
  out.reserve(sql.size());
  for (std::size_t i = 0; i < sql.size(); ++i) {
    if (sql[i] != '"' && sql[i] != '\'') {
      out += sql[i];
      continue;
    }
    const std::size_t end = QuotedEnd(sql, i);
    const std::string_view inner = sql.substr(i + 1, end > i ? end - i - 1 : 0);
    std::optional<std::string> stored;
    if (sql[i] == '"' && HasNonAscii(inner)) stored = Find(Unquoted(inner));
    if (stored) {
      out += QuoteIdentifier(*stored);
    } else {
      out += sql.substr(i, end < sql.size() ? end - i + 1 : end - i);
    }
    i = end;
  }
  return out;
}

}  // namespace dao
