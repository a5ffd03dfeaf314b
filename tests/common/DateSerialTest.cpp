// Day serials, month arithmetic and reading dates from text.
#include <gtest/gtest.h>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/DateText.h"
#include "support/ErrorOf.h"

namespace {

TEST(DateSerial, KnownSerialsAndMonthsAndDaysRollingOver) {
  EXPECT_EQ(DateSerial::FromYmd(1899, 12, 30), 0);
  EXPECT_EQ(DateSerial::FromYmd(1899, 12, 29), -1);
  EXPECT_EQ(DateSerial::FromYmd(1900, 1, 1), 2);
  EXPECT_EQ(DateSerial::FromYmd(2005, 3, 15), 38426);
  EXPECT_EQ(DateSerial::FromYmd(100, 1, 1), -657434);
  EXPECT_EQ(DateSerial::FromYmd(9999, 12, 31), 2958465);
  EXPECT_EQ(DateSerial::FromYmd(2005, 13, 1), DateSerial::FromYmd(2006, 1, 1));
  EXPECT_EQ(DateSerial::FromYmd(2005, 0, 1), DateSerial::FromYmd(2004, 12, 1));
  EXPECT_EQ(DateSerial::FromYmd(2005, 3, 0), DateSerial::FromYmd(2005, 2, 28));
  EXPECT_EQ(DateSerial::FromYmd(2004, 2, 30), DateSerial::FromYmd(2004, 3, 1));
}

TEST(DateSerial, OutsideTheDateRangeIsAnInvalidCall) {
  for (auto build : {+[] { DateSerial::FromYmd(99, 12, 31); },
                     +[] { DateSerial::FromYmd(10000, 1, 1); }, +[] { DateSerial::Split(3e6); },
                     +[] { DateSerial::AddMonths(DateSerial::FromYmd(9999, 12, 1), 1); }}) {
    EXPECT_EQ(ErrorOf(build), 5);
  }
}

TEST(DateSerial, SplitReadsTimeForwardOnBothSidesOfDayZero) {
  DateSerial::Parts p = DateSerial::Split(-1.5);
  EXPECT_EQ(std::tie(p.year, p.month, p.day, p.hour), std::make_tuple(1899, 12, 29, 12));
  p = DateSerial::Split(38426.75);
  EXPECT_EQ(std::tie(p.year, p.month, p.day, p.hour), std::make_tuple(2005, 3, 15, 18));
  // Rounded to the second, with the carry into the next day.
  p = DateSerial::Split(38426 + 86399.6 / 86400);
  EXPECT_EQ(std::tie(p.day, p.hour, p.second), std::make_tuple(16, 0, 0));
  // Before day 0 the carry still goes forward: the last second of a day
  // rounds into the day after it, not the day before.
  p = DateSerial::Split(-(1 + 86399.6 / 86400));  // 29 December, 23:59:59.6
  EXPECT_EQ(std::tie(p.month, p.day, p.hour), std::make_tuple(12, 30, 0));
  p = DateSerial::Split(-86399.6 / 86400);  // 30 December, 23:59:59.6
  EXPECT_EQ(std::tie(p.month, p.day, p.hour), std::make_tuple(12, 31, 0));
  EXPECT_EQ(DateSerial::Compose(-1, 0.5), -1.5);
}

TEST(DateSerial, AddMonthsClampsToTheLastDay) {
  const double jan31 = DateSerial::FromYmd(2005, 1, 31);
  EXPECT_EQ(DateSerial::AddMonths(jan31, 1), DateSerial::FromYmd(2005, 2, 28));
  EXPECT_EQ(DateSerial::AddMonths(DateSerial::FromYmd(2004, 1, 31), 1),
            DateSerial::FromYmd(2004, 2, 29));
  EXPECT_EQ(DateSerial::AddMonths(jan31, -2), DateSerial::FromYmd(2004, 11, 30));
  EXPECT_EQ(DateSerial::AddMonths(jan31, 12), DateSerial::FromYmd(2006, 1, 31));
  EXPECT_EQ(DateSerial::AddMonths(jan31 + 0.25, 1), DateSerial::FromYmd(2005, 2, 28) + 0.25);
}

TEST(DateText, ReadsDayFirstUnderTheRequiredSettings) {
  EXPECT_EQ(DateText::Parse("15/03/2005"), 38426);
  EXPECT_EQ(DateText::Parse(" 5-3-2005 "), DateSerial::FromYmd(2005, 3, 5));
  EXPECT_EQ(DateText::Parse("10/12/90"), DateSerial::FromYmd(1990, 12, 10));
  EXPECT_EQ(DateText::Parse("1/1/29"), DateSerial::FromYmd(2029, 1, 1));
  EXPECT_EQ(DateText::Parse("1/1/30"), DateSerial::FromYmd(1930, 1, 1));
  EXPECT_EQ(DateText::Parse("2005-03-15"), 38426);  // year first when written so
  EXPECT_EQ(DateText::Parse("15/03/2005 18:00"), 38426.75);
  EXPECT_EQ(DateText::Parse("18:00:00"), 0.75);
}

TEST(DateText, RefusesImpossibleAndIncompleteDates) {
  for (const char* text : {"", "31/02/2005", "13/13/2005", "12/31/2005", "15/03", "15/03/",
                           "15//2005", "200503", "15/03/2005 25:00", "15/03/2005 1:5", "1.234",
                           "15/03/99999", "15/03/0099", "abc", "15 de marzo de 2005"}) {
    EXPECT_FALSE(DateText::Parse(text).has_value()) << '"' << text << '"';
  }
}

TEST(DateText, FollowsTheSettingsItIsGiven) {
  RegionalSettings us;
  us.dateOrder = RegionalSettings::DateOrder::MonthDayYear;
  EXPECT_EQ(DateText::Parse("10/12/1990", us), DateSerial::FromYmd(1990, 10, 12));
  RegionalSettings german;
  german.dateSeparator = ".";
  EXPECT_EQ(DateText::Parse("15.03.2005", german), 38426);
  EXPECT_FALSE(DateText::Parse("15.03.2005").has_value());
}

TEST(DateText, ValuesAreDatesByTheirKind) {
  EXPECT_TRUE(DateText::IsDate(Variant::FromDate(0)));
  EXPECT_TRUE(DateText::IsDate(Variant("15/03/2005")));
  EXPECT_FALSE(DateText::IsDate(Variant(int32_t{38426})));
  EXPECT_FALSE(DateText::IsDate(Variant()));
  EXPECT_FALSE(DateText::IsDate(Variant::Null()));
  EXPECT_EQ(DateText::ToDate(Variant("15/03/2005")), 38426);
  EXPECT_THROW(DateText::ToDate(Variant("x")), AppError);
}

}  // namespace
