/*
** DateSerial: see DateSerial.h.
**
** Calendar arithmetic goes through a count of days from 1 March of year 0,
** which puts the leap day at the end of the counting year and makes every
** conversion a handful of integer divisions.
*/
#include "common/DateSerial.h"

#include <cmath>

#include "common/AppError.h"

namespace {

constexpr int64_t kFirstSerial = -657434;  // 1 January 100
constexpr int64_t kLastSerial = 2958465;   // 31 December 9999
// Serial 0 lies this many days after 1 March of year 0.
constexpr int64_t kSerialOffset = 693899;

[[noreturn]] void InvalidCall() {
  Raise(rterr::msg::kInvalidCall);
}

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1 March of year 0 for a valid or rolled-over civil date.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  // Roll months into years first: month 13 is January of the next year.
  y += FloorDiv(m - 1, 12);
  m = m - 1 - FloorDiv(m - 1, 12) * 12 + 1;
  if (m <= 2) y -= 1;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t mp = (m + 9) % 12;
  const int64_t doy = (153 * mp + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

// Whole days and seconds of a serial, rounded to the second with the carry
// into the day.
void DaysAndSeconds(double serial, int64_t& days, int64_t& seconds) {
  if (!std::isfinite(serial) || serial < kFirstSerial - 1 || serial > kLastSerial + 1)
    InvalidCall();
  double whole = std::trunc(serial);
  seconds = std::llround(std::fabs(serial - whole) * 86400.0);
  if (seconds >= 86400) {
    // The fraction counts forward on both sides of day 0, so the carry is
    // always into the following day: -0.9999999 is 31 December 1899.
    seconds -= 86400;
    whole += 1;
  }
  days = static_cast<int64_t>(whole);
}

}  // namespace

double DateSerial::FromYmd(int year, int month, int day) {
  const int64_t serial = DaysFromCivil(year, month, day) - kSerialOffset;
  if (serial < kFirstSerial || serial > kLastSerial) InvalidCall();
  return static_cast<double>(serial);
}

double DateSerial::Compose(double daySerial, double timeOfDay) {
  return daySerial < 0 ? daySerial - timeOfDay : daySerial + timeOfDay;
}

DateSerial::Parts DateSerial::Split(double serial) {
  int64_t days, seconds;
  DaysAndSeconds(serial, days, seconds);
  Parts p;
  CivilFromDays(days + kSerialOffset, p.year, p.month, p.day);
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>(seconds / 60 % 60);
  p.second = static_cast<int>(seconds % 60);
  return p;
}

double DateSerial::DayPart(double serial) {
  int64_t days, seconds;
  DaysAndSeconds(serial, days, seconds);
  return static_cast<double>(days);
}

double DateSerial::TimeOfDay(double serial) {
  int64_t days, seconds;
  DaysAndSeconds(serial, days, seconds);
  return static_cast<double>(seconds) / 86400.0;
}

double DateSerial::AddMonths(double serial, int months) {
  const Parts p = Split(serial);
  const int64_t monthIndex = static_cast<int64_t>(p.year) * 12 + (p.month - 1) + months;
  const int year = static_cast<int>(FloorDiv(monthIndex, 12));
  const int month = static_cast<int>(monthIndex - static_cast<int64_t>(year) * 12 + 1);
  if (year < 100 || year > 9999) InvalidCall();
  const int day = p.day < DaysInMonth(year, month) ? p.day : DaysInMonth(year, month);
  return Compose(FromYmd(year, month, day), TimeOfDay(serial));
}

bool DateSerial::IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DateSerial::DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool DateSerial::IsValidDate(int year, int month, int day) {
  return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}
