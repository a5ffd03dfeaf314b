/*
** Weeks and names of the calendar. See JetCalendar.h.
*/
#include "dao/functions/JetCalendar.h"

#include "common/DateSerial.h"
#include "common/TextCase.h"
#include "dao/functions/JetDateSerial.h"

namespace dao {

namespace {

const char* const kMonthNames[] = {"enero",      "febrero", "marzo",     "abril",
                                   "mayo",       "junio",   "julio",     "agosto",
                                   "septiembre", "octubre", "noviembre", "diciembre"};
const char* const kDayNames[] = {"domingo", "lunes",   "martes", "miércoles",
                                 "jueves",  "viernes", "sábado"};

long long FloorDiv(long long a, long long b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::string Named(const char* name, bool abbreviate) {
  const std::string s(name);
  if (!abbreviate) return s;
  std::size_t end = 0;
  for (int k = 0; k < 3 && end < s.size(); ++k) TextCase::Decode(s, end);
  return s.substr(0, end);
}

long long FirstWeekStart(int year, int firstDay, int rule) {
  const auto jan1 = static_cast<long long>(DateSerial::FromYmd(year, 1, 1));
  const long long start = JetCalendar::WeekStart(jan1, firstDay);
  const long long daysInYear = 7 - (jan1 - start);
  if ((rule == 2 && daysInYear < 4) || (rule == 3 && start != jan1)) return start + 7;
  return start;
}

}  // namespace

long long JetCalendar::DayOf(double serial) {
  return FloorDiv(JetDateSerial::LinearSeconds(serial), 86400);
}

int JetCalendar::WeekdayOf(long long day, int firstDay) {
  const long long sundayFirst = ((day + 6) % 7 + 7) % 7 + 1;
  return static_cast<int>((sundayFirst - firstDay + 7) % 7) + 1;
}

long long JetCalendar::WeekStart(long long day, int firstDay) {
  return day - (WeekdayOf(day, firstDay) - 1);
}

int JetCalendar::WeekOfYear(long long day, int year, int firstDay, int rule) {
  long long first = FirstWeekStart(year, firstDay, rule);
  if (day < first && year > 100) first = FirstWeekStart(year - 1, firstDay, rule);
  if (rule != 1 && year < 9999 && day >= FirstWeekStart(year + 1, firstDay, rule)) return 1;
  return static_cast<int>(FloorDiv(day - first, 7)) + 1;
}

std::string JetCalendar::MonthName(int month, bool abbreviate) {
  return Named(kMonthNames[(month - 1) % 12], abbreviate);
}

std::string JetCalendar::DayName(int sundayFirst, bool abbreviate) {
  return Named(kDayNames[(sundayFirst - 1) % 7], abbreviate);
}

}  // namespace dao
