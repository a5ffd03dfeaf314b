/*
** JetNumberText: texts read as numbers and numbers written as texts, the
** one way the run time converts between them (every function, every
** operator), as Access does under the regional settings.
**
** Reading (Read):
**   - blanks (spaces, tabs, line ends) may lead and trail;
**   - "&H" and hexadecimal digits, "&O" (or "&" alone) and octal digits:
**     a value that fits 16 bits is a signed Integer ("&HFFFF" is -1), one
**     that fits 32 bits a signed Long ("&HFFFFFFFF" is -1); more is no
**     number;
**   - otherwise the regional form of NumericText ("1.234,5", "2,5", "12-",
**     "1E+15": "," before the decimals, "." between groups anywhere), with
**     a leading "+" or a currency sign ("$", "-$ 5") allowed, and a number
**     in parentheses negative ("(5)" is -5).
** So "2.5" is 25, as Access reads it under these settings, and "abc" is no
** number: every caller turns that into a type mismatch.
**
** Writing (Write): the regional decimal separator, no grouping, at most
** `digits` significant digits (15 for a Double, 7 for a Single), no
** trailing zeros. A number below 1E-4 in magnitude, or of `digits` integer
** digits or more, is written in exponent form with a signed exponent of at
** least two digits: "1E+15", "2,342342133E-07", "1E-05". Whole numbers
** that fit 64 bits are written exactly by their callers.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dao {

class JetNumberText {
 public:
  static std::optional<double> Read(std::string_view text);

  static constexpr int kDoubleDigits = 15;
  static constexpr int kSingleDigits = 7;

  // The regional text of a number; `decimalPoint` replaces the regional
  // separator when given (Str writes ".").
  static std::string Write(double value, int digits = kDoubleDigits,
                           std::string_view decimalPoint = {});
};

}  // namespace dao
