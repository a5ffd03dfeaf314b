/*
** The date and time functions, through SELECT statements on an engine
** database, beyond the corpus of what Access answers: leap years and month
** ends, the time line before day 0, the week rules, Null and the refusals.
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
      {"DateAdd('W', 1, #1/1/2004#) = #1/2/2004#", "-1"},
      {"DateAdd('d', 1.9, #1/1/2004#) = #1/2/2004#", "-1"},
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
      {"DateDiff('q', #3/31/2003#, #4/1/2003#)", "1"},
      {"DateDiff('w', #1/1/2004#, #1/14/2004#)", "1"},
      {"DateDiff('ww', #1/3/2004#, #1/4/2004#)", "1"},
      {"DateDiff('ww', #1/3/2004#, #1/4/2004#, 2)", "0"},
      {"DateDiff('n', #12/29/1899 23:59#, #12/30/1899 00:01#)", "2"},
      {"DateDiff('s', #1/1/2004#, #1/1/2004 0:01#)", "60"},
      {"DateDiff('d', f, z)", "NULL"},
      {"DateDiff('d', '20/11/2003', f)", "2"},
  });
  EXPECT_EQ(Failure("DateDiff('d', 'ayer', f)"), kTypeMismatch);
}

TEST_F(JetDateFunctions, DatePartAndWeekRules) {
  ExpectAll({
      {"DatePart('y', #12/31/2004#)", "366"},
      {"DatePart('w', f, 0)", "6"},
      {"DatePart('ww', f, 2, 2)", "47"},
      {"DatePart('ww', #12/29/2003#, 2, 2)", "1"},
      {"DatePart('ww', #12/31/2007#, 2, 2)", "1"},  // the last Monday of a year
      {"DatePart('ww', #1/1/2010#, 2, 2)", "53"},
      {"DatePart('ww', #1/4/2004#, 1, 3)", "1"},
      {"DatePart('ww', #1/3/2004#, 1, 3)", "52"},
      {"DatePart('d', z)", "NULL"},
      {"Weekday(z)", "NULL"},
      {"WeekdayName(3, False, 2)", "miércoles"},
      {"WeekdayName(7, True)", "dom"},
      {"Hour(f) & ':' & Minute(f) & ':' & Second(f)", "22:42:58"},
      {"Minute(z)", "NULL"},
  });
  EXPECT_EQ(Failure("DatePart('w', f, 8)"), kInvalidCall);
  EXPECT_EQ(Failure("DatePart('ww', f, 1, 4)"), kInvalidCall);
  EXPECT_EQ(Failure("MonthName(0)"), kInvalidCall);
  EXPECT_EQ(Failure("Hour('mañana')"), kTypeMismatch);
}

TEST_F(JetDateFunctions, SerialsAndValuesRollOverAndRefuseNull) {
  ExpectAll({
      {"DateSerial(2004, 2, 30) = #3/1/2004#", "-1"},
      {"DateSerial(2004, 13, 1) = #1/1/2005#", "-1"},
      {"DateSerial(3, 1, 1) = #1/1/2003#", "-1"},
      {"DateSerial(45, 1, 1) = #1/1/1945#", "-1"},
      {"DateValue(f) = #11/22/2003#", "-1"},
  });
  EXPECT_EQ(Failure("DateSerial(z, 1, 1)"), kInvalidNull);
  EXPECT_EQ(Failure("DateSerial(10000, 1, 1)"), kInvalidCall);
  EXPECT_EQ(Failure("DateValue('31/02/2003')"), kTypeMismatch);
  EXPECT_EQ(Failure("DateValue(z)"), kInvalidNull);
}

}  // namespace
}  // namespace dao
