/*
** Format's date patterns. See JetDateFormat.h.
**
** The pattern is cut into tokens first, so that an "m" can look at the
** tokens around it to tell a minute from a month.
*/
#include "dao/functions/JetDateFormat.h"

#include <cstdio>
#include <vector>

#include "common/DateSerial.h"
#include "common/RegionalSettings.h"
#include "common/ValueFormat.h"
#include "dao/functions/JetCalendar.h"
#include "dao/functions/JetDateText.h"
#include "dao/functions/JetFormatSections.h"

namespace dao {

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// The longest token a run of `run` equal letters starts with.
int TokenLength(char letter, int run) {
  switch (letter) {
    case 'd':
      return std::min(run, 6);
    case 'w':
    case 'h':
    case 'n':
    case 's':
      return std::min(run, 2);
    case 'm':
      return std::min(run, 4);
    case 'y':
      return run >= 4 ? 4 : run >= 2 ? 2 : 1;
    case 't':
      return run >= 5 ? 5 : 0;
    case 'q':
    case 'c':
      return 1;
    default:
      return 0;
  }
}

}  // namespace

std::vector<JetDateFormat::Token> JetDateFormat::Cut(std::string_view p) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < p.size();) {
    std::string literal;
    if (JetFormatSections::Literal(p, i, literal)) {
      tokens.push_back({Token::Literal, literal});
      continue;
    }
    std::size_t mark = 0;
    if (JetFormatSections::WordAt(p, i, "AM/PM")) mark = 5;
    if (mark == 0 && JetFormatSections::WordAt(p, i, "AMPM")) mark = 4;
    if (mark == 0 && JetFormatSections::WordAt(p, i, "A/P")) mark = 3;
    if (mark != 0) {
      tokens.push_back({Token::Meridian, std::string(p.substr(i, mark))});
      i += mark;
      continue;
    }
    const char c = Lower(p[i]);
    int run = 1;
    while (i + run < p.size() && Lower(p[i + run]) == c) ++run;
    if (const int length = TokenLength(c, run)) {
      tokens.push_back({Token::Part, "", c, length});
      i += static_cast<std::size_t>(length);
      continue;
    }
    if (p[i] == '/') {
      tokens.push_back({Token::DateSeparator, ""});
    } else if (p[i] != '!') {
      tokens.push_back({Token::Literal, std::string(1, p[i])});
    }
    ++i;
  }
  return tokens;
}

namespace {

std::string TwoDigits(int n) {
  // A date's parts are all below 100: written by hand, as printf would.
  if (n >= 0 && n < 100) return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

// The nearest part token before or after k, or nullptr.
const JetDateFormat::Token* PartNear(const std::vector<JetDateFormat::Token>& tokens, std::size_t k,
                                     bool after) {
  if (after) {
    for (std::size_t j = k + 1; j < tokens.size(); ++j) {
      if (tokens[j].kind == JetDateFormat::Token::Part) return &tokens[j];
    }
  } else {
    for (std::size_t j = k; j-- > 0;) {
      if (tokens[j].kind == JetDateFormat::Token::Part) return &tokens[j];
    }
  }
  return nullptr;
}

}  // namespace

JetDateFormat::JetDateFormat(std::string_view section) : tokens_(Cut(section)) {}

std::string JetDateFormat::Apply(double serial, std::string_view section, int firstDay,
                                 int firstWeek) {
  return JetDateFormat(section).Format(serial, firstDay, firstWeek);
}

std::string JetDateFormat::Format(double serial, int firstDay, int firstWeek) const {
  const std::vector<Token>& tokens = tokens_;
  const DateSerial::Parts parts = DateSerial::Split(serial);
  const long long day = JetCalendar::DayOf(serial);
  bool twelve = false;
  for (const Token& t : tokens) twelve = twelve || t.kind == Token::Meridian;
  const bool pm = parts.hour >= 12;
  const int hour = twelve ? (parts.hour % 12 == 0 ? 12 : parts.hour % 12) : parts.hour;
  std::string out;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const Token& t = tokens[k];
    if (t.kind == Token::Literal) {
      out += t.text;
      continue;
    }
    if (t.kind == Token::DateSeparator) {
      out += RegionalSettings::Current().dateSeparator;
      continue;
    }
    if (t.kind == Token::Meridian) {
      if (t.text.size() == 4) {
        out += pm ? "p.m." : "a.m.";
      } else if (t.text.size() == 5) {
        out += pm ? t.text.substr(3, 2) : t.text.substr(0, 2);
      } else {
        out += pm ? t.text.substr(2, 1) : t.text.substr(0, 1);
      }
      continue;
    }
    const int n = t.length;
    switch (t.letter) {
      case 'd':
        if (n <= 2) out += n == 1 ? std::to_string(parts.day) : TwoDigits(parts.day);
        if (n == 3 || n == 4) out += JetCalendar::DayName(JetCalendar::WeekdayOf(day, 1), n == 3);
        if (n == 5) out += ShortDate(serial);
        if (n == 6) out += LongDate(serial);
        break;
      case 'm': {
        const Token* before = PartNear(tokens, k, false);
        const Token* after = PartNear(tokens, k, true);
        const bool minute =
            n <= 2 && ((before && before->letter == 'h') || (after && after->letter == 's'));
        const int value = minute ? parts.minute : parts.month;
        if (n <= 2) out += n == 1 ? std::to_string(value) : TwoDigits(value);
        if (n >= 3) out += JetCalendar::MonthName(parts.month, n == 3);
        break;
      }
      case 'y':
        if (n == 1) {
          out += std::to_string(day -
                                static_cast<long long>(DateSerial::FromYmd(parts.year, 1, 1)) + 1);
        } else {
          out += ValueFormat::FormatDate(serial, n == 4 ? "yyyy" : "yy");
        }
        break;
      case 'w':
        out +=
            std::to_string(n == 1 ? JetCalendar::WeekdayOf(day, firstDay)
                                  : JetCalendar::WeekOfYear(day, parts.year, firstDay, firstWeek));
        break;
      case 'q':
        out += std::to_string((parts.month - 1) / 3 + 1);
        break;
      case 'h':
        out += n == 1 ? std::to_string(hour) : TwoDigits(hour);
        break;
      case 'n':
        out += n == 1 ? std::to_string(parts.minute) : TwoDigits(parts.minute);
        break;
      case 's':
        out += n == 1 ? std::to_string(parts.second) : TwoDigits(parts.second);
        break;
      case 't':
        out += LongTime(serial);
        break;
      case 'c':
        out += JetDateText::Write(serial);
        break;
      default:
        break;
    }
  }
  return out;
}

std::string JetDateFormat::LongDate(double serial) {
  return Apply(serial, "dddd, d \"de\" mmmm \"de\" yyyy");
}

std::string JetDateFormat::MediumDate(double serial) {
  return Apply(serial, "dd-mmm-yy");
}

std::string JetDateFormat::ShortDate(double serial) {
  return ValueFormat::ShortDate(serial);
}

std::string JetDateFormat::LongTime(double serial) {
  return JetDateText::LongTime(serial);
}

std::string JetDateFormat::MediumTime(double serial) {
  return Apply(serial, "hh:nn AMPM");
}

std::string JetDateFormat::ShortTime(double serial) {
  return Apply(serial, "hh:nn");
}

}  // namespace dao
