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
*/
#pragma once

#include <string>

#include "dao/JetTokenCursor.h"

namespace dao {

struct JetSelect {
  std::string sql;
  // One table, no join, grouping, DISTINCT, TOP, aggregate or union.
  bool updatable = false;
  std::string table;     // updatable: the table as written
  std::string rowidSql;  // updatable: sql with the rowid as first column
};

class JetSelectParser {
 public:
  // Output name of the rowid column that rowidSql adds.
  static constexpr const char* kRowidColumn = "__rowid__";

  explicit JetSelectParser(JetTokenCursor& cursor) : cursor_(cursor) {}

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

  JetTokenCursor& cursor_;
};

}  // namespace dao
