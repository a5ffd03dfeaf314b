// Number and date patterns, regional text forms and the machine's settings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/ValueFormat.h"
#include "support/EnvGuard.h"
#include "support/OperatorSettings.h"

namespace {

constexpr const char* kAmount = "###,###,###,###,##0.00";

// Settings as one text: decimal|thousands|date order|date separator|year.
std::string Summary(const RegionalSettings& rs) {
  using Order = RegionalSettings::DateOrder;
  const char* order = rs.dateOrder == Order::DayMonthYear   ? "DMY"
                      : rs.dateOrder == Order::MonthDayYear ? "MDY"
                                                            : "YMD";
  return rs.decimalSeparator + "|" + rs.thousandsSeparator + "|" + order + "|" + rs.dateSeparator +
         "|" + (rs.fourDigitYear ? "yyyy" : "yy");
}

// Amounts are grouped with two decimals, rounded half away from zero on
// the decimals shown, never "-0,00"; every digit is written even past the
// placeholders; zero placeholders pad.
TEST(ValueFormat, NumberPatterns) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {1500.33, kAmount, "1.500,33"},
      {0, kAmount, "0,00"},
      {0.5, kAmount, "0,50"},
      {-1234567.891, kAmount, "-1.234.567,89"},
      {999999.999, kAmount, "1.000.000,00"},
      {1e18, kAmount, "1.000.000.000.000.000.000,00"},
      {1.005, kAmount, "1,01"},
      {2.675, kAmount, "2,68"},
      {-2.675, kAmount, "-2,68"},
      {-0.004, kAmount, "0,00"},
      {0.125, "0.00", "0,13"},
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {631, "0000000000#####", "000000000000631"},
      {1111088889, "0000000000#####", "000001111088889"},
      {3, "0#", "03"},
      {18, "0#", "18"},
      {0, "#", ""},
      {1.5, "0.0#", "1,5"},
      {1.25, "0.0#", "1,25"}};
  for (const auto& [value, pattern, shown] : cases) {
    EXPECT_EQ(ValueFormat::FormatNumber(value, pattern), shown) << value << " " << pattern;
  }
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
  EXPECT_EQ(Summary(argentina), ",|.|DMY|/|yyyy");
  EXPECT_EQ(Summary(us), ".|,|MDY|/|yy");
  EXPECT_EQ(RegionalSettings::Current().decimalSeparator, ",");
}

#else

TEST(RegionalSettings, TheMachineIsReadOnlyWhenAsked) {
  const RegionalSettings machine = [] {
    EnvGuard portable("LC_ALL", "C");
    return RegionalSettings::FromMachine();
  }();
  // The portable locale: decimal point, no grouping, %m/%d/%y.
  EXPECT_EQ(Summary(machine), ".||MDY|/|yy");
  EXPECT_EQ(RegionalSettings::Current().decimalSeparator, ",");
}

#endif

// The short date of a locale (strftime's form) or of Windows (its picture).
TEST(RegionalSettings, DateOrderSeparatorAndYearOfAShortDate) {
  const std::tuple<bool, const char*, const char*> cases[] = {
      {false, "%d/%m/%Y", "DMY|/|yyyy"},
      {false, "%d.%m.%Y", "DMY|.|yyyy"},
      {false, "%D", "MDY|/|yy"},
      {false, "%F", "YMD|-|yyyy"},
      {false, "%Y年%m月%d日", "YMD|年|yyyy"},
      {false, "%e-%-m-%Ey", "DMY|-|yy"},
      {false, "%x", "DMY|/|yyyy"},  // unreadable: left as it was
      {true, "dd/MM/yyyy", "DMY|/|yyyy"},
      {true, "M/d/yy", "MDY|/|yy"},
      {true, "yyyy-MM-dd", "YMD|-|yyyy"},
      {true, "d.M.yyyy", "DMY|.|yyyy"},
      {true, "dd' de 'MM' de 'yyyy", "DMY| de |yyyy"},
      {true, "gg yyyy/MM/dd", "YMD|/|yyyy"}};
  for (const auto& [picture, format, expected] : cases) {
    RegionalSettings rs;
    picture ? rs.ApplyDatePicture(format) : rs.ApplyDateFormat(format);
    EXPECT_EQ(Summary(rs), std::string(",|.|") + expected) << format;
  }
}

}  // namespace
