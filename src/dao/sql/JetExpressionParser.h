/*
** JetExpressionParser: translates one Jet expression into SQLite.
**
** Jet's precedence, from the tightest: unary - (so -10^2 is 100, as Access
** SQL reads it), ^, * and /, \, Mod, + and -, &, the comparisons (= <> < >
** <= >= LIKE, IS [NOT] NULL, [NOT] BETWEEN, [NOT] IN), NOT, AND, OR, XOR,
** EQV, IMP. The output is fully parenthesised, so SQLite's own precedence
** never decides anything.
**
** Texts in arithmetic: Jet reads a text operand as a number the one way
** its run time does (regional, "&H"), and a text that is none is a type
** mismatch. Where an operand of + - * or unary - may hold a text (a text
** literal or column, a value typed only when it runs), the operator is
** written as a run-time function (jet_add, jet_sub, jet_mul, jet_neg); two
** known numbers keep SQLite's own operators. x BETWEEN a AND b holds
** whichever bound is the larger, as in Jet: bounds known now are put in
** order, others go through min() and max().
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
**
** Types: each expression carries its Jet type as JetExprTypes gives it; a
** column reference takes its column's type from the scope, asked only where
** the type matters. Where the type changes what SQLite must do, the
** translation says so: a Date read as text (an operand of &, a text
** argument of a function, the left side of LIKE) goes through
** jet_datetext; a text compared with a Date (=, <>, <, >, <=, >=, BETWEEN,
** IN) goes through jet_textdate and the two compare as dates.
*/
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dao/sql/JetScope.h"
#include "dao/sql/JetTokenCursor.h"

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
  int type = 0;           // the Jet type (JetTypes.h); 0 unknown or, for a Column, not yet asked
  bool numeric = false;   // known to be no text, though its type is unknown (n + 1)
};

class JetExpressionParser {
 public:
  // Parses a subquery whose SELECT keyword is the current token and returns
  // its SQLite text.
  using SubqueryParser = std::function<std::string(JetTokenCursor&)>;

  // `scope` types the column references; none: every column is of unknown
  // type.
  JetExpressionParser(JetTokenCursor& cursor, SubqueryParser subquery,
                      const JetScope* scope = nullptr);

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

  // The Jet type of an expression, asking the scope for a column's.
  int TypeOf(JetExpr& e);

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
  JetExpr ParsePower();
  JetExpr ParseUnary();
  JetExpr ParseAtom();
  JetExpr ParseFunction(const std::string& name);
  JetExpr ParseColumn();
  std::vector<JetExpr> ParseArguments();

  // A logical operator level whose operators become functions (XOR, EQV,
  // IMP); `next` parses the level above.
  JetExpr ParseLogicalFunction(std::string_view keyword, const char* function,
                               JetExpr (JetExpressionParser::*next)());
  // A level of OR or AND: flat when short, else as a balanced tree.
  JetExpr ParseBalanced(std::string_view keyword, JetExpr (JetExpressionParser::*next)());

  [[noreturn]] void Fail() const;

  // In a comparison of `a` with `b`: 1 when `a` is a text to be read as a
  // date, since `b` is a Date; 2 for `b`; 0 when neither.
  int TextAgainstDate(JetExpr& a, JetExpr& b);
  // The same for a text compared with a number: the text is read as a
  // number, and one that is none is a type mismatch, as in Access.
  int TextAgainstNumber(JetExpr& a, JetExpr& b);
  // The SQL of an operand read as text.
  std::string TextOperand(JetExpr& e);
  // Whether an operand of arithmetic may hold a text when it runs: SQLite
  // would read a text as a number its own way ("1,5" as 1, "abc" as 0).
  bool MayBeText(JetExpr& e);
  // The bounds of BETWEEN in ascending order when both are known now.
  bool Reversed(const JetExpr& low, const JetExpr& high) const;

  JetTokenCursor& cursor_;
  SubqueryParser subquery_;
  const JetScope* scope_;
  std::size_t start_ = 0;
  int contextNumber_ = 0;
  std::string contextWhat_;
  bool sawAggregate_ = false;
};

}  // namespace dao
