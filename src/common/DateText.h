/*
** DateText: reading a date from text, and whether a value is a date.
**
** A date text is three numbers separated by "/", "-" or the regional date
** separator, read in the regional order (day first under the required
** settings), optionally followed by blanks and a time "h:mm" or "h:mm:ss"
** (24 hours). A text of a time alone is a time of day 0. When the first
** number has three or four digits the text is read year first, whatever the
** regional order ("2005-03-15"). A year of one or two digits is completed as
** the regional settings say; a year of three or four digits stands as
** written. Day and month must exist: "31/02/2005" is no date, and a day-first
** text is never re-read month first when its month exceeds 12.
**
** Not accepted: month names, two-part dates ("15/03"), AM/PM.
**
** For variants: a Date is a date, a String is one when its text is; numbers,
** Empty and Null are not.
*/
#pragma once

#include <optional>
#include <string_view>

#include "common/RegionalSettings.h"
#include "common/Variant.h"

class DateText {
 public:
  // The serial of a date text, or nothing.
  static std::optional<double> Parse(std::string_view text,
                                     const RegionalSettings& rs = RegionalSettings::Current());

  static bool IsDate(const Variant& value,
                     const RegionalSettings& rs = RegionalSettings::Current());
  // The serial of a date value or date text; raises AppError 13 otherwise.
  static double ToDate(const Variant& value,
                       const RegionalSettings& rs = RegionalSettings::Current());
};
