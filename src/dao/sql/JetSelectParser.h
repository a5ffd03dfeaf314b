/*
** JetSelectParser: translates a Jet SELECT, with its UNIONs, into SQLite.
**
**   SELECT [ALL | DISTINCT | DISTINCTROW] [TOP n] items
**     [FROM sources] [WHERE c] [GROUP BY e, ...] [HAVING c]
**     [UNION [ALL] SELECT ...] [ORDER BY e [ASC | DESC], ...]
**
** Sources: tables with an alias (AS a, or just a), (SELECT ...) AS a,
** INNER / LEFT [OUTER] / RIGHT [OUTER] JOIN ... ON c, parenthesised joins
** as Jet writes them, and comma-separated lists.
**
** Output names, as Jet gives them: every item but * and t.* gets an explicit
** AS: its alias when written; for a column reference its column name
** (C.NombreCampo gives NombreCampo; when two references give the same name,
** each takes its qualified form, C.Version and Ti.Version); otherwise
** Expr1000, Expr1001, ... in the order of the items.
**
** TOP n becomes LIMIT n (without Jet's ties on the last ORDER BY value);
** TOP n PERCENT is refused. DISTINCTROW is dropped. ORDER BY and GROUP BY
** compare text as the JET collation does.
**
** The parser stops at the first token that cannot continue the query: ")"
** of an enclosing subquery, ";" or the end; the caller checks which.
**
** Types: the FROM clause is read before the items (an error of that early
** reading is raised in its turn, after the items, so that errors keep their
** order; the clause is read once, so that the time stays linear in the
** statement however deep derived tables nest), so that the items, WHERE,
** GROUP BY and HAVING see the sources' column types through a JetScope,
** which asks the schema for a table's. The output columns carry the Jet types
** of their items; a plain column reference of the top query is left to
** SQLite's declared type (0 here), unless it comes from a derived table.
*/
#pragma once

#include <string>
#include <vector>

#include "dao/sql/JetSchema.h"
#include "dao/sql/JetScope.h"
#include "dao/sql/JetTokenCursor.h"

namespace dao {

struct JetSelect {
  std::string sql;
  // One table, no join, grouping, DISTINCT, TOP, aggregate or union.
  bool updatable = false;
  std::string table;     // updatable: the table as written
  std::string rowidSql;  // updatable: sql with the rowid as first column
  // The first SELECT's output columns with the types known of them.
  std::vector<JetOutputColumn> outputs;
};

class JetSelectParser {
 public:
  // Output name of the rowid column that rowidSql adds.
  static constexpr const char* kRowidColumn = "__rowid__";

  // `outer`: the scope of the query this one is a subquery of. `typeColumns`:
  // plain column references get their types too (a derived table or a
  // subquery, whose columns SQLite does not type for the enclosing query).
  JetSelectParser(JetTokenCursor& cursor, JetSchema& schema, const JetScope* outer = nullptr,
                  bool typeColumns = false)
      : cursor_(cursor), schema_(schema), outer_(outer), typeColumns_(typeColumns) {}

  // Parses from the SELECT keyword, which must be the current token.
  JetSelect Parse();

 private:
  struct Core;

  Core ParseCore();
  void ParseItems(Core& core);
  void ParseFrom(Core& core);
  std::string ParseSourceTerm(Core& core);
  std::string ParseSourcePrimary(Core& core);
  std::string CoreSql(const Core& core, bool withRowid) const;
  // Moves to the FROM of the current SELECT, if it has one before its end.
  bool FindFrom();

  JetTokenCursor& cursor_;
  JetSchema& schema_;
  const JetScope* outer_;
  bool typeColumns_;
};

}  // namespace dao
