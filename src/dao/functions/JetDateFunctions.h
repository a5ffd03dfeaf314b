/*
** JetDateFunctions: Jet's date and time functions as SQL functions.
**
**   jet_dateadd(interval, number, date)
**   jet_datediff(interval, date1, date2[, firstdayofweek[, firstweekofyear]])
**   jet_datepart(interval, date[, firstdayofweek[, firstweekofyear]])
**   jet_dateserial(y, m, d)   jet_timeserial(h, n, s)
**   jet_datevalue(x)          jet_timevalue(x)
**   jet_weekday(date[, firstdayofweek])
**   jet_weekdayname(n[, abbreviate[, firstdayofweek]])
**   jet_monthname(n[, abbreviate])
**   jet_hour(x) jet_minute(x) jet_second(x)
**
** Intervals: "yyyy" year, "q" quarter, "m" month, "y" day of year, "d" day,
** "w" weekday, "ww" week, "h" hour, "n" minute, "s" second, in any case;
** any other text is error 5. First day of the week: 1 Sunday .. 7
** Saturday, 0 the regional settings' day (Monday); omitted, Sunday. First
** week of the year: 1 the week of 1 January, 2 the first week with four
** days, 3 the first full week, 0 the regional settings' rule (the week of
** 1 January); omitted, 1.
**
** Null: a Null date gives Null (DateAdd, DateDiff, DatePart, Weekday, Hour,
** Minute, Second); a Null that must build a value (DateSerial, TimeSerial,
** DateValue, TimeValue, the number of DateAdd, the names) is "Uso no válido
** de Null.". Dates come back as day serials; names in Spanish, lower case.
*/
#pragma once

struct sqlite3;

namespace dao {

// Returns the first SQLite result code that is not SQLITE_OK.
int RegisterJetDateFunctions(sqlite3* db);

}  // namespace dao
