/*
** JetExprTypes: the Jet type of an expression's result, as Jet types its
** expressions, from the types of its operands (JetTypes.h numbers; 0 is
** "unknown": the value's own kind decides when it is read, a whole number
** as Long, any other number as Double, text as String).
**
** Operators (the operand classes: whole = Yes/No, Byte, Integer, Long;
** float = Single, Double):
**   + -     a Date with a number gives a Date (Alta + 1, Alta - 7, 1 + Alta);
**           Date - Date gives the Double of days between; Date + an
**           operand of unknown type stays a Date. Currency with a whole
**           number or Currency gives Currency, with a float Double; float
**           with any number Double; two whole numbers stay unknown (Long
**           while they fit, as they are read).
**   *       Currency with a whole number or Currency gives Currency; a float
**           or a Date with any number gives Double.
**   / ^     Double for any two numbers.
**   unary - keeps a Date, Currency or float type.
**   & and text functions give Text.
** Functions: each function's row in the catalogue (JetFunctionCatalog.h)
** gives its rule: a fixed type (the date functions that return a moment
** give Date, each C... conversion its own type, the date parts Integer, Len
** and DateDiff Long, ...), or one that follows the arguments: Min, Max,
** First, Last and CVar the type of their argument; Sum and Avg keep
** Currency and Date and give Double for other numbers, so a sum of Long
** never overflows; Int, Fix and Abs keep a number's type; IIf gives its
** branches' type when both agree.
**
** A Date reaches a text function or & as the regional text of the date: the
** row names the arguments read as text (IsNumeric's too, so that a Date is
** no number, and Format's value when no pattern is given).
*/
#pragma once

#include <functional>
#include <string_view>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

class JetExprTypes {
 public:
  // The type of a number literal: Long for a whole one, else Double.
  static int NumberLiteral(std::string_view text);

  // `op` is one of + - * / ^.
  static int Arithmetic(char op, int left, int right);
  // Whether + - * of these operands work in exact decimal: one is a
  // decimal column's and the other no date or text. A float on the other
  // side is read as the decimal it shows, so the result is the double
  // nearest the exact one, never worse than floating point.
  static bool IsDecimalArithmetic(int left, int right);
  static int Negated(int operand);

  // `argument(i)` gives the type of argument i, or kNull for the Null
  // literal; asked only when the function's rule follows its arguments.
  static constexpr int kNull = -1;
  static int FunctionResult(const JetFunction& function, int count,
                            const std::function<int(int)>& argument);

  static bool IsText(int type);
};

}  // namespace dao
