/*
** Format's number patterns. See JetNumberFormat.h.
**
** A section is cut into items (digit placeholders, the point, commas, the
** exponent mark, the percent sign, literals) once; the number is then
** rounded as a decimal text and its digits poured into the items: the
** integer ones from the right, the decimals from the left.
*/
#include "dao/functions/JetNumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "common/RegionalSettings.h"
#include "dao/functions/JetFormatSections.h"
#include "dao/functions/JetNumberText.h"

namespace dao {

namespace {

// Adds one to a text of decimal digits; true when it needs a new leading 1.
bool Increment(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

// The digits of a magnitude rounded half away from zero to `decimals`
// decimals, on its shortest decimal text: the integer digits without
// leading zeros ("" below 1), and exactly `decimals` decimals.
void Digits(double magnitude, std::size_t decimals, std::string& integer, std::string& fraction) {
  char buf[512];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
  std::string text = ec == std::errc() ? std::string(buf, end) : std::string("0");
  const std::size_t dot = text.find('.');
  integer = text.substr(0, dot);
  fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
  if (fraction.size() > decimals) {
    const bool up = fraction[decimals] >= '5';
    fraction.resize(decimals);
    if (up && Increment(fraction) && Increment(integer)) integer.insert(0, "1");
  }
  fraction.resize(decimals, '0');
  const std::size_t first = integer.find_first_not_of('0');
  integer = first == std::string::npos ? std::string() : integer.substr(first);
}

std::string Group(const std::string& digits, const std::string& separator) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

}  // namespace

std::vector<JetNumberFormat::Item> JetNumberFormat::Cut(std::string_view p) {
  std::vector<Item> items;
  bool point = false, exponent = false;
  for (std::size_t i = 0; i < p.size();) {
    std::string literal;
    if (JetFormatSections::Literal(p, i, literal)) {
      if (!literal.empty()) items.push_back({Item::Literal, literal});
      continue;
    }
    const char c = p[i];
    if (c == '0' || c == '#') {
      items.push_back({Item::Digit, "", c});
    } else if (c == '.' && !point && !exponent) {
      point = true;
      items.push_back({Item::Point, ""});
    } else if (c == ',' && !exponent) {
      items.push_back({Item::Comma, ""});
    } else if ((c == 'E' || c == 'e') && !exponent && i + 1 < p.size() &&
               (p[i + 1] == '+' || p[i + 1] == '-')) {
      exponent = true;
      items.push_back({Item::Exponent, std::string(p.substr(i, 2))});
      ++i;
    } else if (c == '%') {
      items.push_back({Item::Percent, "%"});
    } else if (c != '!') {
      items.push_back({Item::Literal, std::string(1, c)});
    }
    ++i;
  }
  return items;
}

JetNumberFormat::Plan JetNumberFormat::Read(std::string_view section) {
  Plan plan;
  plan.items = Cut(section);
  const std::vector<Item>& items = plan.items;
  const std::size_t n = items.size();
  std::size_t pointAt = n, exponentAt = n;
  for (std::size_t k = 0; k < n; ++k) {
    if (items[k].kind == Item::Point && pointAt == n) pointAt = k;
    if (items[k].kind == Item::Exponent) exponentAt = k;
  }
  const std::size_t integerEnd = std::min(pointAt, exponentAt);
  std::size_t firstInteger = n, integerPlaces = 0, decimals = 0, minDecimals = 0;
  std::size_t exponentPlaces = 0, firstZero = n;
  for (std::size_t k = 0; k < n; ++k) {
    if (items[k].kind != Item::Digit) continue;
    if (k < integerEnd) {
      if (firstInteger == n) firstInteger = k;
      if (firstZero == n && items[k].placeholder == '0') firstZero = k;
      ++integerPlaces;
    } else if (k < exponentAt) {
      ++decimals;
      if (items[k].placeholder == '0') minDecimals = decimals;
    } else {
      ++exponentPlaces;
    }
  }
  bool grouping = false;
  int percents = 0, scales = 0;
  for (std::size_t k = 0; k < n; ++k) {
    if (items[k].kind == Item::Percent) ++percents;
    if (items[k].kind != Item::Comma) continue;
    // A comma before a digit groups; one that ends the digits (before the
    // point, the exponent or the end) divides by 1000.
    std::size_t next = k + 1;
    while (next < n && items[next].kind == Item::Comma) ++next;
    if (next < n && items[next].kind == Item::Digit)
      grouping = grouping || k < integerEnd;
    else
      ++scales;
  }
  plan.exponentAt = exponentAt;
  plan.integerEnd = integerEnd;
  plan.firstInteger = firstInteger;
  plan.integerPlaces = integerPlaces;
  plan.decimals = decimals;
  plan.minDecimals = minDecimals;
  plan.exponentPlaces = exponentPlaces;
  plan.firstZero = firstZero;
  plan.grouping = grouping;
  plan.percents = percents;
  plan.scales = scales;
  return plan;
}

std::string JetNumberFormat::Written(double value, const Plan& plan, bool& zero) {
  const RegionalSettings& rs = RegionalSettings::Current();
  const std::vector<Item>& items = plan.items;
  const std::size_t n = items.size();
  const std::size_t exponentAt = plan.exponentAt, integerEnd = plan.integerEnd;
  const std::size_t firstInteger = plan.firstInteger, integerPlaces = plan.integerPlaces;
  const std::size_t decimals = plan.decimals, minDecimals = plan.minDecimals;
  const std::size_t exponentPlaces = plan.exponentPlaces, firstZero = plan.firstZero;
  const bool grouping = plan.grouping;
  const int percents = plan.percents, scales = plan.scales;
  for (int k = 0; k < percents; ++k) value *= 100;
  for (int k = 0; k < scales; ++k) value /= 1000;

  int exponent = 0;
  std::string integer, fraction;
  if (exponentAt != n && value != 0) {
    // As many integer digits as the mantissa has placeholders (one at least).
    const int places = static_cast<int>(std::max<std::size_t>(integerPlaces, 1));
    exponent = static_cast<int>(std::floor(std::log10(value))) - (places - 1);
    Digits(value / std::pow(10.0, exponent), decimals, integer, fraction);
    if (static_cast<int>(integer.size()) > places) {
      ++exponent;
      Digits(value / std::pow(10.0, exponent), decimals, integer, fraction);
    }
  } else {
    Digits(value, decimals, integer, fraction);
  }
  zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
  // Decimals past the last 0 placeholder show only up to the last digit
  // that is not 0.
  const std::size_t lastDigit = fraction.find_last_not_of('0');
  const std::size_t kept =
      std::max(minDecimals, lastDigit == std::string::npos ? std::size_t{0} : lastDigit + 1);

  std::string out;
  if (grouping && firstInteger != n) {
    // From the first 0 placeholder on, every placeholder shows a digit.
    std::size_t forced = 0;
    for (std::size_t k = firstZero; k < integerEnd; ++k) forced += items[k].kind == Item::Digit;
    std::string digits = integer;
    if (digits.size() < forced) digits.insert(0, forced - digits.size(), '0');
    for (std::size_t k = 0; k < integerEnd; ++k) {
      if (k == firstInteger) out += Group(digits, rs.thousandsSeparator);
      if (items[k].kind == Item::Literal || items[k].kind == Item::Percent) out += items[k].text;
    }
  } else {
    // The integer digits from the right, around the literals between them:
    // written backwards, then turned round.
    std::size_t left = integer.size();
    for (std::size_t k = integerEnd; k-- > 0;) {
      const Item& item = items[k];
      if (item.kind == Item::Literal || item.kind == Item::Percent) {
        out.append(item.text.rbegin(), item.text.rend());
      } else if (item.kind == Item::Digit) {
        if (left > 0) {
          out += integer[--left];
        } else if (item.placeholder == '0') {
          out += '0';
        }
        if (k == firstInteger && left > 0) {
          out.append(integer.rend() - static_cast<std::ptrdiff_t>(left), integer.rend());
          left = 0;
        }
      }
    }
    std::reverse(out.begin(), out.end());
  }
  std::string exponentDigits = std::to_string(std::abs(exponent));
  if (exponentDigits.size() < exponentPlaces)
    exponentDigits.insert(0, exponentPlaces - exponentDigits.size(), '0');
  std::size_t decimal = 0;
  bool exponentWritten = false;
  for (std::size_t k = integerEnd; k < n; ++k) {
    const Item& item = items[k];
    if (item.kind == Item::Point) {
      out += rs.decimalSeparator;
    } else if (item.kind == Item::Literal || item.kind == Item::Percent) {
      out += item.text;
    } else if (item.kind == Item::Exponent) {
      out += item.text[0];
      if (exponent < 0) out += '-';
      if (exponent >= 0 && item.text[1] == '+') out += '+';
      // Without placeholders after it, the exponent is written as it is.
      if (exponentPlaces == 0) out += exponentDigits;
    } else if (item.kind == Item::Digit && k < exponentAt) {
      if (decimal < kept) out += fraction[decimal];
      ++decimal;
    } else if (item.kind == Item::Digit && !exponentWritten) {
      out += exponentDigits;
      exponentWritten = true;
    }
  }
  return out;
}

JetNumberFormat::JetNumberFormat(std::string_view pattern) {
  for (const std::string& section : JetFormatSections::Split(pattern)) {
    sections_.push_back(section.empty() ? std::nullopt : std::optional<Plan>(Read(section)));
  }
}

std::string JetNumberFormat::Format(double value) const {
  auto usable = [&](std::size_t k) { return sections_.size() > k && sections_[k].has_value(); };
  if (!usable(0)) return JetNumberText::Write(value);
  bool zero = false;
  std::string text;
  if (value < 0 && usable(1)) {
    text = Written(-value, *sections_[1], zero);
  } else if (value == 0 && usable(2)) {
    return Written(0, *sections_[2], zero);
  } else {
    text = Written(std::fabs(value), *sections_[0], zero);
    if (value < 0 && !zero) text.insert(0, "-");
  }
  // A number written as zero takes the zero section.
  if (value != 0 && zero && usable(2)) return Written(0, *sections_[2], zero);
  return text;
}

std::string JetNumberFormat::Apply(double value, std::string_view pattern) {
  return JetNumberFormat(pattern).Format(value);
}

std::string JetNumberFormat::Section(double magnitude, std::string_view section, bool& zero) {
  return Written(magnitude, Read(section), zero);
}

}  // namespace dao
