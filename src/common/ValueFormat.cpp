/*
** ValueFormat: see ValueFormat.h.
**
** Numbers are rounded as decimal text rather than with floating-point
** arithmetic: std::to_chars gives the shortest text that reads back as the
** same double, and the rounding then works on the digits a user sees.
*/
#include "common/ValueFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/AppError.h"
#include "common/DateSerial.h"

namespace {

struct NumberPattern {
  bool grouping = false;
  size_t minIntegerDigits = 0;
  size_t minDecimals = 0;
  size_t maxDecimals = 0;
};

NumberPattern ReadPattern(std::string_view pattern) {
  NumberPattern p;
  bool inFraction = false;
  bool zeroSeen = false;
  for (char c : pattern) {
    if (c == '.' && !inFraction) {
      inFraction = true;
    } else if (c == ',' && !inFraction) {
      p.grouping = true;
    } else if ((c == '0' || c == '#') && inFraction) {
      ++p.maxDecimals;
      if (c == '0') p.minDecimals = p.maxDecimals;
    } else if (c == '0' || c == '#') {
      zeroSeen = zeroSeen || c == '0';
      if (zeroSeen) ++p.minIntegerDigits;
    } else {
      Raise(rterr::msg::kInvalidCall);
    }
  }
  return p;
}

// Adds one to a text of decimal digits; returns whether a new leading digit
// was needed ("999" becomes "000" and the caller puts a "1" in front).
bool IncrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

std::string Group(const std::string& digits, const std::string& separator) {
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

std::string WithDecimalSeparator(std::string invariant, const RegionalSettings& rs) {
  if (size_t dot = invariant.find('.'); dot != std::string::npos) {
    invariant.replace(dot, 1, rs.decimalSeparator);
  }
  return invariant;
}

}  // namespace

std::string ValueFormat::FormatNumber(double value, std::string_view pattern,
                                      const RegionalSettings& rs) {
  const NumberPattern p = ReadPattern(pattern);
  if (!std::isfinite(value)) return FormatEngineNumber(value);

  char buf[512];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  if (ec != std::errc()) return FormatEngineNumber(value);
  const std::string shortest(buf, end);
  const size_t dot = shortest.find('.');
  std::string integer = shortest.substr(0, dot);
  std::string fraction = dot == std::string::npos ? std::string() : shortest.substr(dot + 1);

  if (fraction.size() > p.maxDecimals) {
    const bool roundUp = fraction[p.maxDecimals] >= '5';
    fraction.resize(p.maxDecimals);
    if (roundUp && IncrementDigits(fraction) && IncrementDigits(integer)) integer.insert(0, "1");
  }
  while (fraction.size() > p.minDecimals && fraction.back() == '0') fraction.pop_back();
  while (fraction.size() < p.minDecimals) fraction += '0';

  // The integer text of a number below one is "0": it shows only when the
  // pattern asks for integer digits.
  if (integer == "0") integer.clear();
  if (integer.size() < p.minIntegerDigits)
    integer.insert(0, p.minIntegerDigits - integer.size(), '0');

  const bool zero = integer.find_first_not_of('0') == std::string::npos &&
                    fraction.find_first_not_of('0') == std::string::npos;
  std::string out = (value < 0 && !zero) ? "-" : "";
  out += p.grouping ? Group(integer, rs.thousandsSeparator) : integer;
  if (!fraction.empty()) out += rs.decimalSeparator + fraction;
  return out;
}

std::string ValueFormat::FormatDate(double serial, std::string_view pattern,
                                    const RegionalSettings& rs) {
  const DateSerial::Parts parts = DateSerial::Split(serial);
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    const char c = static_cast<char>(pattern[i] | 0x20);  // ASCII lower case
    size_t run = 1;
    while (i + run < pattern.size() && (pattern[i + run] | 0x20) == c) ++run;
    if (c == 'd') {
      out += run == 1 ? std::to_string(parts.day) : TwoDigits(parts.day);
    } else if (c == 'm') {
      out += run == 1 ? std::to_string(parts.month) : TwoDigits(parts.month);
    } else if (c == 'y') {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%04d", parts.year);
      out += run <= 2 ? TwoDigits(parts.year % 100) : buf;
    } else if (pattern[i] == '/') {
      out += rs.dateSeparator;
      run = 1;
    } else {
      out += pattern[i];
      run = 1;
    }
    i += run;
  }
  return out;
}

std::string ValueFormat::ShortDate(double serial, const RegionalSettings& rs) {
  const char* year = rs.fourDigitYear ? "yyyy" : "yy";
  std::string pattern;
  switch (rs.dateOrder) {
    case RegionalSettings::DateOrder::DayMonthYear:
      pattern = std::string("dd/mm/") + year;
      break;
    case RegionalSettings::DateOrder::MonthDayYear:
      pattern = std::string("mm/dd/") + year;
      break;
    case RegionalSettings::DateOrder::YearMonthDay:
      pattern = std::string(year) + "/mm/dd";
      break;
  }
  return FormatDate(serial, pattern, rs);
}

std::string ValueFormat::ToText(const Variant& value, const RegionalSettings& rs) {
  switch (value.Type()) {
    case VarType::Double:
    case VarType::Currency:
    case VarType::Decimal:
      return WithDecimalSeparator(value.ToString(), rs);
    case VarType::Date: {
      const double serial = value.DateValue();
      const DateSerial::Parts parts = DateSerial::Split(serial);
      const bool hasTime = parts.hour != 0 || parts.minute != 0 || parts.second != 0;
      std::string out;
      if (DateSerial::DayPart(serial) != 0 || !hasTime) out = ShortDate(serial, rs);
      if (hasTime) {
        if (!out.empty()) out += ' ';
        out +=
            TwoDigits(parts.hour) + ":" + TwoDigits(parts.minute) + ":" + TwoDigits(parts.second);
      }
      return out;
    }
    default:
      return value.ToString();
  }
}
