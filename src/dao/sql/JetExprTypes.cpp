/*
** Jet's typing of expressions. See JetExprTypes.h.
*/
#include "dao/sql/JetExprTypes.h"

#include <algorithm>

#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

bool IsWhole(int t) {
  return t == dbBoolean || t == dbByte || t == dbInteger || t == dbLong;
}

bool IsFloat(int t) {
  return t == dbSingle || t == dbDouble;
}

bool IsNumber(int t) {
  return IsWhole(t) || IsFloat(t) || t == dbCurrency || t == dbDate;
}

}  // namespace

bool JetExprTypes::IsText(int type) {
  return type == dbText || type == dbMemo;
}

int JetExprTypes::NumberLiteral(std::string_view text) {
  return text.find_first_of(".eE") == std::string_view::npos ? dbLong : dbDouble;
}

int JetExprTypes::Arithmetic(char op, int left, int right) {
  // A text operand is read as a Double (two texts joined by + are typed by
  // the translator).
  if (IsText(left)) left = dbDouble;
  if (IsText(right)) right = dbDouble;
  const bool numbers = IsNumber(left) && IsNumber(right);
  switch (op) {
    case '+':
    case '-': {
      if (left == dbDate || right == dbDate) {
        if (op == '-' && left == dbDate && right == dbDate) return dbDouble;
        if (numbers) return dbDate;
        // Alta + x with x of unknown type: a number added to a date.
        if (op == '+' && (left == 0 || right == 0)) return dbDate;
        return 0;
      }
      if (!numbers) return 0;
      if (left == dbCurrency || right == dbCurrency) {
        return IsFloat(left) || IsFloat(right) ? dbDouble : dbCurrency;
      }
      return IsFloat(left) || IsFloat(right) ? dbDouble : 0;
    }
    case '*':
      if (!numbers) return 0;
      if (left == dbDate || right == dbDate || IsFloat(left) || IsFloat(right)) return dbDouble;
      if (left == dbCurrency || right == dbCurrency) return dbCurrency;
      return 0;
    case '/':
    case '^':
      return numbers ? dbDouble : 0;
    default:
      return 0;
  }
}

bool JetExprTypes::IsDecimalArithmetic(int left, int right) {
  if (left != dbDecimal && right != dbDecimal) return false;
  const int other = left == dbDecimal ? right : left;
  return other != dbDate && !IsText(other);
}

int JetExprTypes::Negated(int operand) {
  if (IsText(operand)) return dbDouble;
  return operand == dbDate || operand == dbCurrency || IsFloat(operand) ? operand : 0;
}

int JetExprTypes::FunctionResult(const JetFunction& f, int count,
                                 const std::function<int(int)>& argument) {
  if (f.rule == JetResultRule::Fixed) return f.type;
  if (count == 0) return 0;
  if (f.rule == JetResultRule::Branches) {
    // A Null branch takes the other's type: IIf(c, Null, Alta) is a Date.
    const int a = argument(1);
    const int b = argument(2);
    if (a == kNull) return b == kNull ? 0 : b;
    if (b == kNull) return a;
    return a == b ? a : 0;
  }
  const int t = std::max(argument(0), 0);
  switch (f.rule) {
    case JetResultRule::Total:
      if (t == dbCurrency || t == dbDate) return t;
      return IsNumber(t) ? dbDouble : 0;
    case JetResultRule::Numeric:
      // Yes/No's -1 comes out of Int, Fix and Abs as a number, not a truth.
      if (t == dbBoolean) return dbInteger;
      return IsNumber(t) ? t : 0;
    default:
      return t;
  }
}

}  // namespace dao
