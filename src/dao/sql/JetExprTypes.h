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
** Functions: the date functions that return a moment (Date, Now, Time,
** DateAdd, DateSerial, DateValue, TimeSerial, TimeValue, CDate) give Date;
** each C... conversion its own type; the date parts and Asc, Sgn and
** StrComp Integer; Len, InStr, InStrRev and DateDiff Long; Val Double;
** IsNumeric and IsDate Yes/No.
** Aggregates: Count gives Long; Min, Max, First and Last the type of their
** argument; Sum and Avg keep Currency and Date and give Double for other
** numbers, so a sum of Long never overflows. Int, Fix, Abs and CVar keep
** their argument's type; IIf gives its branches' type when both agree.
**
** A Date reaches a text function or & as the regional text of the date:
** TextArguments names, for each function, the arguments read as text
** (IsNumeric's too, so that a Date is no number, and Format's value when no
** pattern is given).
*/
#pragma once

#include <functional>
#include <string_view>

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

  // Whether a function's result type depends on its arguments' types; the
  // caller then gives them to FunctionResult.
  static bool FollowsArguments(std::string_view function);
  // `argument(i)` gives the type of argument i, or kNull for the Null
  // literal; called only when FollowsArguments.
  static constexpr int kNull = -1;
  static int FunctionResult(std::string_view function, int count,
                            const std::function<int(int)>& argument);

  // Bit i set: argument i of the function is read as text.
  static unsigned TextArguments(std::string_view function, int count);

  static bool IsText(int type);
};

}  // namespace dao
