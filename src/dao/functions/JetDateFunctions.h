/*
** JetDateFunctions: Jet's date and time functions.
**
**   Now()  Date()  Time()   the moment, the day, the time of day (on day 0)
**   Year(x)  Month(x)  Day(x)   of a serial, or of a text in the form of a
**                          date literal (JetDateSerial.h)
**   Hour(x)  Minute(x)  Second(x)
**   DateAdd(interval, number, date)
**   DateDiff(interval, date1, date2[, firstdayofweek[, firstweekofyear]])
**   DatePart(interval, date[, firstdayofweek[, firstweekofyear]])
**   DateSerial(y, m, d)   TimeSerial(h, n, s)
**   DateValue(x)          TimeValue(x)
**   Weekday(date[, firstdayofweek])
**   WeekdayName(n[, abbreviate[, firstdayofweek]])
**   MonthName(n[, abbreviate])
**
** Intervals: "yyyy" year, "q" quarter, "m" month, "y" day of year, "d" day,
** "w" weekday, "ww" week, "h" hour, "n" minute, "s" second, in any case;
** any other text is error 5. First day of the week: 1 Sunday .. 7
** Saturday, 0 the regional settings' day (Monday); omitted, Sunday. First
** week of the year: 1 the week of 1 January, 2 the first week with four
** days, 3 the first full week, 0 the regional settings' rule (the week of
** 1 January); omitted, 1.
**
** Null: a Null date gives Null (Year, Month, Day, DateAdd, DateDiff,
** DatePart, Weekday, Hour, Minute, Second); a Null that must build a value
** (DateSerial, TimeSerial, DateValue, TimeValue, the number of DateAdd, the
** names) is "Uso no válido de Null.". Dates come back as day serials; names
** in Spanish, lower case.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the date and time functions.
std::span<const JetFunction> JetDateFunctions();

}  // namespace dao
