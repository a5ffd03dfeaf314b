/*
** JetDateSerial: dates as the engine stores them, a day serial.
**
** A serial counts days from 30 December 1899 midnight; its fraction is the
** time of day. Before that day the whole part goes negative while the time
** keeps counting forward from midnight: -1.25 is 29 December 1899 06:00,
** as the original engine encodes it.
**
** Literal forms accepted between the # signs of a Jet date literal:
**   m/d/yyyy, m-d-yyyy  (month first; when the first number cannot be a
**                        month and the second can, they are swapped)
**   yyyy-m-d, yyyy/m/d
**   yy                  two-digit years: 00-29 are 2000-2029, 30-99 1930-1999
**   h:nn[:ss] [AM|PM]   after the date, or alone (a time of day of day 0);
**                       12 AM is midnight, PM adds 12 to hours 0-11, and
**                       an hour of 13-23 keeps its value under either
**                       marker ("22:34 AM" is 22:34)
** Years run from 100 to 9999.
*/
#pragma once

#include <optional>
#include <string_view>

#include "common/DateSerial.h"

namespace dao {

// A date and time, as the calendar of common/DateSerial.h splits it.
using JetDateParts = DateSerial::Parts;

class JetDateSerial {
 public:
  // The serial of a date and time; the parts must be valid.
  static double FromParts(const JetDateParts& parts);

  // The date and time of a serial, to the nearest second.
  static JetDateParts ToParts(double serial);

  // The serial of the text between the # signs of a literal; nullopt when
  // the text is no valid date.
  static std::optional<double> FromLiteral(std::string_view text);

  // The local date and time now, as a serial.
  static double Now();

  // Whether a number is a serial of the calendar: 1 January 100 to
  // 31 December 9999.
  static bool InCalendar(double serial);

  // Whole seconds since serial 0 on a straight time line (the negative-day
  // encoding undone), and back; nullopt when the moment lies outside the
  // calendar.
  static long long LinearSeconds(double serial);
  static std::optional<double> FromLinearSeconds(long long seconds);
};

}  // namespace dao
