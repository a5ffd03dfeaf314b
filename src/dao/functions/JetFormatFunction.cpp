/*
** Jet's Format and its kin. See JetFormatFunction.h.
**
** The patterns themselves are read by JetNumberFormat and JetDateFormat;
** this file chooses between them, reads the named formats, fills text
** patterns and writes the Format... functions' fixed forms. The last
** pattern read is kept, per thread, with its sections cut: the rows of a
** statement share one pattern, so it is read once, not once per row. The
** regional separators are taken as each value is written, not kept.
*/
#include "dao/functions/JetFormatFunction.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/RegionalSettings.h"
#include "common/TextCase.h"
#include "dao/functions/JetDateFormat.h"
#include "dao/functions/JetDateSerial.h"
#include "dao/functions/JetDateText.h"
#include "dao/functions/JetFormatSections.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetNumberFormat.h"
#include "dao/functions/JetNumberText.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;
using Kind = JetFormatSections::Kind;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && JetFormatSections::WordAt(a, 0, b);
}

// The value as a date: a Date or a number of the calendar, a date text, or
// a text that is such a number.
std::optional<double> DateOf(const JetArgs& args) {
  if (args.Storage(0) == JetStorage::Text) {
    if (const auto date = args.AsDate(0)) return date;
    const auto number = args.AsNumber(0);
    if (number && JetDateSerial::InCalendar(*number)) return number;
    return std::nullopt;
  }
  return args.AsDate(0);
}

// The value as text, as the type it has.
std::string TextOf(const JetArgs& args) {
  return args.Text(0, args.FirstType());
}

// --- text patterns ----------------------------------------------------------

std::string TextPattern(const std::string& text, std::string_view pattern) {
  const std::vector<std::string> sections = JetFormatSections::Split(pattern);
  const std::string& p = text.empty() && sections.size() >= 2 ? sections[1] : sections[0];
  struct Piece {
    bool slot;
    char placeholder;
    std::string literal;
  };
  std::vector<Piece> pieces;
  bool upper = false, lower = false, fromLeft = false;
  std::size_t slots = 0;
  for (std::size_t i = 0; i < p.size();) {
    std::string literal;
    if (JetFormatSections::Literal(p, i, literal)) {
      pieces.push_back({false, 0, literal});
      continue;
    }
    const char c = p[i++];
    if (c == '@' || c == '&') {
      pieces.push_back({true, c, ""});
      ++slots;
    } else if (c == '<' || c == '>' || c == '!') {
      upper = upper || c == '>';
      lower = lower || c == '<';
      fromLeft = fromLeft || c == '!';
    } else {
      pieces.push_back({false, 0, std::string(1, c)});
    }
  }
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = TextCase::Decode(text, i);
    if (upper) c = TextCase::UpperChar(c);
    if (lower) c = TextCase::LowerChar(c);
    chars.emplace_back();
    TextCase::Encode(c, chars.back());
  }
  auto join = [&](std::size_t begin, std::size_t end) {
    std::string out;
    for (std::size_t k = begin; k < end; ++k) out += chars[k];
    return out;
  };
  std::string out;
  if (slots == 0) {
    for (const Piece& piece : pieces) out += piece.literal;
    return out + join(0, chars.size());
  }
  std::vector<std::string> filled(pieces.size());
  std::size_t seen = 0;
  if (fromLeft) {
    std::size_t next = 0;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      if (!pieces[k].slot) continue;
      ++seen;
      if (next < chars.size()) {
        filled[k] = seen == slots ? join(next, chars.size()) : chars[next];
        next = seen == slots ? chars.size() : next + 1;
      } else if (pieces[k].placeholder == '@') {
        filled[k] = " ";
      }
    }
  } else {
    std::size_t left = chars.size();
    for (std::size_t k = pieces.size(); k-- > 0;) {
      if (!pieces[k].slot) continue;
      ++seen;
      if (left > 0) {
        filled[k] = seen == slots ? join(0, left) : chars[left - 1];
        left = seen == slots ? 0 : left - 1;
      } else if (pieces[k].placeholder == '@') {
        filled[k] = " ";
      }
    }
  }
  for (std::size_t k = 0; k < pieces.size(); ++k)
    out += pieces[k].slot ? filled[k] : pieces[k].literal;
  return out;
}

// --- the Format... functions' fixed forms -----------------------------------

struct NumberStyle {
  long decimals = 2;
  bool leadingDigit = true;
  bool parentheses = false;
  bool groups = true;
};

// A tristate argument: -1 True, 0 False, -2 (or absent) the regional one.
bool Tristate(const JetArgs& args, int i, bool regional) {
  const long value = args.OptionalWhole(i, -2);
  if (value == -2) return regional;
  return value != 0;
}

NumberStyle StyleOf(const JetArgs& args) {
  NumberStyle style;
  const long decimals = args.OptionalWhole(1, -1);
  if (decimals < -1 || decimals > 255) Fail(kInvalidCall);
  if (decimals >= 0) style.decimals = decimals;
  style.leadingDigit = Tristate(args, 2, true);
  style.parentheses = Tristate(args, 3, false);
  style.groups = Tristate(args, 4, true);
  return style;
}

std::string Styled(double value, const NumberStyle& style, const std::string& prefix,
                   const std::string& suffix) {
  std::string pattern = style.groups ? "#,##0" : "0";
  if (style.decimals > 0)
    pattern += "." + std::string(static_cast<std::size_t>(style.decimals), '0');
  bool zero = false;
  std::string digits = JetNumberFormat::Section(std::fabs(value), pattern, zero);
  const std::string lead = "0" + RegionalSettings::Current().decimalSeparator;
  if (!style.leadingDigit && digits.compare(0, lead.size(), lead) == 0) digits.erase(0, 1);
  const std::string body = prefix + digits + suffix;
  if (value >= 0 || zero) return body;
  return style.parentheses ? "(" + body + ")" : "-" + body;
}

constexpr const char* kCurrencySign = "$ ";

std::string CurrencyText(double value, const NumberStyle& style) {
  return Styled(value, style, kCurrencySign, "");
}

// --- Format -------------------------------------------------------------------

struct NumberName {
  const char* name;
  const char* pattern;
};
constexpr NumberName kNumbers[] = {{"General Number", ""}, {"Currency", ""},
                                   {"Fixed", "0.00"},      {"Standard", "#,##0.00"},
                                   {"Percent", "0.00%"},   {"Scientific", "0.00E+00"}};
struct TruthName {
  const char* name;
  const char* yes;
  const char* no;
};
constexpr TruthName kTruths[] = {{"Yes/No", "Sí", "No"},
                                 {"True/False", "Verdadero", "Falso"},
                                 {"On/Off", "Activado", "Desactivado"}};
struct DateName {
  const char* name;
  std::string (*write)(double);
};
constexpr DateName kDates[] = {
    {"General Date", JetDateText::Write},       {"Long Date", JetDateFormat::LongDate},
    {"Medium Date", JetDateFormat::MediumDate}, {"Short Date", JetDateFormat::ShortDate},
    {"Long Time", JetDateFormat::LongTime},     {"Medium Time", JetDateFormat::MediumTime},
    {"Short Time", JetDateFormat::ShortTime}};

bool IsNamed(std::string_view name) {
  for (const auto& n : kNumbers) {
    if (SameName(name, n.name)) return true;
  }
  for (const auto& t : kTruths) {
    if (SameName(name, t.name)) return true;
  }
  for (const auto& d : kDates) {
    if (SameName(name, d.name)) return true;
  }
  return false;
}

std::optional<std::string> Named(std::string_view name, const JetArgs& args) {
  for (const auto& n : kNumbers) {
    if (!SameName(name, n.name)) continue;
    const auto d = args.AsNumber(0);
    if (!d) return TextOf(args);
    if (n.name == kNumbers[0].name) {
      const int digits = args.FirstType() == dbSingle ? JetNumberText::kSingleDigits
                                                      : JetNumberText::kDoubleDigits;
      return args.Storage(0) == JetStorage::Integer ? std::to_string(args[0].integer)
                                                    : JetNumberText::Write(*d, digits);
    }
    if (n.name == kNumbers[1].name) return CurrencyText(*d, NumberStyle());
    return JetNumberFormat::Apply(*d, n.pattern);
  }
  for (const auto& t : kTruths) {
    if (!SameName(name, t.name)) continue;
    const auto d = args.AsNumber(0);
    if (!d) return TextOf(args);
    return std::string(*d != 0 ? t.yes : t.no);
  }
  for (const auto& d : kDates) {
    if (!SameName(name, d.name)) continue;
    const auto serial = DateOf(args);
    if (!serial) return TextOf(args);
    return d.write(*serial);
  }
  return std::nullopt;
}

// A pattern as Format reads it, kept while the calls bring the same text:
// a statement formats all its rows under one pattern, so it is read once
// per statement rather than once per row.
struct ReadPattern {
  std::string text;
  Kind kind = Kind::Literal;
  bool named = false;
  std::vector<std::string> sections;
  std::optional<JetNumberFormat> number;  // a number or literal pattern's
  std::optional<JetDateFormat> date;      // a date pattern's first section
};

const ReadPattern& PatternOf(std::string_view text) {
  thread_local std::optional<ReadPattern> last;
  if (last && last->text == text) return *last;
  ReadPattern read;
  read.text = text;
  read.kind = JetFormatSections::KindOf(text);
  read.named = IsNamed(text);
  read.sections = JetFormatSections::Split(text);
  if (!read.named && (read.kind == Kind::Number || read.kind == Kind::Literal))
    read.number.emplace(text);
  if (!read.named && read.kind == Kind::Date) read.date.emplace(read.sections[0]);
  last = std::move(read);
  return *last;
}

// Without a pattern a value is written as CStr writes it.
std::string General(const JetArgs& args) {
  if (args.FirstType() == dbDate && !args.AsDate(0)) Fail(kOverflow);
  return TextOf(args);
}

JetValue Format(const JetArgs& args) {
  const int firstDay = args.FirstDayOfWeek(2, 1);
  long rule = args.OptionalWhole(3, 1);
  if (rule < 0 || rule > 3) Fail(kInvalidCall);
  if (rule == 0) rule = 1;
  // A text pattern is read where SQLite holds it, without a copy.
  std::string converted;
  std::string_view text;
  if (args.Count() > 1) {
    if (args.Storage(1) == JetStorage::Text || args.Storage(1) == JetStorage::Blob) {
      text = args[1].bytes;
    } else {
      converted = args.Text(1);
      text = converted;
    }
  }
  const ReadPattern& pattern = PatternOf(text);
  const Kind kind = pattern.kind;
  if (args.IsNull(0)) {
    const std::vector<std::string>& sections = pattern.sections;
    if (kind == Kind::Text && sections.size() >= 2) return JetValue::Text(TextPattern("", text));
    if (sections.size() < 4) return JetValue();
    bool zero = false;
    return JetValue::Text(JetNumberFormat::Section(0, sections[3], zero));
  }
  if (text.empty()) return JetValue::Text(General(args));
  if (pattern.named) {
    if (auto named = Named(text, args)) return JetValue::Text(std::move(*named));
  }
  const bool isDate = args.FirstType() == dbDate;
  switch (kind) {
    case Kind::Date: {
      const auto serial = DateOf(args);
      if (serial)
        return JetValue::Text(pattern.date->Format(*serial, firstDay, static_cast<int>(rule)));
      if (args.IsNumber(0)) Fail(kOverflow);
      return JetValue::Text(TextOf(args));
    }
    case Kind::Text:
      return JetValue::Text(TextPattern(TextOf(args), text));
    case Kind::Number:
    case Kind::Literal:
      break;
  }
  const auto d = isDate ? args.AsDate(0) : args.AsNumber(0);
  if (d) return JetValue::Text(pattern.number->Format(*d));
  return JetValue::Text(kind == Kind::Literal ? TextPattern(TextOf(args), text) : TextOf(args));
}

JetValue FormatNumber(const JetArgs& args) {
  const NumberStyle style = StyleOf(args);
  if (args.IsNull(0)) return JetValue();
  return JetValue::Text(Styled(args.Number(0), style, "", ""));
}

JetValue FormatPercent(const JetArgs& args) {
  const NumberStyle style = StyleOf(args);
  if (args.IsNull(0)) return JetValue();
  return JetValue::Text(Styled(args.Number(0) * 100, style, "", "%"));
}

JetValue FormatCurrency(const JetArgs& args) {
  const NumberStyle style = StyleOf(args);
  if (args.IsNull(0)) return JetValue();
  return JetValue::Text(CurrencyText(args.Number(0), style));
}

JetValue FormatDateTime(const JetArgs& args) {
  const long kind = args.OptionalWhole(1, 0);
  if (kind < 0 || kind > 4) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  const double serial = args.Date(0);
  static std::string (*const kWrite[])(double) = {JetDateText::Write, JetDateFormat::LongDate,
                                                  JetDateFormat::ShortDate, JetDateFormat::LongTime,
                                                  JetDateFormat::ShortTime};
  return JetValue::Text(kWrite[kind](serial));
}

constexpr JetFunction kRows[] = {
    Scalar("Format", "jet_format", 1, 4, Format).Returns(dbText).Typed(),
    Scalar("Format$", "jet_format_s", 1, 4, NotNull<Format>).Returns(dbText).Typed(),
    Scalar("FormatNumber", "jet_formatnumber", 1, 5, FormatNumber).Returns(dbText),
    Scalar("FormatPercent", "jet_formatpercent", 1, 5, FormatPercent).Returns(dbText),
    Scalar("FormatCurrency", "jet_formatcurrency", 1, 5, FormatCurrency).Returns(dbText),
    Scalar("FormatDateTime", "jet_formatdatetime", 1, 2, FormatDateTime).Returns(dbText),
};

}  // namespace

std::span<const JetFunction> JetFormatFunction() {
  return kRows;
}

}  // namespace dao
