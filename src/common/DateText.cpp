/*
** DateText: see DateText.h.
*/
#include "common/DateText.h"

#include <string>
#include <vector>

#include "common/AppError.h"
#include "common/DateSerial.h"

namespace {

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Splits the digits of text at any of the separators; every field must be
// one to maxDigits digits long.
bool SplitNumbers(std::string_view text, const std::vector<std::string_view>& separators,
                  size_t maxDigits, std::vector<std::string_view>& fields) {
  fields.clear();
  size_t start = 0;
  size_t i = 0;
  while (true) {
    size_t separatorLength = 0;
    if (i < text.size()) {
      for (std::string_view s : separators) {
        if (!s.empty() && text.substr(i, s.size()) == s) {
          separatorLength = s.size();
          break;
        }
      }
      if (separatorLength == 0) {
        if (text[i] < '0' || text[i] > '9') return false;
        ++i;
        continue;
      }
    }
    const std::string_view field = text.substr(start, i - start);
    if (field.empty() || field.size() > maxDigits) return false;
    fields.push_back(field);
    if (i >= text.size()) return true;
    i += separatorLength;
    start = i;
    if (start >= text.size()) return false;  // a separator may not end the text
  }
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

// Time of day of "h:mm" or "h:mm:ss", or a negative number.
double ReadTime(std::string_view text) {
  std::vector<std::string_view> f;
  if (!SplitNumbers(text, {":"}, 2, f) || f.size() < 2 || f.size() > 3) return -1;
  if (f[1].size() != 2 || (f.size() == 3 && f[2].size() != 2)) return -1;
  const int h = Number(f[0]), m = Number(f[1]), s = f.size() == 3 ? Number(f[2]) : 0;
  if (h > 23 || m > 59 || s > 59) return -1;
  return (h * 3600 + m * 60 + s) / 86400.0;
}

std::optional<double> ReadDay(std::string_view text, const RegionalSettings& rs) {
  std::vector<std::string_view> f;
  if (!SplitNumbers(text, {"/", "-", rs.dateSeparator}, 4, f) || f.size() != 3) return std::nullopt;
  using Order = RegionalSettings::DateOrder;
  std::string_view d, m, y;
  if (f[0].size() >= 3 || rs.dateOrder == Order::YearMonthDay) {
    y = f[0], m = f[1], d = f[2];
  } else if (rs.dateOrder == Order::MonthDayYear) {
    m = f[0], d = f[1], y = f[2];
  } else {
    d = f[0], m = f[1], y = f[2];
  }
  if (d.size() > 2 || m.size() > 2) return std::nullopt;
  int year = Number(y);
  if (y.size() <= 2) year = rs.ExpandTwoDigitYear(year);
  const int month = Number(m), day = Number(d);
  if (!DateSerial::IsValidDate(year, month, day)) return std::nullopt;
  return DateSerial::FromYmd(year, month, day);
}

}  // namespace

std::optional<double> DateText::Parse(std::string_view text, const RegionalSettings& rs) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) {
    if (text.find(':') != std::string_view::npos) {
      const double time = ReadTime(text);
      if (time < 0) return std::nullopt;
      return time;
    }
    return ReadDay(text, rs);
  }
  const auto day = ReadDay(text.substr(0, blank), rs);
  const double time = ReadTime(Trim(text.substr(blank)));
  if (!day || time < 0) return std::nullopt;
  return DateSerial::Compose(*day, time);
}

bool DateText::IsDate(const Variant& value, const RegionalSettings& rs) {
  if (value.Type() == VarType::Date) return true;
  if (value.Type() == VarType::String) return Parse(value.ToString(), rs).has_value();
  return false;
}

double DateText::ToDate(const Variant& value, const RegionalSettings& rs) {
  if (value.Type() == VarType::Date) return value.DateValue();
  if (value.Type() == VarType::String) {
    if (auto serial = Parse(value.ToString(), rs)) return *serial;
  }
  Raise(rterr::msg::kTypeMismatch);
}
