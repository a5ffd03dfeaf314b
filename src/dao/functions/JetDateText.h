/*
** JetDateText: dates read from texts and written as texts, the one way the
** run time does both (every conversion, date function and comparison of a
** text with a Date), as Access does under the regional settings.
**
** Reading (Read) takes a date, a time, or a date followed by a time:
**   date   three numbers in the regional order (day, month, year here)
**          separated by "/", "-" or "."; year first when the first number
**          has three or four digits ("2003-01-02"); when the month read is
**          no month but the day would be one, the two are swapped
**          ("01/13/2003" is 13 January). Two numbers are a day and a month
**          of the current year ("2/1"), or a month and a year when one of
**          them cannot be a day ("1/2003": 1 January 2003). A month may be
**          named, in Spanish or English, whole or by its first three
**          letters ("2 de enero de 2003", "2-ene-03", "Jan 2, 2003"); a
**          weekday's name before it is ignored.
**   time   h:mm or h:mm:ss, and an hour alone before AM or PM ("7 PM");
**          AM/PM, A/P and a.m./p.m. in either case move the hours of a
**          twelve-hour clock (12 AM is midnight, 7 PM is 19:00); a time
**          alone is a time of day 0.
** Years of one or two digits are completed by the regional window (00-29
** are 2000-2029); days must exist in their month.
**
** Writing: Write is the general form a Date takes as a text (CStr, &, the
** General Date format): the short date, the long time after it when there
** is a time of day, and the time alone when the date is day 0 (so midnight
** of day 0 is "00:00:00"). The long time is hh:mm:ss on a 24-hour clock.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dao {

class JetDateText {
 public:
  static std::optional<double> Read(std::string_view text);

  static std::string Write(double serial);
  static std::string LongTime(double serial);
};

}  // namespace dao
