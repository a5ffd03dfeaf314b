/*
** Jet's date and time functions. See JetDateFunctions.h.
**
** Arithmetic runs on whole seconds along a straight time line (see
** JetDateSerial::LinearSeconds), so that adding an hour to 29 December 1899
** 23:30 crosses into the next day as it does on a calendar, whatever the
** serial's encoding before day 0.
** Weeks and names come from JetCalendar.
*/
#include "dao/functions/JetDateFunctions.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/RegionalSettings.h"
#include "dao/functions/JetCalendar.h"
#include "dao/functions/JetDateSerial.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

constexpr long long kDaySeconds = 86400;

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

Interval ReadInterval(const JetArgs& args, int index) {
  if (args.IsNull(index)) Fail(kInvalidNull);
  std::string code;
  for (char c : args.Text(index)) code += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  static const struct {
    const char* code;
    Interval interval;
  } kCodes[] = {{"yyyy", Interval::Year},   {"q", Interval::Quarter}, {"m", Interval::Month},
                {"y", Interval::DayOfYear}, {"d", Interval::Day},     {"w", Interval::Weekday},
                {"ww", Interval::Week},     {"h", Interval::Hour},    {"n", Interval::Minute},
                {"s", Interval::Second}};
  for (const auto& c : kCodes) {
    if (code == c.code) return c.interval;
  }
  Fail(kInvalidCall);
}

// The optional firstdayofweek / firstweekofyear arguments at `index`.
struct WeekRules {
  int firstDay = 1;
  int rule = 1;
};

WeekRules ReadWeekRules(const JetArgs& args, int index) {
  WeekRules r;
  r.firstDay = args.FirstDayOfWeek(index, 1);
  const long week = args.OptionalWhole(index + 1, 1);
  if (week < 0 || week > 3) Fail(kInvalidCall);
  r.rule = week == 0 ? 1 : static_cast<int>(week);
  return r;
}

JetValue Now(const JetArgs&) {
  return JetValue::Real(JetDateSerial::Now());
}

JetValue Today(const JetArgs&) {
  return JetValue::Real(std::floor(JetDateSerial::Now()));
}

JetValue Time(const JetArgs&) {
  const double now = JetDateSerial::Now();
  return JetValue::Real(now - std::floor(now));
}

// Year, Month, Day, Hour, Minute, Second of a serial or a date text.
template <int DateSerial::Parts::*Part>
JetValue DatePiece(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  return JetValue::Integer(DateSerial::Split(args.Date(0)).*Part);
}

JetValue DateAdd(const JetArgs& args) {
  const Interval interval = ReadInterval(args, 0);
  if (args.IsNull(2)) return JetValue();
  double number = args.Number(1);
  const double serial = args.Date(2);
  number = std::trunc(number);
  if (std::fabs(number) > 4e9) Fail(kInvalidCall);
  const auto n = static_cast<long long>(number);
  long long months = 0, seconds = 0;
  switch (interval) {
    case Interval::Year:
      months = n * 12;
      break;
    case Interval::Quarter:
      months = n * 3;
      break;
    case Interval::Month:
      months = n;
      break;
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
      seconds = n * kDaySeconds;
      break;
    case Interval::Week:
      seconds = n * 7 * kDaySeconds;
      break;
    case Interval::Hour:
      seconds = n * 3600;
      break;
    case Interval::Minute:
      seconds = n * 60;
      break;
    case Interval::Second:
      seconds = n;
      break;
  }
  if (months != 0) {
    if (std::llabs(months) > 12 * 10000) Fail(kInvalidCall);
    const DateSerial::Parts p = DateSerial::Split(serial);
    const long long index = p.year * 12LL + p.month - 1 + months;
    if (index < 100 * 12 || index > 9999 * 12 + 11) Fail(kInvalidCall);
    return JetValue::Real(DateSerial::AddMonths(serial, static_cast<int>(months)));
  }
  const auto result =
      JetDateSerial::FromLinearSeconds(JetDateSerial::LinearSeconds(serial) + seconds);
  if (!result) Fail(kInvalidCall);
  return JetValue::Real(*result);
}

JetValue DateDiff(const JetArgs& args) {
  const Interval interval = ReadInterval(args, 0);
  const WeekRules week = ReadWeekRules(args, 3);
  if (args.IsNull(1) || args.IsNull(2)) return JetValue();
  const double a = args.Date(1);
  const double b = args.Date(2);
  const DateSerial::Parts pa = DateSerial::Split(a), pb = DateSerial::Split(b);
  const long long sa = JetDateSerial::LinearSeconds(a), sb = JetDateSerial::LinearSeconds(b);
  long long r = 0;
  switch (interval) {
    case Interval::Year:
      r = pb.year - pa.year;
      break;
    case Interval::Quarter:
      r = (pb.year * 4LL + (pb.month - 1) / 3) - (pa.year * 4LL + (pa.month - 1) / 3);
      break;
    case Interval::Month:
      r = (pb.year * 12LL + pb.month) - (pa.year * 12LL + pa.month);
      break;
    case Interval::DayOfYear:
    case Interval::Day:
      r = JetCalendar::DayOf(b) - JetCalendar::DayOf(a);
      break;
    case Interval::Weekday:
      r = (JetCalendar::DayOf(b) - JetCalendar::DayOf(a)) / 7;
      break;
    case Interval::Week:
      r = (JetCalendar::WeekStart(JetCalendar::DayOf(b), week.firstDay) -
           JetCalendar::WeekStart(JetCalendar::DayOf(a), week.firstDay)) /
          7;
      break;
    case Interval::Hour:
      r = FloorDiv(sb, 3600) - FloorDiv(sa, 3600);
      break;
    case Interval::Minute:
      r = FloorDiv(sb, 60) - FloorDiv(sa, 60);
      break;
    case Interval::Second:
      r = sb - sa;
      break;
  }
  return JetValue::Integer(r);
}

JetValue DatePart(const JetArgs& args) {
  const Interval interval = ReadInterval(args, 0);
  const WeekRules week = ReadWeekRules(args, 2);
  if (args.IsNull(1)) return JetValue();
  const double serial = args.Date(1);
  const DateSerial::Parts p = DateSerial::Split(serial);
  const long long day = JetCalendar::DayOf(serial);
  int r = 0;
  switch (interval) {
    case Interval::Year:
      r = p.year;
      break;
    case Interval::Quarter:
      r = (p.month - 1) / 3 + 1;
      break;
    case Interval::Month:
      r = p.month;
      break;
    case Interval::DayOfYear:
      r = static_cast<int>(day - static_cast<long long>(DateSerial::FromYmd(p.year, 1, 1))) + 1;
      break;
    case Interval::Day:
      r = p.day;
      break;
    case Interval::Weekday:
      r = JetCalendar::WeekdayOf(day, week.firstDay);
      break;
    case Interval::Week:
      r = JetCalendar::WeekOfYear(day, p.year, week.firstDay, week.rule);
      break;
    case Interval::Hour:
      r = p.hour;
      break;
    case Interval::Minute:
      r = p.minute;
      break;
    case Interval::Second:
      r = p.second;
      break;
  }
  return JetValue::Integer(r);
}

JetValue DateSerialOf(const JetArgs& args) {
  long y = args.Whole(0);
  const long m = args.Whole(1);
  const long d = args.Whole(2);
  if (y >= 0 && y <= 99) y = RegionalSettings::Current().ExpandTwoDigitYear(static_cast<int>(y));
  // Months and days roll over (month 13 is January of the next year); the
  // bounds keep the arithmetic in range, FromYmd checks the calendar.
  if (y < 0 || y > 20000 || std::labs(m) > 200000 || std::labs(d) > 4000000) Fail(kInvalidCall);
  try {
    return JetValue::Real(
        DateSerial::FromYmd(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)));
  } catch (const AppError&) {
    Fail(kInvalidCall);
  }
}

// A time of day: hours, minutes and seconds beyond a day wrap around it
// (TimeSerial(30, 0, 0) is 06:00, TimeSerial(-10, 0, 0) 14:00).
JetValue TimeSerialOf(const JetArgs& args) {
  const long h = args.Whole(0);
  const long n = args.Whole(1);
  const long s = args.Whole(2);
  long long seconds = (h * 3600LL + n * 60LL + s) % kDaySeconds;
  if (seconds < 0) seconds += kDaySeconds;
  return JetValue::Real(static_cast<double>(seconds) / kDaySeconds);
}

JetValue DateValue(const JetArgs& args) {
  return JetValue::Real(DateSerial::DayPart(args.Date(0)));
}

JetValue TimeValue(const JetArgs& args) {
  return JetValue::Real(DateSerial::TimeOfDay(args.Date(0)));
}

JetValue Weekday(const JetArgs& args) {
  const int firstDay = args.FirstDayOfWeek(1, 1);
  if (args.IsNull(0)) return JetValue();
  return JetValue::Integer(JetCalendar::WeekdayOf(JetCalendar::DayOf(args.Date(0)), firstDay));
}

JetValue WeekdayName(const JetArgs& args) {
  const long n = args.Whole(0);
  const bool abbreviate = args.OptionalWhole(1, 0) != 0;
  const int firstDay = args.FirstDayOfWeek(2, 0);
  if (n < 1 || n > 7) Fail(kInvalidCall);
  return JetValue::Text(
      JetCalendar::DayName(static_cast<int>((n - 1 + firstDay - 1) % 7) + 1, abbreviate));
}

// Date$ and Time$: the day as mm-dd-yyyy, the time as hh:mm:ss, whatever
// the regional settings.
JetValue DateDollar(const JetArgs&) {
  const DateSerial::Parts p = DateSerial::Split(JetDateSerial::Now());
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", p.month, p.day, p.year);
  return JetValue::Text(buf);
}

JetValue TimeDollar(const JetArgs&) {
  const DateSerial::Parts p = DateSerial::Split(JetDateSerial::Now());
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
  return JetValue::Text(buf);
}

JetValue MonthName(const JetArgs& args) {
  const long n = args.Whole(0);
  const bool abbreviate = args.OptionalWhole(1, 0) != 0;
  if (n < 1 || n > 12) Fail(kInvalidCall);
  return JetValue::Text(JetCalendar::MonthName(static_cast<int>(n), abbreviate));
}

constexpr JetFunction kRows[] = {
    Scalar("Now", "jet_now", 0, 0, Now).Returns(dbDate).Volatile(),
    // Date() shares its name with a possible column: as every function, it
    // is one only when "(" follows.
    Scalar("Date", "jet_date", 0, 0, Today).Returns(dbDate).Volatile(),
    Scalar("Time", "jet_time", 0, 0, Time).Returns(dbDate).Volatile(),
    Scalar("Date$", "jet_date_s", 0, 0, DateDollar).Returns(dbText).Volatile(),
    Scalar("Time$", "jet_time_s", 0, 0, TimeDollar).Returns(dbText).Volatile(),
    Scalar("Year", "jet_year", 1, 1, DatePiece<&DateSerial::Parts::year>).Returns(dbInteger),
    Scalar("Month", "jet_month", 1, 1, DatePiece<&DateSerial::Parts::month>).Returns(dbInteger),
    Scalar("Day", "jet_day", 1, 1, DatePiece<&DateSerial::Parts::day>).Returns(dbInteger),
    Scalar("Hour", "jet_hour", 1, 1, DatePiece<&DateSerial::Parts::hour>).Returns(dbInteger),
    Scalar("Minute", "jet_minute", 1, 1, DatePiece<&DateSerial::Parts::minute>).Returns(dbInteger),
    Scalar("Second", "jet_second", 1, 1, DatePiece<&DateSerial::Parts::second>).Returns(dbInteger),
    Scalar("DateAdd", "jet_dateadd", 3, 3, DateAdd).Returns(dbDate),
    Scalar("DateDiff", "jet_datediff", 3, 5, DateDiff).Returns(dbLong),
    Scalar("DatePart", "jet_datepart", 2, 4, DatePart).Returns(dbInteger),
    Scalar("DateSerial", "jet_dateserial", 3, 3, DateSerialOf).Returns(dbDate),
    Scalar("TimeSerial", "jet_timeserial", 3, 3, TimeSerialOf).Returns(dbDate),
    Scalar("DateValue", "jet_datevalue", 1, 1, DateValue).Returns(dbDate),
    Scalar("TimeValue", "jet_timevalue", 1, 1, TimeValue).Returns(dbDate),
    Scalar("Weekday", "jet_weekday", 1, 2, Weekday).Returns(dbInteger),
    Scalar("WeekdayName", "jet_weekdayname", 1, 3, WeekdayName).Returns(dbText),
    Scalar("MonthName", "jet_monthname", 1, 2, MonthName).Returns(dbText),
};

}  // namespace

std::span<const JetFunction> JetDateFunctions() {
  return kRows;
}

}  // namespace dao
