/*
** JetExpressionParser: translates one Jet expression into SQLite.
**
** Jet's precedence, from the tightest: ^, unary -, * and /, \, Mod, + and -,
** &, the comparisons (= <> < > <= >= LIKE, IS [NOT] NULL, [NOT] BETWEEN,
** [NOT] IN), NOT, AND, OR, XOR, EQV, IMP. The output is fully parenthesised,
** so SQLite's own precedence never decides anything.
**
** Truth values: a comparison yields SQLite's 1 / 0, Jet's True is -1. Where
** a truth value is used as a value (a select item, an operand of arithmetic,
** a function argument, an assigned value) it is written as -(x), so that it
** reads -1 / 0 as in Jet. In a condition (WHERE, ON, HAVING, the operands of
** AND / OR / NOT, the first argument of IIf) it stays as it is; any non-zero
** value counts as true there, as in Jet.
**
** Text comparisons ignore case: a column of text carries the JET collation
** from its declaration, and a comparison in which neither side is a column
** or a number literal gets COLLATE JET explicitly. A comparison with a
** column therefore keeps the column's own collation, and an index on it
** stays usable.
**
** Names become "double-quoted" identifiers spelled as written; text literals
** become 'single-quoted' with their content intact.
*/
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dao/JetTokenCursor.h"

namespace dao {

enum class JetExprKind {
  Value,   // anything whose type is known only when it runs
  Truth,   // a comparison or logical result: 1 / 0 / NULL in SQLite
  Text,    // known to be text: a literal, &, a text function
  Number,  // a numeric or date literal
  Column,  // a plain column reference
};

struct JetExpr {
  std::string sql;
  JetExprKind kind = JetExprKind::Value;
  std::string column;     // Column: the column name as written
  std::string qualifier;  // Column: the table or alias before the dot, if any
};

class JetExpressionParser {
 public:
  // Parses a subquery whose SELECT keyword is the current token and returns
  // its SQLite text.
  using SubqueryParser = std::function<std::string(JetTokenCursor&)>;

  JetExpressionParser(JetTokenCursor& cursor, SubqueryParser subquery);

  // Parses one expression. When not even its first token can start one, the
  // caller's error is raised (`number`, `what`); a fault further in raises
  // 3075 naming the expression.
  JetExpr Parse(int number, std::string_view what);

  // Parse, then the SQL for a condition or for a value.
  std::string ParseCondition(int number, std::string_view what);
  std::string ParseValue(int number, std::string_view what);

  // Raises 3075 for the expression last parsed: the caller found a token
  // that cannot follow it.
  [[noreturn]] void FailAfter() const;

  // True once an aggregate function (Count, Sum, ...) has been parsed.
  bool SawAggregate() const { return sawAggregate_; }

  // The SQL of an expression used as a value: a truth value reads -1 / 0.
  static std::string AsValue(const JetExpr& e);

  static std::string QuoteName(std::string_view name);
  static std::string QuoteText(std::string_view text);

 private:
  JetExpr ParseImp();
  JetExpr ParseEqv();
  JetExpr ParseXor();
  JetExpr ParseOr();
  JetExpr ParseAnd();
  JetExpr ParseNot();
  JetExpr ParseComparison();
  JetExpr ParseConcat();
  JetExpr ParseAdditive();
  JetExpr ParseMod();
  JetExpr ParseIntegerDivision();
  JetExpr ParseMultiplicative();
  JetExpr ParseUnary();
  JetExpr ParsePower();
  JetExpr ParseAtom();
  JetExpr ParseFunction(const std::string& name);
  JetExpr ParseColumn();
  std::vector<JetExpr> ParseArguments();

  // A logical operator level whose operators become functions (XOR, EQV,
  // IMP); `next` parses the level above.
  JetExpr ParseLogicalFunction(std::string_view keyword, const char* function,
                               JetExpr (JetExpressionParser::*next)());

  [[noreturn]] void Fail() const;

  JetTokenCursor& cursor_;
  SubqueryParser subquery_;
  std::size_t start_ = 0;
  int contextNumber_ = 0;
  std::string contextWhat_;
  bool sawAggregate_ = false;
};

}  // namespace dao
