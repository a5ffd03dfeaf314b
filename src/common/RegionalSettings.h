/*
** RegionalSettings: the separators and the date order that every text form
** of a number or a date follows.
**
** The maker's applications are written for one setting only: "," as decimal
** separator, "." between groups of thousands, dates as day/month/four-digit
** year with "/". A default-constructed object holds exactly that, and so does
** Current() until somebody calls Use(); results therefore never depend on the
** machine's locale. FromMachine() reads the user's locale instead, for the
** checks that must see what the operator configured.
**
** Separators are texts, not characters, because a machine's locale may give a
** multi-byte group separator (a no-break space) or none at all.
**
** Two-digit years are read as the platform reads them: up to
** twoDigitYearMax % 100 in the century of twoDigitYearMax, above it in the
** century before (00-29 give 2000-2029, 30-99 give 1930-1999).
*/
#pragma once

#include <string>

class RegionalSettings {
 public:
  enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

  std::string decimalSeparator = ",";
  std::string thousandsSeparator = ".";
  std::string dateSeparator = "/";
  DateOrder dateOrder = DateOrder::DayMonthYear;
  bool fourDigitYear = true;  // whether the short date writes the year with four digits
  int twoDigitYearMax = 2029;

  // The settings the library requires (the default object).
  static RegionalSettings Required() { return RegionalSettings(); }
  // The settings of the user's locale: on Windows the user's regional
  // settings, elsewhere LC_ALL, LC_NUMERIC, LC_TIME, LANG.
  static RegionalSettings FromMachine();

  // The settings in force for every call that is not given others.
  static const RegionalSettings& Current();
  static void Use(const RegionalSettings& settings);

  // Takes the date order, the separator and the year width from a strftime
  // date format such as "%d/%m/%Y", "%m/%d/%y" or "%F"; a format without
  // day, month and year changes nothing.
  void ApplyDateFormat(std::string strftimeFormat);

  // The same from a Windows short-date picture such as "dd/MM/yyyy",
  // "M/d/yy" or "yyyy-MM-dd" (quoted text is literal; day and month names
  // are not fields).
  void ApplyDatePicture(const std::string& windowsPicture);

  // Full year of a year written with one or two digits.
  int ExpandTwoDigitYear(int year) const;
};
