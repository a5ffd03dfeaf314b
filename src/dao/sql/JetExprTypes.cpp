/*
** Jet's typing of expressions. See JetExprTypes.h.
**
** Function names arrive as the function tables spell them, so they are
** compared exactly.
*/
#include "dao/sql/JetExprTypes.h"

#include <algorithm>
#include <utility>

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

// Functions whose result type is fixed.
constexpr std::pair<std::string_view, int> kResults[] = {
    {"Date", dbDate},       {"Now", dbDate},        {"Time", dbDate},         {"DateAdd", dbDate},
    {"DateSerial", dbDate}, {"DateValue", dbDate},  {"TimeSerial", dbDate},   {"TimeValue", dbDate},
    {"CDate", dbDate},      {"CVDate", dbDate},     {"CCur", dbCurrency},     {"CLng", dbLong},
    {"CInt", dbInteger},    {"CByte", dbByte},      {"CBool", dbBoolean},     {"CSng", dbSingle},
    {"CDbl", dbDouble},     {"Val", dbDouble},      {"Count", dbLong},        {"Year", dbInteger},
    {"Month", dbInteger},   {"Day", dbInteger},     {"Hour", dbInteger},      {"Minute", dbInteger},
    {"Second", dbInteger},  {"Weekday", dbInteger}, {"DatePart", dbInteger},  {"Asc", dbInteger},
    {"Sgn", dbInteger},     {"StrComp", dbInteger}, {"Len", dbLong},          {"InStr", dbLong},
    {"InStrRev", dbLong},   {"DateDiff", dbLong},   {"CStr", dbText},         {"Left", dbText},
    {"Right", dbText},      {"Mid", dbText},        {"UCase", dbText},        {"LCase", dbText},
    {"Trim", dbText},       {"LTrim", dbText},      {"RTrim", dbText},        {"Replace", dbText},
    {"StrReverse", dbText}, {"Format", dbText},     {"IsNumeric", dbBoolean}, {"IsDate", dbBoolean},
};

// Text results beyond the table above.
constexpr std::string_view kTextResults[] = {
    "Str", "String", "Space", "Chr", "StrConv", "WeekdayName", "MonthName",
};

// Functions whose first argument only is read as text.
// IsNumeric among them: a Date's text is no number, as Jet answers.
constexpr std::string_view kFirstText[] = {
    "Left", "Right", "Mid", "UCase",   "LCase", "Trim",       "LTrim",     "RTrim",
    "Len",  "CStr",  "Val", "StrConv", "Asc",   "StrReverse", "IsNumeric",
};

}  // namespace

bool JetExprTypes::IsText(int type) {
  return type == dbText || type == dbMemo;
}

int JetExprTypes::NumberLiteral(std::string_view text) {
  return text.find_first_of(".eE") == std::string_view::npos ? dbLong : dbDouble;
}

int JetExprTypes::Arithmetic(char op, int left, int right) {
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
  return operand == dbDate || operand == dbCurrency || IsFloat(operand) ? operand : 0;
}

bool JetExprTypes::FollowsArguments(std::string_view f) {
  return f == "Min" || f == "Max" || f == "First" || f == "Last" || f == "Sum" || f == "Avg" ||
         f == "Int" || f == "Fix" || f == "Abs" || f == "CVar" || f == "IIf";
}

int JetExprTypes::FunctionResult(std::string_view f, int count,
                                 const std::function<int(int)>& argument) {
  for (const auto& [name, type] : kResults) {
    if (name == f) return type;
  }
  for (std::string_view name : kTextResults) {
    if (name == f) return dbText;
  }
  if (!FollowsArguments(f) || count == 0) return 0;
  if (f == "IIf") {
    // A Null branch takes the other's type: IIf(c, Null, Alta) is a Date.
    const int a = argument(1);
    const int b = argument(2);
    if (a == kNull) return b == kNull ? 0 : b;
    if (b == kNull) return a;
    return a == b ? a : 0;
  }
  const int t = std::max(argument(0), 0);
  if (f == "Sum" || f == "Avg") {
    if (t == dbCurrency || t == dbDate) return t;
    return IsNumber(t) ? dbDouble : 0;
  }
  // Yes/No's -1 comes out of Int, Fix and Abs as a number, not a truth.
  if (f == "Int" || f == "Fix" || f == "Abs") {
    if (t == dbBoolean) return dbInteger;
    return IsNumber(t) ? t : 0;
  }
  return t;
}

unsigned JetExprTypes::TextArguments(std::string_view f, int count) {
  for (std::string_view name : kFirstText) {
    if (name == f) return 1u;
  }
  // InStr([start,] text, sought [, compare]): with three or four
  // arguments the first is the start.
  if (f == "InStr") return count >= 3 ? 6u : 3u;
  if (f == "InStrRev" || f == "StrComp") return 3u;
  if (f == "Replace") return 7u;
  // Format without a pattern writes a Date as General Date does; with one,
  // the pattern reads the date itself.
  if (f == "Format") return count == 1 ? 1u : 0u;
  return 0;
}

}  // namespace dao
