/*
** StoredNames: the names a database stores (tables, views, indexes and
** their columns, in every attached schema), found the way the engine
** matches names.
**
** SQLite folds only ASCII letters when it matches a name; the engine folds
** every letter TextCase folds, so that "SITUACIÓN" names the table
** Situación and "AÑO" the column Año. Before SQLite sees a statement, each
** "quoted" name in it that SQLite would not match, but that equals a stored
** name under TextCase, is written with the stored spelling. A name SQLite
** matches already stays as written; one that matches nothing stays too, and
** SQLite reports it as before.
**
** Only names holding a letter beyond ASCII can need this: a statement
** without one is returned as it is and the schema is not read.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dao/sql/TranslatedStatement.h"

namespace dao {

class Connection;

class StoredNames {
 public:
  // Whether a translated statement names anything beyond ASCII. A CREATE
  // TABLE never does: the names it creates keep the spelling written.
  static bool MayNeedResolving(const TranslatedStatement& statement);

  // Reads the stored names of every schema of the connection.
  explicit StoredNames(Connection& connection);

  // The stored spelling of a name, if one equals it under TextCase.
  std::optional<std::string> Find(std::string_view name) const;

  // The statement with its "quoted" names, and the table it reads or
  // writes, spelled as stored.
  TranslatedStatement Resolve(const TranslatedStatement& statement) const;

 private:
  std::string ResolveSql(std::string_view sql) const;

  std::unordered_map<std::string, std::vector<std::string>> byFolded_;
};

}  // namespace dao
