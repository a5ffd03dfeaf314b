/*
** Jet's date and time functions. See JetDateFunctions.h.
**
** Arithmetic runs on whole seconds along a straight time line (see
** jetargs::LinearSeconds), so that adding an hour to 29 December 1899 23:30
** crosses into the next day as it does on a calendar, whatever the serial's
** encoding before day 0.
** Weeks and names come from JetCalendar.
*/
#include "dao/functions/JetDateFunctions.h"

#include <cmath>
#include <string>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/RegionalSettings.h"
#include "dao/functions/JetCalendar.h"
#include "dao/functions/JetCallback.h"
#include "dao/functions/JetFunctionArgs.h"
#include "dao/functions/JetSqlValue.h"

namespace dao {

namespace {

using namespace jetsql;
using namespace jetargs;

constexpr long long kDaySeconds = 86400;

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool ReadInterval(sqlite3_context* ctx, sqlite3_value* v, Interval& out) {
  if (IsNull(v)) {
    ResultError(ctx, kInvalidNull);
    return false;
  }
  std::string code;
  for (char c : TextOf(v)) code += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  static const struct {
    const char* code;
    Interval interval;
  } kCodes[] = {{"yyyy", Interval::Year},   {"q", Interval::Quarter}, {"m", Interval::Month},
                {"y", Interval::DayOfYear}, {"d", Interval::Day},     {"w", Interval::Weekday},
                {"ww", Interval::Week},     {"h", Interval::Hour},    {"n", Interval::Minute},
                {"s", Interval::Second}};
  for (const auto& c : kCodes) {
    if (code == c.code) {
      out = c.interval;
      return true;
    }
  }
  ResultError(ctx, kInvalidCall);
  return false;
}

// The optional firstdayofweek / firstweekofyear arguments at `index`.
bool WeekRules(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, int& firstDay,
               int& rule) {
  long day = 1, week = 1;
  if (!OptionalWhole(ctx, argc, argv, index, 1, day)) return false;
  if (!FirstDayOfWeek(ctx, day, firstDay)) return false;
  if (!OptionalWhole(ctx, argc, argv, index + 1, 1, week)) return false;
  if (week < 0 || week > 3) {
    ResultError(ctx, kInvalidCall);
    return false;
  }
  rule = week == 0 ? 1 : static_cast<int>(week);
  return true;
}

void DateAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Interval interval;
  if (!ReadInterval(ctx, argv[0], interval)) return;
  if (IsNull(argv[2])) return sqlite3_result_null(ctx);
  double number = 0, serial = 0;
  if (!Number(ctx, argv[1], number) || !Date(ctx, argv[2], serial)) return;
  number = std::trunc(number);
  if (std::fabs(number) > 4e9) return ResultError(ctx, kInvalidCall);
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
  double result = 0;
  if (months != 0) {
    if (std::llabs(months) > 12 * 10000) return ResultError(ctx, kInvalidCall);
    const DateSerial::Parts p = DateSerial::Split(serial);
    const long long index = p.year * 12LL + p.month - 1 + months;
    if (index < 100 * 12 || index > 9999 * 12 + 11) return ResultError(ctx, kInvalidCall);
    result = DateSerial::AddMonths(serial, static_cast<int>(months));
  } else if (!SerialOfSeconds(LinearSeconds(serial) + seconds, result)) {
    return ResultError(ctx, kInvalidCall);
  }
  sqlite3_result_double(ctx, result);
}

void DateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  Interval interval;
  if (!ReadInterval(ctx, argv[0], interval)) return;
  int firstDay = 1, rule = 1;
  if (!WeekRules(ctx, argc, argv, 3, firstDay, rule)) return;
  if (IsNull(argv[1]) || IsNull(argv[2])) return sqlite3_result_null(ctx);
  double a = 0, b = 0;
  if (!Date(ctx, argv[1], a) || !Date(ctx, argv[2], b)) return;
  const DateSerial::Parts pa = DateSerial::Split(a), pb = DateSerial::Split(b);
  const long long sa = LinearSeconds(a), sb = LinearSeconds(b);
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
      r = (JetCalendar::WeekStart(JetCalendar::DayOf(b), firstDay) -
           JetCalendar::WeekStart(JetCalendar::DayOf(a), firstDay)) /
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
  sqlite3_result_int64(ctx, r);
}

void DatePart(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  Interval interval;
  if (!ReadInterval(ctx, argv[0], interval)) return;
  int firstDay = 1, rule = 1;
  if (!WeekRules(ctx, argc, argv, 2, firstDay, rule)) return;
  if (IsNull(argv[1])) return sqlite3_result_null(ctx);
  double serial = 0;
  if (!Date(ctx, argv[1], serial)) return;
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
      r = JetCalendar::WeekdayOf(day, firstDay);
      break;
    case Interval::Week:
      r = JetCalendar::WeekOfYear(day, p.year, firstDay, rule);
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
  sqlite3_result_int(ctx, r);
}

void DateSerialOf(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long y = 0, m = 0, d = 0;
  if (!Whole(ctx, argv[0], y) || !Whole(ctx, argv[1], m) || !Whole(ctx, argv[2], d)) return;
  if (y >= 0 && y <= 99) y = RegionalSettings::Current().ExpandTwoDigitYear(static_cast<int>(y));
  // Months and days roll over (month 13 is January of the next year); the
  // bounds keep the arithmetic in range, FromYmd checks the calendar.
  if (y < 0 || y > 20000 || std::labs(m) > 200000 || std::labs(d) > 4000000)
    return ResultError(ctx, kInvalidCall);
  double serial = 0;
  try {
    serial = DateSerial::FromYmd(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
  } catch (const AppError&) {
    return ResultError(ctx, kInvalidCall);
  }
  sqlite3_result_double(ctx, serial);
}

void TimeSerialOf(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long h = 0, n = 0, s = 0;
  if (!Whole(ctx, argv[0], h) || !Whole(ctx, argv[1], n) || !Whole(ctx, argv[2], s)) return;
  double serial = 0;
  if (!SerialOfSeconds(h * 3600LL + n * 60LL + s, serial)) return ResultError(ctx, kInvalidCall);
  sqlite3_result_double(ctx, serial);
}

void DateValue(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double serial = 0;
  if (!Date(ctx, argv[0], serial)) return;
  sqlite3_result_double(ctx, DateSerial::DayPart(serial));
}

void TimeValue(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double serial = 0;
  if (!Date(ctx, argv[0], serial)) return;
  sqlite3_result_double(ctx, DateSerial::TimeOfDay(serial));
}

void Weekday(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long code = 1;
  int firstDay = 1;
  if (!OptionalWhole(ctx, argc, argv, 1, 1, code) || !FirstDayOfWeek(ctx, code, firstDay)) return;
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double serial = 0;
  if (!Date(ctx, argv[0], serial)) return;
  sqlite3_result_int(ctx, JetCalendar::WeekdayOf(JetCalendar::DayOf(serial), firstDay));
}

bool Abbreviate(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, bool& out) {
  long flag = 0;
  if (!OptionalWhole(ctx, argc, argv, index, 0, flag)) return false;
  out = flag != 0;
  return true;
}

void WeekdayName(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long n = 0, code = 0;
  bool abbreviate = false;
  int firstDay = 2;
  if (!Whole(ctx, argv[0], n) || !Abbreviate(ctx, argc, argv, 1, abbreviate)) return;
  if (!OptionalWhole(ctx, argc, argv, 2, 0, code) || !FirstDayOfWeek(ctx, code, firstDay)) return;
  if (n < 1 || n > 7) return ResultError(ctx, kInvalidCall);
  ResultText(ctx,
             JetCalendar::DayName(static_cast<int>((n - 1 + firstDay - 1) % 7) + 1, abbreviate));
}

void MonthName(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long n = 0;
  bool abbreviate = false;
  if (!Whole(ctx, argv[0], n) || !Abbreviate(ctx, argc, argv, 1, abbreviate)) return;
  if (n < 1 || n > 12) return ResultError(ctx, kInvalidCall);
  ResultText(ctx, JetCalendar::MonthName(static_cast<int>(n), abbreviate));
}

template <int DateSerial::Parts::*Part>
void TimePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double serial = 0;
  if (!Date(ctx, argv[0], serial)) return;
  sqlite3_result_int(ctx, DateSerial::Split(serial).*Part);
}

}  // namespace

int RegisterJetDateFunctions(sqlite3* db) {
  static const JetFunctionEntry kEntries[] = {
      {"jet_dateadd", 3, Guarded<DateAdd>},
      {"jet_datediff", 3, Guarded<DateDiff>},
      {"jet_datediff", 4, Guarded<DateDiff>},
      {"jet_datediff", 5, Guarded<DateDiff>},
      {"jet_datepart", 2, Guarded<DatePart>},
      {"jet_datepart", 3, Guarded<DatePart>},
      {"jet_datepart", 4, Guarded<DatePart>},
      {"jet_dateserial", 3, Guarded<DateSerialOf>},
      {"jet_timeserial", 3, Guarded<TimeSerialOf>},
      {"jet_datevalue", 1, Guarded<DateValue>},
      {"jet_timevalue", 1, Guarded<TimeValue>},
      {"jet_weekday", 1, Guarded<Weekday>},
      {"jet_weekday", 2, Guarded<Weekday>},
      {"jet_weekdayname", 1, Guarded<WeekdayName>},
      {"jet_weekdayname", 2, Guarded<WeekdayName>},
      {"jet_weekdayname", 3, Guarded<WeekdayName>},
      {"jet_monthname", 1, Guarded<MonthName>},
      {"jet_monthname", 2, Guarded<MonthName>},
      {"jet_hour", 1, Guarded<TimePart<&DateSerial::Parts::hour>>},
      {"jet_minute", 1, Guarded<TimePart<&DateSerial::Parts::minute>>},
      {"jet_second", 1, Guarded<TimePart<&DateSerial::Parts::second>>},
  };
  return RegisterDeterministic(db, kEntries);
}

}  // namespace dao
