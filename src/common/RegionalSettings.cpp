/*
** RegionalSettings: the settings in force and the reading of the machine's
** locale. The machine is asked through the POSIX per-thread locale calls, so
** reading it never changes the process-wide locale that other code sees.
*/
#include "common/RegionalSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <string_view>

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
