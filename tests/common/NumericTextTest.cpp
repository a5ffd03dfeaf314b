// The numeric-text rule under the required and under other settings, and
// its round trip through the display formats.
#include <gtest/gtest.h>

#include <random>

#include "common/NumericText.h"
#include "common/ValueFormat.h"

namespace {

TEST(NumericText, AcceptsSignsGroupsAndDecimals) {
  EXPECT_EQ(NumericText::Parse("12"), 12);
  EXPECT_EQ(NumericText::Parse("1.234,5"), 1234.5);
  EXPECT_EQ(NumericText::Parse(",5"), 0.5);
  EXPECT_EQ(NumericText::Parse("12,"), 12);
  EXPECT_EQ(NumericText::Parse("12-"), -12);
  EXPECT_EQ(NumericText::Parse("-12"), -12);
  EXPECT_EQ(NumericText::Parse("  -1.234,50  "), -1234.5);
  EXPECT_EQ(NumericText::Parse("1.2.3"), 123);  // group sizes are not checked
  EXPECT_EQ(NumericText::Parse("-,5"), -0.5);
  EXPECT_EQ(NumericText::Parse("0000113"), 113);
  EXPECT_EQ(NumericText::Parse("1E+15"), 1e15);
  EXPECT_EQ(NumericText::Parse("-1,5E-7"), -1.5e-7);
  EXPECT_EQ(NumericText::Parse("1e3-"), -1000);
}

TEST(NumericText, RefusesEverythingElse) {
  for (const char* text : {"",      "   ", "-",   ",",   "1,2,3", "1-2",  "12a", "-12-", "--12",
                           "+12",   "1e",  "1e+", "e5",  "1e5.",  "1e,5", "1 2", "- 12", "12 -",
                           "1,2.3", ".",   "..",  "inf", "nan",   "0x10", "12\t"}) {
    EXPECT_FALSE(NumericText::IsNumeric(text)) << '"' << text << '"';
  }
  EXPECT_FALSE(NumericText::IsNumeric(std::string(400, '9')));  // beyond a double
}

TEST(NumericText, FollowsTheSettingsItIsGiven) {
  RegionalSettings us;
  us.decimalSeparator = ".";
  us.thousandsSeparator = ",";
  EXPECT_EQ(NumericText::Parse("1,234.5", us), 1234.5);
  EXPECT_FALSE(NumericText::IsNumeric("1.234,5", us));
  RegionalSettings noGroups = us;
  noGroups.thousandsSeparator = "";
  EXPECT_FALSE(NumericText::IsNumeric("1,234.5", noGroups));
  RegionalSettings french;
  french.thousandsSeparator = "\u202F";  // a multi-byte group separator
  EXPECT_EQ(NumericText::Parse("1\u202F234,5", french), 1234.5);
}

TEST(NumericText, VariantsAreNumbersByTheirKind) {
  for (const Variant& v :
       {Variant(int16_t{1}), Variant(true), Variant::FromCurrency(15), Variant("1.234,5")}) {
    EXPECT_TRUE(NumericText::IsNumeric(v)) << v.ToStringOrEmpty();
  }
  for (const Variant& v :
       {Variant("1234,5,"), Variant(), Variant::Null(), Variant::FromDate(38426)}) {
    EXPECT_FALSE(NumericText::IsNumeric(v)) << v.ToStringOrEmpty();
  }
  EXPECT_EQ(NumericText::ToDouble(Variant("1.234,5")), 1234.5);
  EXPECT_EQ(NumericText::ToDouble(Variant::FromCurrency(12345)), 1.2345);
}

// Every amount the display format writes reads back as the amount, rounded,
// and so does the plain text form of any number of up to 15 digits.
TEST(NumericTextProperty, WrittenNumbersReadBack) {
  std::mt19937_64 random(20050315);
  std::uniform_int_distribution<int64_t> cents(-99'999'999'999'999, 99'999'999'999'999);
  std::uniform_int_distribution<int> scale(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    const int64_t c = i < 10 ? i - 5 : cents(random) / (i % 2 ? 1 : 1'000'000);
    const double amount = static_cast<double>(c) / 100.0;
    const std::string shown = ValueFormat::FormatNumber(amount, "###,###,###,###,##0.00");
    ASSERT_EQ(NumericText::Parse(shown), amount) << shown;
    const double value =
        std::stod(std::to_string(cents(random)) + "e" + std::to_string(scale(random)));
    const std::string plain = ValueFormat::ToText(Variant(value));
    ASSERT_EQ(NumericText::Parse(plain), value) << plain;
  }
}

}  // namespace
