/*
** Day serials and Jet date literals. See JetDateSerial.h.
*/
#include "dao/functions/JetDateSerial.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <vector>

#include "common/DateSerial.h"

namespace dao {

namespace {

constexpr double kFirstSerial = -657434.0;  // 1 January 100
constexpr double kEndSerial = 2958466.0;    // the day after 31 December 9999
constexpr int kSecondsPerDay = 86400;

// Reads the literal as a list of numbers, the separators between them, and
// an optional AM/PM marker at its end.
struct LiteralPieces {
  std::vector<int> numbers;
  std::vector<int> digitCounts;
  std::vector<char> separators;  // separators[i] follows numbers[i]
  int meridian = 0;              // 0 none, 1 AM, 2 PM
};

bool Cut(std::string_view text, LiteralPieces& pieces) {
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    if (std::isdigit(static_cast<unsigned char>(text[i]))) {
      int value = 0, count = 0;
      while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        if (++count > 4) return false;
        value = value * 10 + (text[i++] - '0');
      }
      pieces.numbers.push_back(value);
      pieces.digitCounts.push_back(count);
      pieces.separators.push_back(0);
      skipBlanks();
      continue;
    }
    if (pieces.numbers.empty()) return false;
    const char c = text[i];
    if (c == '/' || c == '-' || c == ':') {
      if (pieces.separators.back() != 0) return false;
      pieces.separators.back() = c;
      ++i;
      skipBlanks();
      continue;
    }
    const std::string_view rest = text.substr(i);
    if (rest.size() == 2 && (rest[1] == 'M' || rest[1] == 'm')) {
      if (rest[0] == 'A' || rest[0] == 'a')
        pieces.meridian = 1;
      else if (rest[0] == 'P' || rest[0] == 'p')
        pieces.meridian = 2;
      else
        return false;
      return true;
    }
    return false;
  }
  return !pieces.numbers.empty();
}

}  // namespace

double JetDateSerial::FromParts(const JetDateParts& p) {
  const double time =
      (p.hour * 3600 + p.minute * 60 + p.second) / static_cast<double>(kSecondsPerDay);
  return DateSerial::Compose(DateSerial::FromYmd(p.year, p.month, p.day), time);
}

JetDateParts JetDateSerial::ToParts(double serial) {
  return DateSerial::Split(serial);
}

std::optional<double> JetDateSerial::FromLiteral(std::string_view text) {
  LiteralPieces pieces;
  if (!Cut(text, pieces)) return std::nullopt;
  const auto& n = pieces.numbers;
  const auto& sep = pieces.separators;
  JetDateParts parts;
  size_t next = 0;

  // A date part: three numbers joined by / or -, the same both times.
  if (n.size() >= 3 && (sep[0] == '/' || sep[0] == '-') && sep[1] == sep[0]) {
    int a = n[0], b = n[1], c = n[2];
    if (pieces.digitCounts[0] == 4) {
      parts.year = a, parts.month = b, parts.day = c;
    } else {
      if (a > 12 && b <= 12) std::swap(a, b);
      parts.month = a, parts.day = b;
      parts.year = c;
      if (pieces.digitCounts[2] <= 2) parts.year += c < 30 ? 2000 : 1900;
    }
    if (parts.year < 100 || parts.year > 9999 || parts.month < 1 || parts.month > 12)
      return std::nullopt;
    if (parts.day < 1 || parts.day > DateSerial::DaysInMonth(parts.year, parts.month))
      return std::nullopt;
    if (sep[2] != 0) return std::nullopt;
    next = 3;
  }

  // A time part: two or three numbers joined by ':'.
  if (next < n.size()) {
    const size_t count = n.size() - next;
    if (count < 2 || count > 3 || sep[next] != ':') return std::nullopt;
    if (count == 3 && sep[next + 1] != ':') return std::nullopt;
    if (sep.back() != 0) return std::nullopt;
    parts.hour = n[next];
    parts.minute = n[next + 1];
    parts.second = count == 3 ? n[next + 2] : 0;
    // The marker only moves the hours of a twelve-hour clock: 12 AM is
    // midnight, 0 PM to 11 PM are afternoon hours; an hour past 12 already
    // says which half it is and keeps it, whatever the marker.
    if (pieces.meridian == 1 && parts.hour == 12) parts.hour = 0;
    if (pieces.meridian == 2 && parts.hour < 12) parts.hour += 12;
    if (parts.hour > 23 || parts.minute > 59 || parts.second > 59) return std::nullopt;
  } else if (pieces.meridian != 0 || next == 0) {
    return std::nullopt;
  }
  return FromParts(parts);
}

bool JetDateSerial::InCalendar(double serial) {
  return std::isfinite(serial) && serial > kFirstSerial - 1 && serial < kEndSerial;
}

long long JetDateSerial::LinearSeconds(double serial) {
  const auto days = static_cast<long long>(DateSerial::DayPart(serial));
  return days * kSecondsPerDay + std::llround(DateSerial::TimeOfDay(serial) * kSecondsPerDay);
}

std::optional<double> JetDateSerial::FromLinearSeconds(long long seconds) {
  long long days = seconds / kSecondsPerDay;
  long long rest = seconds % kSecondsPerDay;
  if (rest < 0) rest += kSecondsPerDay, days -= 1;
  const double day = static_cast<double>(days);
  if (day < kFirstSerial || day >= kEndSerial) return std::nullopt;
  return DateSerial::Compose(day, static_cast<double>(rest) / kSecondsPerDay);
}

double JetDateSerial::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  JetDateParts parts;
  parts.year = local.tm_year + 1900;
  parts.month = local.tm_mon + 1;
  parts.day = local.tm_mday;
  parts.hour = local.tm_hour;
  parts.minute = local.tm_min;
  parts.second = local.tm_sec;
  return FromParts(parts);
}

}  // namespace dao
