/*
** Jet's Format. See JetFormatFunction.h.
**
** The digits of a number are written by ValueFormat::FormatNumber and the
** day, month and year of a date by ValueFormat::FormatDate and ShortDate;
** this file only reads the pattern around them: sections, literals, the
** percent and exponent marks, names, weeks and the clock.
*/
#include "dao/functions/JetFormatFunction.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/DateSerial.h"
#include "common/RegionalSettings.h"
#include "common/TextCase.h"
#include "common/ValueFormat.h"
#include "common/Variant.h"
#include "dao/functions/JetCalendar.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

// Sections split at ";" outside quotes and escapes.
std::vector<std::string> Sections(const std::string& pattern) {
  std::vector<std::string> out(1);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '"') {
      const std::size_t close = pattern.find('"', i + 1);
      const std::size_t end = close == std::string::npos ? pattern.size() : close + 1;
      out.back() += pattern.substr(i, end - i);
      i = end - 1;
    } else if (c == '\\' && i + 1 < pattern.size()) {
      out.back() += pattern.substr(i, 2);
      ++i;
    } else if (c == ';') {
      out.emplace_back();
    } else {
      out.back() += c;
    }
  }
  return out;
}

// Reads a quoted or escaped literal at `i`; false when there is none.
bool Literal(const std::string& p, std::size_t& i, std::string& out) {
  if (p[i] == '"') {
    const std::size_t close = p.find('"', i + 1);
    const std::size_t end = close == std::string::npos ? p.size() : close;
    out += p.substr(i + 1, end - i - 1);
    i = end + 1;
    return true;
  }
  if (p[i] == '\\') {
    if (i + 1 < p.size()) out += p[i + 1];
    i += 2;
    return true;
  }
  return false;
}

bool StartsWithWord(const std::string& p, std::size_t i, std::string_view word) {
  return p.size() - i >= word.size() && SameWord(std::string_view(p).substr(i, word.size()), word);
}

bool IsDatePattern(const std::string& p) {
  for (std::size_t i = 0; i < p.size();) {
    std::string ignored;
    if (Literal(p, i, ignored)) continue;
    const char c = Lower(p[i]);
    if (c == 'e' && i + 1 < p.size() && (p[i + 1] == '+' || p[i + 1] == '-')) {
      i += 2;
      continue;
    }
    if (std::string_view("dwmqyhnstc").find(c) != std::string_view::npos) return true;
    if (StartsWithWord(p, i, "AM/PM") || StartsWithWord(p, i, "A/P")) return true;
    ++i;
  }
  return false;
}

// --- dates ----------------------------------------------------------------

std::string FormatDatePattern(double serial, const std::string& p, int firstDay, int rule);

std::string LongDate(double serial) {
  return FormatDatePattern(serial, "dddd, d \"de\" mmmm \"de\" yyyy", 1, 1);
}

std::string LongTime(double serial) {
  return FormatDatePattern(serial, "hh:nn:ss", 1, 1);
}

std::string GeneralDate(double serial) {
  return ValueFormat::ToText(Variant::FromDate(serial));
}

std::string FormatDatePattern(double serial, const std::string& p, int firstDay, int rule) {
  const DateSerial::Parts parts = DateSerial::Split(serial);
  const long long day = JetCalendar::DayOf(serial);
  // A twelve-hour clock when the pattern holds an AM/PM mark anywhere.
  bool twelve = false;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (StartsWithWord(p, i, "AM/PM") || StartsWithWord(p, i, "A/P") ||
        StartsWithWord(p, i, "AMPM"))
      twelve = true;
  }
  const int hour = twelve ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
  const bool pm = parts.hour >= 12;
  std::string out;
  bool afterHour = false;  // "m" right after an hour is the minute
  for (std::size_t i = 0; i < p.size();) {
    if (Literal(p, i, out)) continue;
    if (StartsWithWord(p, i, "AM/PM")) {
      const bool lower = p[i] == 'a';
      out += pm ? (lower ? "pm" : "PM") : (lower ? "am" : "AM");
      i += 5;
      continue;
    }
    if (StartsWithWord(p, i, "A/P")) {
      const bool lower = p[i] == 'a';
      out += pm ? (lower ? "p" : "P") : (lower ? "a" : "A");
      i += 3;
      continue;
    }
    if (StartsWithWord(p, i, "AMPM")) {
      out += pm ? "p.m." : "a.m.";
      i += 4;
      continue;
    }
    const char c = Lower(p[i]);
    std::size_t run = 1;
    while (i + run < p.size() && Lower(p[i + run]) == c) ++run;
    const std::string token = p.substr(i, run);
    bool minuteNext = false;
    if (c == 'm' && run <= 2) {
      std::size_t j = i + run;
      while (j < p.size() && std::string_view(":./- ").find(p[j]) != std::string_view::npos) ++j;
      minuteNext = j < p.size() && Lower(p[j]) == 's';
    }
    bool keepsHour = false;
    if (c == 'd') {
      if (run <= 2)
        out += ValueFormat::FormatDate(serial, token);
      else if (run <= 4)
        out += JetCalendar::DayName(JetCalendar::WeekdayOf(day, 1), run == 3);
      else if (run == 5)
        out += ValueFormat::ShortDate(serial);
      else
        out += LongDate(serial);
    } else if (c == 'm') {
      if (run <= 2 && (afterHour || minuteNext))
        out += run == 1 ? std::to_string(parts.minute) : TwoDigits(parts.minute);
      else if (run <= 2)
        out += ValueFormat::FormatDate(serial, token);
      else
        out += JetCalendar::MonthName(parts.month, run == 3);
    } else if (c == 'y') {
      if (run == 1)
        out +=
            std::to_string(day - static_cast<long long>(DateSerial::FromYmd(parts.year, 1, 1)) + 1);
      else
        out += ValueFormat::FormatDate(serial, run >= 4 ? "yyyy" : "yy");
    } else if (c == 'w') {
      out += std::to_string(run == 1 ? JetCalendar::WeekdayOf(day, firstDay)
                                     : JetCalendar::WeekOfYear(day, parts.year, firstDay, rule));
    } else if (c == 'q') {
      out += std::to_string((parts.month - 1) / 3 + 1);
    } else if (c == 'h') {
      out += run == 1 ? std::to_string(hour) : TwoDigits(hour);
      keepsHour = true;
    } else if (c == 'n') {
      out += run == 1 ? std::to_string(parts.minute) : TwoDigits(parts.minute);
    } else if (c == 's') {
      out += run == 1 ? std::to_string(parts.second) : TwoDigits(parts.second);
    } else if (c == 't' && run == 5) {
      out += LongTime(serial);
    } else if (c == 'c') {
      out += GeneralDate(serial);
    } else if (p[i] == '/') {
      out += RegionalSettings::Current().dateSeparator;
      run = 1;
    } else {
      out += token;
    }
    if (c != ':' && c != ' ') afterHour = keepsHour;
    i += run;
  }
  return out;
}

// --- numbers --------------------------------------------------------------

bool IsPlaceholder(char c) {
  return c == '0' || c == '#' || c == '.' || c == ',';
}

// Digits into placeholders split by literals, from the right ("000-000").
std::string FillDigits(double value, const std::string& p) {
  std::string digits = ValueFormat::FormatNumber(std::fabs(value), "0");
  if (digits == "0") digits.clear();
  std::vector<std::string> pieces;  // literals and single placeholders, in order
  for (std::size_t i = 0; i < p.size();) {
    std::string literal;
    if (Literal(p, i, literal)) {
      pieces.push_back("L" + literal);
    } else {
      pieces.push_back((p[i] == '0' || p[i] == '#' ? "P" : "L") + std::string(1, p[i]));
      ++i;
    }
  }
  std::size_t firstPlaceholder = 0;
  while (firstPlaceholder < pieces.size() && pieces[firstPlaceholder][0] == 'L') ++firstPlaceholder;
  std::string out;
  std::size_t left = digits.size();
  for (std::size_t k = pieces.size(); k-- > 0;) {
    const std::string& piece = pieces[k];
    if (piece[0] == 'L') {
      out.insert(0, piece.substr(1));
      continue;
    }
    // The leftmost placeholder takes every digit still left.
    if (k == firstPlaceholder && left > 0) {
      out.insert(0, digits.substr(0, left));
      left = 0;
    } else if (left > 0) {
      out.insert(0, 1, digits[--left]);
    } else if (piece[1] == '0') {
      out.insert(0, 1, '0');
    }
  }
  return out;
}

std::string FormatScientific(double value, const std::string& mantissa, char sign,
                             std::size_t exponentDigits) {
  std::size_t integerDigits = 0;
  for (char c : mantissa) {
    if (c == '.') break;
    if (c == '0' || c == '#') ++integerDigits;
  }
  if (integerDigits == 0) integerDigits = 1;
  int exponent = 0;
  double m = std::fabs(value);
  if (m != 0) {
    exponent = static_cast<int>(std::floor(std::log10(m))) - static_cast<int>(integerDigits - 1);
    m /= std::pow(10.0, exponent);
    // Rounding may carry into a new digit: 9.99 written as "0.0" is 10,0.
    const std::string text = ValueFormat::FormatNumber(m, mantissa);
    std::size_t written = 0;
    for (char c : text.substr(0, text.find(RegionalSettings::Current().decimalSeparator)))
      written += c >= '0' && c <= '9';
    if (written > integerDigits) {
      ++exponent;
      m /= 10;
    }
  }
  std::string digits = std::to_string(std::abs(exponent));
  while (digits.size() < exponentDigits) digits.insert(0, "0");
  std::string signText = exponent < 0 ? "-" : (sign == '+' ? "+" : "");
  return ValueFormat::FormatNumber(m, mantissa) + "E" + signText + digits;
}

std::string FormatNumberSection(double value, const std::string& p) {
  std::string prefix, suffix, placeholders;
  bool percent = false, split = false, seenPlaceholder = false, literalAfter = false;
  char exponentSign = 0;
  std::size_t exponentDigits = 0;
  for (std::size_t i = 0; i < p.size();) {
    std::string literal;
    if (Literal(p, i, literal)) {
      (seenPlaceholder ? suffix : prefix) += literal;
      literalAfter = literalAfter || seenPlaceholder;
      continue;
    }
    const char c = p[i];
    if ((c == 'E' || c == 'e') && i + 1 < p.size() && (p[i + 1] == '+' || p[i + 1] == '-')) {
      exponentSign = p[i + 1];
      i += 2;
      while (i < p.size() && (p[i] == '0' || p[i] == '#')) ++exponentDigits, ++i;
      continue;
    }
    if (IsPlaceholder(c)) {
      if (literalAfter && exponentSign == 0) split = true;
      seenPlaceholder = true;
      placeholders += c;
    } else {
      if (c == '%') percent = true;
      (seenPlaceholder ? suffix : prefix) += c;
      literalAfter = literalAfter || seenPlaceholder;
    }
    ++i;
  }
  if (percent) value *= 100;
  if (!seenPlaceholder) return prefix + suffix;
  if (split && placeholders.find_first_of(".,") == std::string::npos) return FillDigits(value, p);
  if (exponentSign != 0)
    return prefix + FormatScientific(value, placeholders, exponentSign, exponentDigits) + suffix;
  return prefix + ValueFormat::FormatNumber(std::fabs(value), placeholders) + suffix;
}

std::string FormatNumberPattern(double value, const std::string& pattern) {
  const std::vector<std::string> sections = Sections(pattern);
  if (value < 0 && sections.size() >= 2 && !sections[1].empty())
    return FormatNumberSection(-value, sections[1]);
  if (value == 0 && sections.size() >= 3 && !sections[2].empty())
    return FormatNumberSection(0, sections[2]);
  const std::string text = FormatNumberSection(value, sections[0]);
  // A single section writes the sign, unless the number rounds to zero.
  const bool zero = text.find_first_of("123456789") == std::string::npos;
  return value < 0 && !zero ? "-" + text : text;
}

// --- texts ----------------------------------------------------------------

std::string FormatTextPattern(const std::string& text, const std::string& p) {
  std::string s = text;
  std::vector<char32_t> chars;
  bool upper = p.find('>') != std::string::npos, lower = p.find('<') != std::string::npos;
  for (std::size_t i = 0; i < s.size();) {
    char32_t c = TextCase::Decode(s, i);
    if (upper) c = TextCase::UpperChar(c);
    if (lower) c = TextCase::LowerChar(c);
    chars.push_back(c);
  }
  std::size_t slots = 0;
  for (char c : p) slots += c == '@' || c == '&';
  std::string out;
  if (slots == 0) {
    for (char32_t c : chars) TextCase::Encode(c, out);
    return out;
  }
  // Filled from the right; characters beyond the slots go to the first one.
  std::size_t left = chars.size();
  for (std::size_t i = p.size(); i-- > 0;) {
    const char c = p[i];
    if (c == '@' || c == '&') {
      --slots;
      std::string piece;
      if (slots == 0) {
        for (std::size_t k = 0; k < left; ++k) TextCase::Encode(chars[k], piece);
        if (left == 0 && c == '@') piece = " ";
        left = 0;
      } else if (left > 0) {
        TextCase::Encode(chars[--left], piece);
      } else if (c == '@') {
        piece = " ";
      }
      out.insert(0, piece);
    } else if (c != '<' && c != '>' && c != '!') {
      out.insert(0, 1, c);
    }
  }
  return out;
}

// --- named formats --------------------------------------------------------

std::optional<std::string> Named(const std::string& name, const JetArgs& args) {
  static const struct {
    const char* name;
    const char* pattern;
  } kNumbers[] = {{"General Number", ""}, {"Currency", "\"$ \"#,##0.00"},
                  {"Fixed", "0.00"},      {"Standard", "#,##0.00"},
                  {"Percent", "0.00%"},   {"Scientific", "0.00E+00"}};
  for (const auto& n : kNumbers) {
    if (!SameWord(name, n.name)) continue;
    const auto d = args.AsNumber(0);
    if (!d) return args.Text(0);
    if (*n.pattern == '\0') return ValueFormat::ToText(Variant(*d));
    return FormatNumberPattern(*d, n.pattern);
  }
  static const struct {
    const char* name;
    const char* yes;
    const char* no;
  } kTruths[] = {{"Yes/No", "Sí", "No"},
                 {"True/False", "Verdadero", "Falso"},
                 {"On/Off", "Activado", "Desactivado"}};
  for (const auto& t : kTruths) {
    if (!SameWord(name, t.name)) continue;
    const auto d = args.AsNumber(0);
    if (!d) return args.Text(0);
    return std::string(*d != 0 ? t.yes : t.no);
  }
  static const char* const kDates[] = {"General Date", "Long Date",   "Medium Date", "Short Date",
                                       "Long Time",    "Medium Time", "Short Time"};
  for (const char* d : kDates) {
    if (!SameWord(name, d)) continue;
    const auto serial = args.AsDate(0);
    if (!serial) return args.Text(0);
    const std::string_view n(d);
    if (n == "General Date") return GeneralDate(*serial);
    if (n == "Long Date") return LongDate(*serial);
    if (n == "Medium Date") return FormatDatePattern(*serial, "dd-mmm-yy", 1, 1);
    if (n == "Short Date") return ValueFormat::ShortDate(*serial);
    if (n == "Long Time") return LongTime(*serial);
    if (n == "Medium Time") return FormatDatePattern(*serial, "hh:nn AMPM", 1, 1);
    return FormatDatePattern(*serial, "hh:nn", 1, 1);
  }
  return std::nullopt;
}

JetValue Format(const JetArgs& args) {
  const int firstDay = args.FirstDayOfWeek(2, 1);
  long rule = args.OptionalWhole(3, 1);
  if (rule < 0 || rule > 3) Fail(kInvalidCall);
  if (rule == 0) rule = 1;
  const std::string pattern = args.Count() > 1 ? args.Text(1) : std::string();
  if (args.IsNull(0)) {
    const std::vector<std::string> sections = Sections(pattern);
    if (sections.size() < 4) return JetValue();
    return JetValue::Text(FormatNumberSection(0, sections[3]));
  }
  const bool numeric = args.IsNumber(0);
  if (pattern.empty()) {
    if (numeric) return JetValue::Text(ValueFormat::ToText(Variant(*args.PlainNumber(0))));
    return JetValue::Text(args.Text(0));
  }
  if (const auto named = Named(pattern, args)) return JetValue::Text(*named);
  if (IsDatePattern(pattern)) {
    if (const auto serial = args.AsDate(0))
      return JetValue::Text(
          FormatDatePattern(*serial, Sections(pattern)[0], firstDay, static_cast<int>(rule)));
    if (numeric) Fail(kOverflow);
    return JetValue::Text(FormatTextPattern(args.Text(0), pattern));
  }
  if (const auto d = args.AsNumber(0)) return JetValue::Text(FormatNumberPattern(*d, pattern));
  return JetValue::Text(FormatTextPattern(args.Text(0), pattern));
}

// Without a pattern a Date is written as General Date writes it: it comes
// as its text; with one, the pattern reads the date itself.
unsigned FormatText(int count) {
  return count == 1 ? 1u : 0u;
}

constexpr JetFunction kRows[] = {
    Scalar("Format", "jet_format", 1, 4, Format).Returns(dbText).TextBy(FormatText),
};

}  // namespace

std::span<const JetFunction> JetFormatFunction() {
  return kRows;
}

}  // namespace dao
