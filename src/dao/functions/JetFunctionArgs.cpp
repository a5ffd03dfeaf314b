/*
** Reading the arguments of the engine's library functions. See
** JetFunctionArgs.h.
*/
#include "dao/functions/JetFunctionArgs.h"

#include <cmath>

#include "common/DateSerial.h"
#include "common/DateText.h"
#include "common/NumericText.h"
#include "dao/functions/JetSqlValue.h"

namespace dao::jetargs {

using namespace jetsql;

namespace {

constexpr double kFirstSerial = -657434.0;  // 1 January 100
constexpr double kEndSerial = 2958466.0;    // the day after 31 December 9999
constexpr long long kDaySeconds = 86400;

bool InCalendar(double serial) {
  return std::isfinite(serial) && serial > kFirstSerial - 1 && serial < kEndSerial;
}

}  // namespace

std::optional<double> ReadNumber(sqlite3_value* v) {
  const int type = sqlite3_value_type(v);
  if (type == SQLITE_INTEGER) return static_cast<double>(sqlite3_value_int64(v));
  if (type == SQLITE_FLOAT) return sqlite3_value_double(v);
  if (type != SQLITE_TEXT) return std::nullopt;
  const std::string text = TextOf(v);
  double d = 0;
  if (ParseNumber(text, d)) return d;
  return NumericText::Parse(text);
}

bool ReadNumber(sqlite3_value* v, double& out) {
  const auto d = ReadNumber(v);
  if (d) out = *d;
  return d.has_value();
}

std::optional<double> ReadDate(sqlite3_value* v) {
  const int type = sqlite3_value_type(v);
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
    const double d = sqlite3_value_double(v);
    if (!InCalendar(d)) return std::nullopt;
    return d;
  }
  if (type != SQLITE_TEXT) return std::nullopt;
  return DateText::Parse(TextOf(v));
}

bool Number(sqlite3_context* ctx, sqlite3_value* v, double& out) {
  if (IsNull(v)) {
    ResultError(ctx, kInvalidNull);
    return false;
  }
  const auto d = ReadNumber(v);
  if (!d) {
    ResultError(ctx, kTypeMismatch);
    return false;
  }
  out = *d;
  return true;
}

bool Whole(sqlite3_context* ctx, sqlite3_value* v, long& out) {
  double d = 0;
  if (!Number(ctx, v, d)) return false;
  d = std::nearbyint(d);
  if (d < -2147483648.0 || d > 2147483647.0) {
    ResultError(ctx, kOverflow);
    return false;
  }
  out = static_cast<long>(d);
  return true;
}

bool Date(sqlite3_context* ctx, sqlite3_value* v, double& out) {
  if (IsNull(v)) {
    ResultError(ctx, kInvalidNull);
    return false;
  }
  const auto d = ReadDate(v);
  if (!d) {
    // A number outside the calendar is a valid value of the wrong size.
    const int type = sqlite3_value_type(v);
    ResultError(ctx, type == SQLITE_INTEGER || type == SQLITE_FLOAT ? kOverflow : kTypeMismatch);
    return false;
  }
  out = *d;
  return true;
}

bool OptionalWhole(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, long fallback,
                   long& out) {
  if (argc <= index || IsNull(argv[index])) {
    out = fallback;
    return true;
  }
  return Whole(ctx, argv[index], out);
}

bool FirstDayOfWeek(sqlite3_context* ctx, long code, int& out) {
  if (code < 0 || code > 7) {
    ResultError(ctx, kInvalidCall);
    return false;
  }
  out = code == 0 ? 2 : static_cast<int>(code);
  return true;
}

long long LinearSeconds(double serial) {
  const auto days = static_cast<long long>(DateSerial::DayPart(serial));
  return days * kDaySeconds + std::llround(DateSerial::TimeOfDay(serial) * kDaySeconds);
}

bool SerialOfSeconds(long long seconds, double& serial) {
  long long days = seconds / kDaySeconds;
  long long rest = seconds % kDaySeconds;
  if (rest < 0) rest += kDaySeconds, days -= 1;
  const double day = static_cast<double>(days);
  if (day < kFirstSerial || day >= kEndSerial) return false;
  serial = DateSerial::Compose(day, static_cast<double>(rest) / kDaySeconds);
  return true;
}

}  // namespace dao::jetargs
