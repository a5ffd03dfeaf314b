/*
** Date texts. See JetDateText.h.
**
** A text is cut into numbers, words and separators first; the time is the
** run of numbers joined by ":" (or an hour before AM/PM), the date what is
** left, read by how many numbers it has and whether a month is named.
*/
#include "dao/functions/JetDateText.h"

#include <cstdio>
#include <vector>

#include "common/DateSerial.h"
#include "common/RegionalSettings.h"
#include "common/TextCase.h"
#include "common/ValueFormat.h"
#include "dao/functions/JetDateSerial.h"

namespace dao {

namespace {

struct Piece {
  enum Kind { Number, Month, Meridian, Separator } kind;
  int value = 0;   // the number, the month (1-12), the meridian (1 AM, 2 PM)
  int digits = 0;  // Number: how many digits it was written with
  char separator = 0;
};

const char* const kMonths[] = {"enero",     "febrero",   "marzo",    "abril",      "mayo",
                               "junio",     "julio",     "agosto",   "septiembre", "octubre",
                               "noviembre", "diciembre", "january",  "february",   "march",
                               "april",     "may",       "june",     "july",       "august",
                               "september", "october",   "november", "december"};
const char* const kWeekdays[] = {
    "domingo", "lunes",  "martes",  "miércoles", "jueves",   "viernes", "sábado",
    "sunday",  "monday", "tuesday", "wednesday", "thursday", "friday",  "saturday",
    "sun",     "mon",    "tue",     "wed",       "thu",      "fri",     "sat"};

// The month a word names (1-12), 0 for none: a whole name, its first three
// letters, or "sept" / "setiembre".
int MonthOf(const std::string& word) {
  if (word == "setiembre" || word == "sept") return 9;
  for (int i = 0; i < 24; ++i) {
    const std::string name = kMonths[i];
    if (word == name || (word.size() == 3 && name.compare(0, 3, word) == 0)) return i % 12 + 1;
  }
  return 0;
}

bool IsWeekday(const std::string& word) {
  for (const char* name : kWeekdays) {
    if (word == name) return true;
  }
  return false;
}

bool IsLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

// Cuts the text; false when it holds anything no date can.
bool Cut(std::string_view text, std::vector<Piece>& pieces) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= '0' && c <= '9') {
      Piece p{Piece::Number};
      while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (++p.digits > 4) return false;
        p.value = p.value * 10 + (text[i++] - '0');
      }
      pieces.push_back(p);
    } else if (IsLetter(c)) {
      // A word may carry dots: "a.m.", "ene.".
      std::string word;
      while (i < text.size() && (IsLetter(static_cast<unsigned char>(text[i])) || text[i] == '.')) {
        if (text[i] != '.') word += text[i];
        ++i;
      }
      word = TextCase::Lower(word);
      if (word == "am" || word == "a") {
        pieces.push_back({Piece::Meridian, 1});
      } else if (word == "pm" || word == "p") {
        pieces.push_back({Piece::Meridian, 2});
      } else if (const int month = MonthOf(word)) {
        pieces.push_back({Piece::Month, month});
      } else if (!IsWeekday(word) && word != "de") {
        return false;
      }
    } else if (c == '/' || c == '-' || c == '.' || c == ',' || c == ':') {
      pieces.push_back({Piece::Separator, 0, 0, static_cast<char>(c)});
      ++i;
    } else if (c == ' ' || c == '\t') {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

struct Reading {
  std::vector<Piece> date;  // the numbers and month names of the date
  std::vector<char> dateSeparators;
  int time[3] = {0, 0, 0};
  int timeNumbers = 0;
  int meridian = 0;
  bool dateBeforeTime = false;
};

bool Split(const std::vector<Piece>& pieces, Reading& r) {
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Piece& p = pieces[i];
    const bool colonNext = i + 1 < pieces.size() && pieces[i + 1].kind == Piece::Separator &&
                           pieces[i + 1].separator == ':';
    const bool meridianNext = i + 1 < pieces.size() && pieces[i + 1].kind == Piece::Meridian;
    if (p.kind == Piece::Number && (colonNext || meridianNext) && r.timeNumbers == 0) {
      // The time: h[:mm[:ss]].
      r.dateBeforeTime = !r.date.empty();
      r.time[r.timeNumbers++] = p.value;
      while (i + 2 < pieces.size() && pieces[i + 1].kind == Piece::Separator &&
             pieces[i + 1].separator == ':' && pieces[i + 2].kind == Piece::Number) {
        if (r.timeNumbers == 3) return false;
        r.time[r.timeNumbers++] = pieces[i + 2].value;
        i += 2;
      }
      if (r.timeNumbers == 1 && !meridianNext) return false;
      continue;
    }
    if (p.kind == Piece::Meridian) {
      if (r.meridian != 0 || r.timeNumbers == 0) return false;
      r.meridian = p.value;
    } else if (p.kind == Piece::Separator) {
      if (p.separator == ':') return false;
      if (!r.date.empty()) r.dateSeparators.push_back(p.separator);
    } else {
      // The date stands whole before the time or after it.
      if (r.timeNumbers > 0 && r.dateBeforeTime) return false;
      r.date.push_back(p);
    }
  }
  return true;
}

bool ReadTime(const Reading& r, double& time) {
  int hour = r.time[0];
  const int minute = r.time[1], second = r.time[2];
  if (r.meridian == 1 && hour == 12) hour = 0;
  if (r.meridian == 2 && hour < 12) hour += 12;
  if (hour > 23 || minute > 59 || second > 59) return false;
  time = (hour * 3600 + minute * 60 + second) / 86400.0;
  return true;
}

int CurrentYear() {
  return DateSerial::Split(JetDateSerial::Now()).year;
}

int FullYear(const Piece& p) {
  return p.digits <= 2 ? RegionalSettings::Current().ExpandTwoDigitYear(p.value) : p.value;
}

bool CanBeDay(const Piece& p) {
  return p.digits <= 2 && p.value >= 1 && p.value <= 31;
}

// Day and month in the regional order; swapped when only that makes a date.
bool DayMonth(int first, int second, int year, int& day, int& month) {
  const bool monthFirst =
      RegionalSettings::Current().dateOrder == RegionalSettings::DateOrder::MonthDayYear;
  day = monthFirst ? second : first;
  month = monthFirst ? first : second;
  if (!DateSerial::IsValidDate(year, month, day) && DateSerial::IsValidDate(year, day, month))
    std::swap(day, month);
  return DateSerial::IsValidDate(year, month, day);
}

bool ReadDay(const Reading& r, double& serial) {
  std::vector<Piece> numbers;
  int month = 0;
  for (const Piece& p : r.date) {
    if (p.kind == Piece::Month) {
      if (month != 0) return false;
      month = p.value;
    } else {
      numbers.push_back(p);
    }
  }
  int year = 0, day = 1;
  if (month != 0) {
    if (numbers.empty() || numbers.size() > 2) return false;
    if (numbers.size() == 1) {
      if (CanBeDay(numbers[0])) {
        day = numbers[0].value, year = CurrentYear();
      } else {
        year = FullYear(numbers[0]);
      }
    } else if (CanBeDay(numbers[0])) {
      day = numbers[0].value, year = FullYear(numbers[1]);
    } else {
      year = FullYear(numbers[0]), day = numbers[1].value;
    }
  } else if (numbers.size() == 3) {
    for (char s : r.dateSeparators) {
      if (s == ',') return false;
    }
    if (numbers[0].digits >= 3) {
      year = numbers[0].value, month = numbers[1].value, day = numbers[2].value;
    } else {
      year = FullYear(numbers[2]);
      if (!DayMonth(numbers[0].value, numbers[1].value, year, day, month)) return false;
    }
  } else if (numbers.size() == 2) {
    // Two numbers joined by "." or "," read as a number, not a date.
    if (r.dateSeparators.size() != 1 || (r.dateSeparators[0] != '/' && r.dateSeparators[0] != '-'))
      return false;
    if (!CanBeDay(numbers[1]) && numbers[0].value <= 12) {
      month = numbers[0].value, year = FullYear(numbers[1]);
    } else if (!CanBeDay(numbers[0]) && numbers[0].digits >= 3) {
      year = numbers[0].value, month = numbers[1].value;
    } else {
      year = CurrentYear();
      if (!DayMonth(numbers[0].value, numbers[1].value, year, day, month)) return false;
    }
  } else {
    return false;
  }
  if (year < 100 || year > 9999 || !DateSerial::IsValidDate(year, month, day)) return false;
  serial = DateSerial::FromYmd(year, month, day);
  return true;
}

std::string TwoDigits(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", n);
  return buf;
}

}  // namespace

std::optional<double> JetDateText::Read(std::string_view text) {
  std::vector<Piece> pieces;
  if (!Cut(text, pieces) || pieces.empty()) return std::nullopt;
  Reading r;
  if (!Split(pieces, r)) return std::nullopt;
  double day = 0, time = 0;
  if (r.timeNumbers > 0 && !ReadTime(r, time)) return std::nullopt;
  if (!r.date.empty()) {
    if (!ReadDay(r, day)) return std::nullopt;
  } else if (r.timeNumbers == 0) {
    return std::nullopt;
  }
  return DateSerial::Compose(day, time);
}

std::string JetDateText::LongTime(double serial) {
  const DateSerial::Parts p = DateSerial::Split(serial);
  return TwoDigits(p.hour) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second);
}

std::string JetDateText::Write(double serial) {
  const DateSerial::Parts p = DateSerial::Split(serial);
  const bool hasTime = p.hour != 0 || p.minute != 0 || p.second != 0;
  if (p.year == 1899 && p.month == 12 && p.day == 30) return LongTime(serial);
  if (!hasTime) return ValueFormat::ShortDate(serial);
  return ValueFormat::ShortDate(serial) + " " + LongTime(serial);
}

}  // namespace dao
