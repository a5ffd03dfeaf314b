/*
** JetScope: the sources of one SELECT (or of the table an UPDATE or DELETE
** writes) as its expressions see them, so that a column reference can be
** given its Jet type.
**
** A source is a table, named by its alias or its own name, or a derived
** table (SELECT ...) AS a, whose output columns carry the types its items
** were given. An unqualified name is looked for in each source in order; a
** qualified one in the source of that name. A name found in none is looked
** for in the enclosing query's scope (a correlated subquery), and is of
** unknown type (0) when no scope knows it; its expression then keeps the
** type its value has when it runs, as before typing existed.
**
** A table's columns are asked of the schema the scope was given (none: of
** unknown type); `tables = false` asks derived tables only, for a caller
** that reads the table's declared type from SQLite itself.
*/
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dao/sql/TranslatedStatement.h"

namespace dao {

class JetSchema;

class JetScope {
 public:
  explicit JetScope(JetSchema* schema = nullptr, const JetScope* outer = nullptr)
      : schema_(schema), outer_(outer) {}

  void AddTable(std::string name, std::string table);
  void AddDerived(std::string name, std::vector<JetOutputColumn> columns);

  int TypeOf(const std::string& qualifier, const std::string& column, bool tables = true) const;

  // The typed columns of the derived tables that `*` (empty qualifier) or
  // `q.*` brings into a query's output.
  void AppendDerivedColumns(const std::string& qualifier, std::vector<JetOutputColumn>& out) const;

 private:
  struct Source {
    std::string name;   // alias, or the table as written
    std::string table;  // empty for a derived table
    std::vector<JetOutputColumn> columns;
  };

  // The column's type in one source; `found` tells a known column of
  // unknown type from an absent one.
  int TypeIn(const Source& source, const std::string& column, bool tables, bool& found) const;

  JetSchema* schema_;
  const JetScope* outer_;
  std::vector<Source> sources_;
};

}  // namespace dao
