// Number and date patterns, regional text forms and the machine's settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/ValueFormat.h"
#include "support/OperatorSettings.h"

namespace {

constexpr const char* kAmount = "###,###,###,###,##0.00";

TEST(ValueFormat, AmountsAreGroupedWithTwoDecimals) {
  EXPECT_EQ(ValueFormat::FormatNumber(1500.33, kAmount), "1.500,33");
  EXPECT_EQ(ValueFormat::FormatNumber(0, kAmount), "0,00");
  EXPECT_EQ(ValueFormat::FormatNumber(0.5, kAmount), "0,50");
  EXPECT_EQ(ValueFormat::FormatNumber(-1234567.891, kAmount), "-1.234.567,89");
  EXPECT_EQ(ValueFormat::FormatNumber(999999.999, kAmount), "1.000.000,00");
  // More digits than the pattern has placeholders are all written.
  EXPECT_EQ(ValueFormat::FormatNumber(1e18, kAmount), "1.000.000.000.000.000.000,00");
}

TEST(ValueFormat, RoundsHalfAwayFromZeroOnTheDecimalsShown) {
  EXPECT_EQ(ValueFormat::FormatNumber(1.005, kAmount), "1,01");
  EXPECT_EQ(ValueFormat::FormatNumber(2.675, kAmount), "2,68");
  EXPECT_EQ(ValueFormat::FormatNumber(-2.675, kAmount), "-2,68");
  EXPECT_EQ(ValueFormat::FormatNumber(0.125, "0.00"), "0,13");
  EXPECT_EQ(ValueFormat::FormatNumber(2.5, "0"), "3");
  EXPECT_EQ(ValueFormat::FormatNumber(-2.5, "0"), "-3");
  EXPECT_EQ(ValueFormat::FormatNumber(-0.004, kAmount), "0,00");  // no "-0,00"
}

TEST(ValueFormat, ZeroPlaceholdersPadToTheRight) {
  EXPECT_EQ(ValueFormat::FormatNumber(631, "0000000000#####"), "000000000000631");
  EXPECT_EQ(ValueFormat::FormatNumber(1111088889, "0000000000#####"), "000001111088889");
  EXPECT_EQ(ValueFormat::FormatNumber(3, "0#"), "03");
  EXPECT_EQ(ValueFormat::FormatNumber(18, "0#"), "18");
  EXPECT_EQ(ValueFormat::FormatNumber(0, "#"), "");
  EXPECT_EQ(ValueFormat::FormatNumber(1.5, "0.0#"), "1,5");
  EXPECT_EQ(ValueFormat::FormatNumber(1.25, "0.0#"), "1,25");
  EXPECT_THROW(ValueFormat::FormatNumber(1, "0.00 $"), AppError);
}

TEST(ValueFormat, DatePatterns) {
  EXPECT_EQ(ValueFormat::FormatDate(38426, "DD/MM/YYYY"), "15/03/2005");
  EXPECT_EQ(ValueFormat::FormatDate(DateSerial::FromYmd(2005, 1, 5), "d/m/yy"), "5/1/05");
  EXPECT_EQ(ValueFormat::FormatDate(DateSerial::FromYmd(105, 1, 5), "DD/MM/YYYY"), "05/01/0105");
  RegionalSettings german;
  german.dateSeparator = ".";
  EXPECT_EQ(ValueFormat::FormatDate(38426, "DD/MM/YYYY", german), "15.03.2005");
}

TEST(ValueFormat, ToTextIsTheRegionalTextOfAnyValue) {
  EXPECT_EQ(ValueFormat::ToText(Variant(1234.5)), "1234,5");
  EXPECT_EQ(ValueFormat::ToText(Variant(1e20)), "1E+20");
  EXPECT_EQ(ValueFormat::ToText(Variant::FromCurrency(15000)), "1,5");
  EXPECT_EQ(ValueFormat::ToText(Variant(int32_t{-7})), "-7");
  EXPECT_EQ(ValueFormat::ToText(Variant::FromDate(38426)), "15/03/2005");
  EXPECT_EQ(ValueFormat::ToText(Variant::FromDate(38426.75)), "15/03/2005 18:00:00");
  EXPECT_EQ(ValueFormat::ToText(Variant::FromDate(0.75)), "18:00:00");
  EXPECT_EQ(ValueFormat::ToText(Variant::FromDate(0)), "30/12/1899");
  EXPECT_EQ(ValueFormat::ToText(Variant()), "");
  EXPECT_THROW(ValueFormat::ToText(Variant::Null()), AppError);
  RegionalSettings us;
  us.decimalSeparator = ".";
  us.dateOrder = RegionalSettings::DateOrder::MonthDayYear;
  us.fourDigitYear = false;
  EXPECT_EQ(ValueFormat::ToText(Variant(1234.5), us), "1234.5");
  EXPECT_EQ(ValueFormat::ToText(Variant::FromDate(38426), us), "03/15/05");
}

TEST(RegionalSettings, UseReplacesTheSettingsInForce) {
  RegionalSettings us;
  us.decimalSeparator = ".";
  us.thousandsSeparator = ",";
  RegionalSettings::Use(us);
  const std::string shown = ValueFormat::FormatNumber(1500.33, kAmount);
  RegionalSettings::Use(RegionalSettings::Required());
  EXPECT_EQ(shown, "1,500.33");
  EXPECT_EQ(ValueFormat::FormatNumber(1500.33, kAmount), "1.500,33");
}

#ifdef _WIN32

TEST(RegionalSettings, TheOperatorsSettingsAreReadOnlyWhenAsked) {
  RegionalSettings argentina, us;
  {
    OperatorSettings set(L",", L".", L"dd/MM/yyyy");
    argentina = RegionalSettings::FromMachine();
  }
  {
    OperatorSettings set(L".", L",", L"M/d/yy");
    us = RegionalSettings::FromMachine();
  }
  EXPECT_EQ(argentina.decimalSeparator, ",");
  EXPECT_EQ(argentina.thousandsSeparator, ".");
  EXPECT_EQ(argentina.dateOrder, RegionalSettings::DateOrder::DayMonthYear);
  EXPECT_TRUE(argentina.fourDigitYear);
  EXPECT_EQ(us.decimalSeparator, ".");
  EXPECT_EQ(us.thousandsSeparator, ",");
  EXPECT_EQ(us.dateOrder, RegionalSettings::DateOrder::MonthDayYear);
  EXPECT_FALSE(us.fourDigitYear);
  EXPECT_EQ(RegionalSettings::Current().decimalSeparator, ",");
}

#else

TEST(RegionalSettings, TheMachineIsReadOnlyWhenAsked) {
  const char* saved = std::getenv("LC_ALL");
  const std::string previous = saved ? saved : "";
  setenv("LC_ALL", "C", 1);
  const RegionalSettings machine = RegionalSettings::FromMachine();
  if (saved) {
    setenv("LC_ALL", previous.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
  // The portable locale: decimal point, no grouping, %m/%d/%y.
  EXPECT_EQ(machine.decimalSeparator, ".");
  EXPECT_EQ(machine.thousandsSeparator, "");
  EXPECT_EQ(machine.dateOrder, RegionalSettings::DateOrder::MonthDayYear);
  EXPECT_FALSE(machine.fourDigitYear);
  EXPECT_EQ(RegionalSettings::Current().decimalSeparator, ",");
}

#endif

TEST(RegionalSettings, DateFormatsOfLocales) {
  using Order = RegionalSettings::DateOrder;
  struct Case {
    const char* format;
    Order order;
    const char* separator;
    bool fourDigits;
  };
  for (const Case& c :
       {Case{"%d/%m/%Y", Order::DayMonthYear, "/", true},
        Case{"%d.%m.%Y", Order::DayMonthYear, ".", true},
        Case{"%D", Order::MonthDayYear, "/", false}, Case{"%F", Order::YearMonthDay, "-", true},
        Case{"%Y年%m月%d日", Order::YearMonthDay, "年", true},
        Case{"%e-%-m-%Ey", Order::DayMonthYear, "-", false}}) {
    RegionalSettings rs;
    rs.ApplyDateFormat(c.format);
    EXPECT_EQ(rs.dateOrder, c.order) << c.format;
    EXPECT_EQ(rs.dateSeparator, c.separator) << c.format;
    EXPECT_EQ(rs.fourDigitYear, c.fourDigits) << c.format;
  }
  RegionalSettings unreadable;
  unreadable.ApplyDateFormat("%x");
  EXPECT_EQ(unreadable.dateOrder, Order::DayMonthYear);
}

TEST(RegionalSettings, WindowsDatePictures) {
  using Order = RegionalSettings::DateOrder;
  struct Case {
    const char* picture;
    Order order;
    const char* separator;
    bool fourDigits;
  };
  for (const Case& c : {Case{"dd/MM/yyyy", Order::DayMonthYear, "/", true},
                        Case{"M/d/yy", Order::MonthDayYear, "/", false},
                        Case{"yyyy-MM-dd", Order::YearMonthDay, "-", true},
                        Case{"d.M.yyyy", Order::DayMonthYear, ".", true},
                        Case{"dd' de 'MM' de 'yyyy", Order::DayMonthYear, " de ", true},
                        Case{"gg yyyy/MM/dd", Order::YearMonthDay, "/", true}}) {
    RegionalSettings rs;
    rs.ApplyDatePicture(c.picture);
    EXPECT_EQ(rs.dateOrder, c.order) << c.picture;
    EXPECT_EQ(rs.dateSeparator, c.separator) << c.picture;
    EXPECT_EQ(rs.fourDigitYear, c.fourDigits) << c.picture;
  }
}

}  // namespace
