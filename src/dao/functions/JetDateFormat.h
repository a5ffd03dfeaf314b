/*
** JetDateFormat: Format's date patterns, as Access reads them, and the
** named date forms of the regional settings.
**
** A pattern is read as the longest token at each place, in any case
** (so "nnnn" is two minutes and "yyy" a two-digit year and a day of the
** year), beside the literals of JetFormatSections:
**   d dd ddd dddd   day, two digits, short and long day name
**   ddddd dddddd    the short date, the long date
**   w ww            day of the week (from firstdayofweek), week of the
**                   year (from firstweekofyear)
**   m mm mmm mmmm   month, two digits, short and long name; m and mm are
**                   the minute right after an hour or right before a second
**   q               quarter
**   y yy yyyy       day of the year, two-digit year, year
**   h hh n nn s ss  hour, minute, second, one or two digits
**   ttttt           the long time
**   c               the general date (JetDateText::Write)
**   AM/PM am/pm A/P a/p   the half of the day, written in the pattern's
**                   case; AMPM the regional "a.m." / "p.m."; any of them
**                   puts the hours on a twelve-hour clock
**   / :             the regional date and time separators
**   !               left alignment: nothing to print in a text
** Any other character is printed as it stands. Names are Spanish, lower
** case, abbreviated to three letters.
**
** Named forms: Long Date "sábado, 22 de noviembre de 2003", Medium Date
** "22-nov-03", Short Date "22/11/2003", Long Time "22:42:58", Medium Time
** "10:42 p.m.", Short Time "22:42".
*/
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dao {

class JetDateFormat {
 public:
  // The section read once, to write any number of dates under it.
  explicit JetDateFormat(std::string_view section);

  // firstDay 1 Sunday .. 7 Saturday, firstWeek 1 .. 3.
  std::string Format(double serial, int firstDay = 1, int firstWeek = 1) const;

  // The same for a section used once.
  static std::string Apply(double serial, std::string_view section, int firstDay = 1,
                           int firstWeek = 1);

  static std::string LongDate(double serial);
  static std::string MediumDate(double serial);
  static std::string ShortDate(double serial);
  static std::string LongTime(double serial);
  static std::string MediumTime(double serial);
  static std::string ShortTime(double serial);

  struct Token {
    enum Kind { Literal, DateSeparator, Part, Meridian } kind;
    std::string text;  // Literal: what it prints; Meridian: the mark as written
    char letter = 0;   // Part: d w m q y h n s t c, lower case
    int length = 0;    // Part: how many letters
  };

 private:
  static std::vector<Token> Cut(std::string_view section);

  std::vector<Token> tokens_;
};

}  // namespace dao
