/*
** ValueFormat: the regional text forms of numbers and dates.
**
** Number patterns are made of "0", "#", "," and "." only:
**   "."  the decimal separator; the placeholders after it give the decimals,
**        "0" always shown, "#" shown when not zero;
**   ","  anywhere in the integer part: group the digits by three;
**   "0"  in the integer part: from the first "0" on, every placeholder shows
**        a digit ("0#" writes at least two digits, "0000000000#####" fifteen);
**        "#" before it shows only the digits the number has.
** Rounding is half away from zero on the number's shortest decimal form, so
** 1.005 written with two decimals is 1.01, as a user reading 1.005 expects,
** and not 1.00 as its binary neighbour would give. A result that rounds to
** zero carries no "-". The separators written are the regional ones.
**
** Date patterns: "d"/"dd" day, "m"/"mm" month, "yy"/"yyyy" year (letters in
** either case), "/" the regional date separator, anything else as written.
**
** ToText is the regional conversion of any value to text, the one the
** helpers use wherever a value is taken "as text": numbers with the regional
** decimal separator and no grouping (1234,5), dates in the regional short
** form with the time when there is one, Booleans as "Verdadero"/"Falso",
** Empty as "". Null raises AppError 94.
*/
#pragma once

#include <string>
#include <string_view>

#include "common/RegionalSettings.h"
#include "common/Variant.h"

class ValueFormat {
 public:
  // Raises AppError 5 for a pattern with other characters.
  static std::string FormatNumber(double value, std::string_view pattern,
                                  const RegionalSettings& rs = RegionalSettings::Current());
  static std::string FormatDate(double serial, std::string_view pattern,
                                const RegionalSettings& rs = RegionalSettings::Current());
  // The short date of the regional settings (dd/mm/yyyy under the required ones).
  static std::string ShortDate(double serial,
                               const RegionalSettings& rs = RegionalSettings::Current());
  static std::string ToText(const Variant& value,
                            const RegionalSettings& rs = RegionalSettings::Current());
};
