/*
** RegionalSettings: the settings in force and the reading of the machine's
** locale. On Windows the user's regional settings are asked through
** GetLocaleInfoEx, which reports what the operator set in the Control
** Panel. Elsewhere the machine is asked through the POSIX per-thread locale
** calls, so reading it never changes the process-wide locale that other
** code sees.
*/
#include "common/RegionalSettings.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

#include <iterator>
#include <string_view>

#ifdef _WIN32
#include "common/WideText.h"
#endif

namespace {

RegionalSettings& InForce() {
  static RegionalSettings settings;
  return settings;
}

}  // namespace

void RegionalSettings::ApplyDateFormat(std::string format) {
  // Composite conversions stand for their expansions.
  for (size_t at; (at = format.find("%D")) != std::string::npos;) format.replace(at, 2, "%m/%d/%y");
  for (size_t at; (at = format.find("%F")) != std::string::npos;) format.replace(at, 2, "%Y-%m-%d");
  std::string fields;     // 'd', 'm' and 'y' in the order they appear
  std::string separator;  // the text between the first and the second field
  bool fourDigits = true;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      if (fields.size() == 1) separator += format[i];
      continue;
    }
    // glibc writes modifiers such as "%Ey" or "%-d": skip them.
    size_t j = i + 1;
    while (j < format.size() &&
           std::string_view("EO-_0^#").find(format[j]) != std::string_view::npos) {
      ++j;
    }
    if (j >= format.size()) break;
    const char c = format[j];
    if (c == 'd' || c == 'e') fields += 'd';
    if (c == 'm') fields += 'm';
    if (c == 'Y' || c == 'y') {
      fields += 'y';
      fourDigits = c == 'Y';
    }
    i = j;
  }
  if (fields == "dmy") {
    dateOrder = DateOrder::DayMonthYear;
  } else if (fields == "mdy") {
    dateOrder = DateOrder::MonthDayYear;
  } else if (fields == "ymd") {
    dateOrder = DateOrder::YearMonthDay;
  } else {
    return;  // a format that cannot be read changes nothing
  }
  fourDigitYear = fourDigits;
  if (!separator.empty()) dateSeparator = separator;
}

void RegionalSettings::ApplyDatePicture(const std::string& picture) {
  std::string format;
  for (size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      const size_t close = picture.find('\'', i + 1);
      const size_t end = close == std::string::npos ? picture.size() : close;
      format += picture.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    if (c == 'd' && run <= 2) {
      format += "%d";
    } else if (c == 'M' && run <= 2) {
      format += "%m";
    } else if (c == 'y') {
      format += run <= 2 ? "%y" : "%Y";
    } else if (c == '%') {
      format += std::string(run * 2, '%');
    } else if (c != 'd' && c != 'M' && c != 'g') {
      format += picture.substr(i, run);
    }
    i += run;
  }
  ApplyDateFormat(format);
}

#ifdef _WIN32

namespace {

std::string LocaleText(LCTYPE item) {
  wchar_t buf[LOCALE_NAME_MAX_LENGTH * 2];
  const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buf, std::size(buf));
  return n > 1 ? WideText::Narrow(std::wstring_view(buf, n - 1)) : std::string();
}

}  // namespace

RegionalSettings RegionalSettings::FromMachine() {
  RegionalSettings rs;
  rs.decimalSeparator = LocaleText(LOCALE_SDECIMAL);
  rs.thousandsSeparator = LocaleText(LOCALE_STHOUSAND);
  if (rs.decimalSeparator.empty()) rs.decimalSeparator = ".";
  rs.ApplyDatePicture(LocaleText(LOCALE_SSHORTDATE));
  return rs;
}

#else

RegionalSettings RegionalSettings::FromMachine() {
  RegionalSettings rs;
  locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
  // A locale named in the environment but not installed: the platform then
  // runs with the portable "C" locale, and so do we.
  if (loc == static_cast<locale_t>(0)) loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return rs;
  rs.decimalSeparator = nl_langinfo_l(RADIXCHAR, loc);
  rs.thousandsSeparator = nl_langinfo_l(THOUSEP, loc);
  if (rs.decimalSeparator.empty()) rs.decimalSeparator = ".";
  rs.ApplyDateFormat(nl_langinfo_l(D_FMT, loc));
  freelocale(loc);
  return rs;
}

#endif

const RegionalSettings& RegionalSettings::Current() {
  return InForce();
}

void RegionalSettings::Use(const RegionalSettings& settings) {
  InForce() = settings;
}

int RegionalSettings::ExpandTwoDigitYear(int year) const {
  const int century = twoDigitYearMax / 100 * 100;
  const int candidate = century + year;
  return candidate > twoDigitYearMax ? candidate - 100 : candidate;
}
