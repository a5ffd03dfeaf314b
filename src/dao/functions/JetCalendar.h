/*
** JetCalendar: the weeks and the Spanish names that DatePart, Weekday,
** WeekdayName, MonthName and Format share.
**
** Days are counted on a straight line from serial 0 (a Saturday), see
** DayOf. First day of the week: 1 Sunday .. 7 Saturday. First week of the
** year: 1 the week of 1 January, 2 the first week with four days of the
** year, 3 the first full week.
*/
#pragma once

#include <string>

namespace dao {

class JetCalendar {
 public:
  // The day (whole days from serial 0, counting back before it) of a serial.
  static long long DayOf(double serial);
  // 1 .. 7 counted from firstDay.
  static int WeekdayOf(long long day, int firstDay);
  // The first day of the week that holds `day`.
  static long long WeekStart(long long day, int firstDay);
  // The week of the year of a day of `year`. A day before week 1 is in the
  // last week of the year before; under rules 2 and 3 a day on or after the
  // next year's week 1 is in week 1.
  static int WeekOfYear(long long day, int year, int firstDay, int rule);

  // Lower-case names; the abbreviation is the first three letters.
  static std::string MonthName(int month, bool abbreviate);
  static std::string DayName(int sundayFirst, bool abbreviate);  // 1 domingo .. 7 sábado
};

}  // namespace dao
