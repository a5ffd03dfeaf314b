/*
** Texts as numbers and numbers as texts. See JetNumberText.h.
*/
#include "dao/functions/JetNumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/NumericText.h"
#include "common/RegionalSettings.h"

namespace dao {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// "&H1F", "&O17", "&17": the run time's prefixed whole numbers.
std::optional<double> ReadPrefixed(std::string_view text) {
  text.remove_prefix(1);
  int base = 8;
  if (!text.empty() && (text[0] == 'H' || text[0] == 'h')) {
    base = 16;
    text.remove_prefix(1);
  } else if (!text.empty() && (text[0] == 'O' || text[0] == 'o')) {
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 32) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0 || digit >= base) return std::nullopt;
    value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (value <= 0xFFFF) return static_cast<double>(static_cast<int16_t>(value));
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

}  // namespace

std::optional<double> JetNumberText::Read(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  if (text[0] == '&') return ReadPrefixed(text);
  bool negative = false;
  if (text.front() == '(' && text.back() == ')') {
    negative = true;
    text = Trim(text.substr(1, text.size() - 2));
  }
  // A sign and a currency sign may stand in either order before the digits.
  std::string core;
  bool signSeen = false, currencySeen = false;
  while (!text.empty()) {
    const char c = text.front();
    if ((c == '+' || c == '-') && !signSeen && !negative) {
      signSeen = true;
      if (c == '-') core = "-";
    } else if (c == '$' && !currencySeen) {
      currencySeen = true;
    } else {
      break;
    }
    text = Trim(text.substr(1));
  }
  if (signSeen && !text.empty() && text.back() == '-') return std::nullopt;
  core += text;
  auto value = NumericText::Parse(core);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

std::string JetNumberText::Write(double value, int digits, std::string_view decimalPoint) {
  if (!std::isfinite(value)) return value != value ? "NaN" : (value < 0 ? "-Inf" : "Inf");
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*E", digits - 1, value);
  // buf is "-d.dddE+xx": the rounded significant digits and their exponent.
  std::string text(buf);
  const std::size_t e = text.find('E');
  const int exponent = std::atoi(text.c_str() + e + 1);
  const bool negative = text[0] == '-';
  std::string mantissa;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] >= '0' && text[i] <= '9') mantissa += text[i];
  }
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  const std::string point = decimalPoint.empty() ? RegionalSettings::Current().decimalSeparator
                                                 : std::string(decimalPoint);
  std::string out = negative ? "-" : "";
  if (exponent < -4 || exponent >= digits) {
    out += mantissa.substr(0, 1);
    if (mantissa.size() > 1) out += point + mantissa.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return out + exp;
  }
  if (exponent < 0) {
    out += "0" + point + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
  } else if (static_cast<int>(mantissa.size()) <= exponent + 1) {
    out += mantissa + std::string(static_cast<std::size_t>(exponent + 1) - mantissa.size(), '0');
  } else {
    out += mantissa.substr(0, static_cast<std::size_t>(exponent + 1)) + point +
           mantissa.substr(static_cast<std::size_t>(exponent + 1));
  }
  return out;
}

}  // namespace dao
