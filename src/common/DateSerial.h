/*
** DateSerial: dates as day serials, the form the Date variant holds.
**
** Serial 0 is 30 December 1899 at midnight; each whole unit is one day of the
** proleptic Gregorian calendar, and the fraction is the time of day. Before
** day 0 the whole part counts back while the fraction still counts forward
** from midnight: -1.5 is 29 December 1899 at noon. Valid dates run from
** 1 January 100 to 31 December 9999; building a date outside that range
** raises AppError 5, as the run time does.
**
** A serial is read to the nearest second, so that 23:59:59.9 belongs to the
** next day here exactly as it does in the date's written form.
*/
#pragma once

class DateSerial {
 public:
  struct Parts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
  };

  static constexpr double kZero = 0;  // 30 December 1899, midnight

  // The serial of a calendar day. Months outside 1-12 and days outside the
  // month roll into the neighbouring months and years (month 13 of 2005 is
  // January 2006, day 0 of March is the last day of February).
  static double FromYmd(int year, int month, int day);
  // A day serial (whole) plus a time of day (fraction, 0 <= time < 1).
  static double Compose(double daySerial, double timeOfDay);
  // Calendar day and time of day of a serial.
  static Parts Split(double serial);
  static int Year(double serial) { return Split(serial).year; }
  static int Month(double serial) { return Split(serial).month; }
  static int Day(double serial) { return Split(serial).day; }
  // The whole-day part of a serial, and its time of day as a fraction.
  static double DayPart(double serial);
  static double TimeOfDay(double serial);

  // The same day and time some months later (or earlier, when negative); a
  // day that the target month lacks becomes its last day (31 January plus
  // one month is 28 or 29 February).
  static double AddMonths(double serial, int months);

  static bool IsLeapYear(int year);
  static int DaysInMonth(int year, int month);
  static bool IsValidDate(int year, int month, int day);
};
