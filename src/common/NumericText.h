/*
** NumericText: whether a text is a number under the regional settings, and
** its value.
**
** One rule serves the whole library, the entry boxes as well as the checks:
**   - blanks (spaces) may lead and trail;
**   - one "-" may stand first or last ("12-" is minus twelve), not both;
**   - the integer part is digits among which the group separator may stand
**     anywhere ("1.2.3" is 123: group sizes are not checked);
**   - at most one decimal separator, with only digits after it ("12," and
**     ",5" are numbers);
**   - at least one digit;
**   - after the digits, an exponent "E" (or "e"), an optional sign and
**     digits: the text form of a very large or very small number ("1E+15")
**     must read back.
** Nothing else is a number: no leading "+", no blanks inside, no currency
** sign. The value reads the decimal separator as the decimal point
** and ignores the group separators; a text whose value does not fit a double
** is no number.
**
** For variants: Boolean, Integer, Long, Currency and Double values are
** numbers; a String is one when its text is; Empty, Null and Date are not
** (a date is a point in time, not an amount). ToDouble still converts a Date
** to its serial and Empty to 0, as the run time does.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/RegionalSettings.h"
#include "common/Variant.h"

class NumericText {
 public:
  static std::optional<double> Parse(std::string_view text,
                                     const RegionalSettings& rs = RegionalSettings::Current());
  static bool IsNumeric(std::string_view text,
                        const RegionalSettings& rs = RegionalSettings::Current()) {
    return Parse(text, rs).has_value();
  }
  // The value of a numeric text; raises AppError 13 for any other text.
  static double ToDouble(std::string_view text,
                         const RegionalSettings& rs = RegionalSettings::Current());
  // Texts convert to both std::string_view and Variant: these say which.
  static bool IsNumeric(const std::string& text,
                        const RegionalSettings& rs = RegionalSettings::Current()) {
    return IsNumeric(std::string_view(text), rs);
  }
  static bool IsNumeric(const char* text,
                        const RegionalSettings& rs = RegionalSettings::Current()) {
    return IsNumeric(std::string_view(text), rs);
  }
  static double ToDouble(const std::string& text,
                         const RegionalSettings& rs = RegionalSettings::Current()) {
    return ToDouble(std::string_view(text), rs);
  }
  static double ToDouble(const char* text,
                         const RegionalSettings& rs = RegionalSettings::Current()) {
    return ToDouble(std::string_view(text), rs);
  }

  static bool IsNumeric(const Variant& value,
                        const RegionalSettings& rs = RegionalSettings::Current());
  // Raises AppError 13 for a non-numeric text, 94 for Null.
  static double ToDouble(const Variant& value,
                         const RegionalSettings& rs = RegionalSettings::Current());
};
