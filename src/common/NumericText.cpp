/*
** NumericText: see NumericText.h.
**
** The digits are gathered into an invariant "123.45" text and converted with
** std::from_chars, which ignores the C locale: a library that changed the
** process locale cannot change what a number is here.
*/
#include "common/NumericText.h"

#include <charconv>
#include <cmath>
#include <string>

#include "common/AppError.h"

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> NumericText::Parse(std::string_view text, const RegionalSettings& rs) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);

  bool negative = false;
  if (text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  } else if (text.back() == '-') {
    negative = true;
    text.remove_suffix(1);
  }

  // A leading zero costs nothing and gives ",5" its integer digit.
  std::string invariant = "0";
  bool inFraction = false;
  bool anyDigit = false;
  while (!text.empty()) {
    if (IsDigit(text.front())) {
      invariant += text.front();
      anyDigit = true;
      text.remove_prefix(1);
    } else if (!inFraction && StartsWith(text, rs.decimalSeparator)) {
      invariant += '.';
      inFraction = true;
      text.remove_prefix(rs.decimalSeparator.size());
    } else if (!inFraction && StartsWith(text, rs.thousandsSeparator)) {
      text.remove_prefix(rs.thousandsSeparator.size());
    } else if (anyDigit && (text.front() == 'E' || text.front() == 'e')) {
      // An exponent ends the number: "E", an optional sign, digits.
      invariant += 'e';
      text.remove_prefix(1);
      if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        invariant += text.front();
        text.remove_prefix(1);
      }
      if (text.empty()) return std::nullopt;
      for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        invariant += c;
      }
      break;
    } else {
      return std::nullopt;
    }
  }
  if (!anyDigit) return std::nullopt;

  double value = 0;
  const char* end = invariant.data() + invariant.size();
  auto [ptr, ec] = std::from_chars(invariant.data(), end, value);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  // "-0" and "0-" are zero, not a negative zero that would print as "-0".
  if (negative && value != 0) value = -value;
  return value;
}

double NumericText::ToDouble(std::string_view text, const RegionalSettings& rs) {
  if (auto value = Parse(text, rs)) return *value;
  Raise(rterr::msg::kTypeMismatch);
}

bool NumericText::IsNumeric(const Variant& value, const RegionalSettings& rs) {
  switch (value.Type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Currency:
    case VarType::Double:
    case VarType::Decimal:
      return true;
    case VarType::String:
      return IsNumeric(value.ToString(), rs);
    default:
      return false;
  }
}

double NumericText::ToDouble(const Variant& value, const RegionalSettings& rs) {
  if (value.Type() == VarType::String) return ToDouble(value.ToString(), rs);
  return value.ToDouble();
}
