/*
** The date and time functions, through SELECT statements on an engine
** database: month ends, the time line before day 0, the week rules and
** Null.
*/
#include "JetLibraryFixture.h"

namespace dao {
namespace {

using JetDateFunctions = test::JetLibraryFixture;

TEST_F(JetDateFunctions, DateAddKeepsMonthEndsAndCrossesDays) {
  ExpectAll({
      {"DateAdd('m', 1, #1/31/2004#) = #2/29/2004#", "-1"},
      {"DateAdd('yyyy', -1, #2/29/2004#) = #2/28/2003#", "-1"},
      {"DateAdd('q', 1, #11/30/2003#) = #2/29/2004#", "-1"},
      {"DateAdd('ww', 2, #1/1/2004#) = #1/15/2004#", "-1"},
      {"DateAdd('W', 1, #1/1/2004#) = #1/2/2004#", "-1"},
      {"DateAdd('d', 1.9, #1/1/2004#) = #1/2/2004#", "-1"},
      {"Format(DateAdd('h', 2, f), 'dd/mm/yyyy hh:nn:ss')", "23/11/2003 00:42:58"},
      {"Format(DateAdd('n', 90, #12/29/1899 23:30#), 'dd/mm/yyyy hh:nn')", "30/12/1899 01:00"},
      {"Format(DateAdd('s', -1, #1/1/1899#), 'dd/mm/yyyy hh:nn:ss')", "31/12/1898 23:59:59"},
      {"DateAdd('d', 1, z)", "NULL"},
  });
  EXPECT_EQ(Failure("DateAdd('x', 1, f)"), kInvalidCall);
  EXPECT_EQ(Failure("DateAdd('yyyy', 8000, f)"), kInvalidCall);
  EXPECT_EQ(Failure("DateAdd('d', z, f)"), kInvalidNull);
}

TEST_F(JetDateFunctions, DateDiffCountsBoundaries) {
  ExpectAll({
      {"DateDiff('d', #1/1/2000 23:00#, #1/2/2000 01:00#)", "1"},
      {"DateDiff('d', #1/10/2004#, #1/1/2004#)", "-9"},
      {"DateDiff('yyyy', #12/31/2003#, #1/1/2004#)", "1"},
      {"DateDiff('q', #3/31/2003#, #4/1/2003#)", "1"},
      {"DateDiff('m', #1/31/2004#, #2/1/2004#)", "1"},
      {"DateDiff('w', #1/1/2004#, #1/14/2004#)", "1"},
      {"DateDiff('ww', #1/3/2004#, #1/4/2004#)", "1"},
      {"DateDiff('ww', #1/3/2004#, #1/4/2004#, 2)", "0"},
      {"DateDiff('h', #1/1/2004 10:59#, #1/1/2004 11:00#)", "1"},
      {"DateDiff('n', #12/29/1899 23:59#, #12/30/1899 00:01#)", "2"},
      {"DateDiff('s', #1/1/2004#, #1/1/2004 0:01#)", "60"},
      {"DateDiff('d', f, z)", "NULL"},
      {"DateDiff('d', '20/11/2003', f)", "2"},
  });
  EXPECT_EQ(Failure("DateDiff('d', 'ayer', f)"), kTypeMismatch);
}

TEST_F(JetDateFunctions, DatePartAndWeekRules) {
  ExpectAll({
      {"DatePart('yyyy', f)", "2003"},
      {"DatePart('q', f)", "4"},
      {"DatePart('y', #12/31/2004#)", "366"},
      {"DatePart('w', f)", "7"},
      {"DatePart('w', f, 2)", "6"},
      {"DatePart('w', f, 0)", "6"},
      {"DatePart('ww', #1/1/2004#)", "1"},
      {"DatePart('ww', f, 2, 2)", "47"},
      {"DatePart('ww', #12/29/2003#, 2, 2)", "1"},
      {"DatePart('ww', #12/31/2007#, 2, 2)", "1"},  // the last Monday of a year
      {"DatePart('ww', #1/1/2010#, 2, 2)", "53"},
      {"DatePart('ww', #1/4/2004#, 1, 3)", "1"},
      {"DatePart('ww', #1/3/2004#, 1, 3)", "52"},
      {"DatePart('h', f) & ':' & DatePart('n', f) & ':' & DatePart('s', f)", "22:42:58"},
      {"DatePart('d', z)", "NULL"},
  });
  EXPECT_EQ(Failure("DatePart('w', f, 8)"), kInvalidCall);
  EXPECT_EQ(Failure("DatePart('ww', f, 1, 4)"), kInvalidCall);
}

TEST_F(JetDateFunctions, SerialsAndValuesRollOverAndRefuseNull) {
  ExpectAll({
      {"DateSerial(2004, 2, 30) = #3/1/2004#", "-1"},
      {"DateSerial(2004, 13, 1) = #1/1/2005#", "-1"},
      {"DateSerial(2004, 1, 0) = #12/31/2003#", "-1"},
      {"DateSerial(3, 1, 1) = #1/1/2003#", "-1"},
      {"DateSerial(45, 1, 1) = #1/1/1945#", "-1"},
      {"TimeSerial(25, 0, 0)", "0.0416666666666667"},
      {"Format(TimeSerial(10, 90, 0), 'hh:nn')", "11:30"},
      {"DateValue('22/11/2003 10:30') = #11/22/2003#", "-1"},
      {"DateValue(f) = #11/22/2003#", "-1"},
      {"Format(TimeValue('22/11/2003 10:30'), 'hh:nn')", "10:30"},
  });
  EXPECT_EQ(Failure("DateSerial(z, 1, 1)"), kInvalidNull);
  EXPECT_EQ(Failure("DateSerial(10000, 1, 1)"), kInvalidCall);
  EXPECT_EQ(Failure("DateValue('31/02/2003')"), kTypeMismatch);
  EXPECT_EQ(Failure("DateValue(z)"), kInvalidNull);
}

TEST_F(JetDateFunctions, WeekdaysNamesAndClock) {
  ExpectAll({
      {"Weekday(f)", "7"},
      {"Weekday(f, 2)", "6"},
      {"Weekday(z)", "NULL"},
      {"WeekdayName(1)", "lunes"},
      {"WeekdayName(1, True, 1)", "dom"},
      {"WeekdayName(3, False, 2)", "miércoles"},
      {"WeekdayName(7, True)", "dom"},
      {"MonthName(11)", "noviembre"},
      {"MonthName(2, True)", "feb"},
      {"Hour(f) & ':' & Minute(f) & ':' & Second(f)", "22:42:58"},
      {"Hour('10:30')", "10"},
      {"Minute(z)", "NULL"},
  });
  EXPECT_EQ(Failure("WeekdayName(8)"), kInvalidCall);
  EXPECT_EQ(Failure("MonthName(0)"), kInvalidCall);
  EXPECT_EQ(Failure("MonthName(z)"), kInvalidNull);
  EXPECT_EQ(Failure("Hour('mañana')"), kTypeMismatch);
}

}  // namespace
}  // namespace dao
