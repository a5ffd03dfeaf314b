// The conversions between fields and text boxes, grouped by operation.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/a_c_generic.h"
#include "support/ErrorOf.h"

namespace {

a_c_generic With(const Variant& dato) {
  a_c_generic g;
  g.Dato = dato;
  return g;
}

Variant Date(int y, int m, int d) {
  return Variant::FromDate(DateSerial::FromYmd(y, m, d));
}

TEST(Str_Replace, ReplacesEveryOccurrenceResumingOneCharacterAfterEachAndAlwaysEnds) {
  const struct {
    Variant text;
    const char *from, *to, *expected;
  } cases[] = {
      {"1.234,56", ".", "", "1234,56"},
      {"1234,56", ",", ".", "1234.56"},
      {"1.234.567", ".", "", "1234567"},
      {"Aaa", "a", "b", "Abb"},  // case-sensitive
      {"ñandú", "ú", "u", "ñandu"},
      {1234.5, ",", ".", "1234.5"},  // numbers as regional text
      // The character after a removed occurrence is not searched again.
      {"1..2", ".", "", "1.2"},
      {"1...2", ".", "", "1.2"},
      // A replacement may join with the text after it into a new occurrence.
      {"abb", "ab", "aa", "aaa"},
      {"abaa", "aba", "abab", "ababab"},
      // Replacements that hold what they replace, or nothing to find.
      {"abc", "", "x", "abc"},
      {"a.b", ".", "..", "a..b"},
      {"a.b.c", ".", "x.x", "ax.xbx.xc"},
      {"aaa", "a", "aa", "aaaaaa"},
      {"abab", "ab", "xabx", "xabxxabx"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(With(c.text).Str_Replace(c.from, c.to), c.expected) << c.text.ToString();
  }
  EXPECT_EQ(ErrorOf([] { With(Variant::Null()).Str_Replace("a", "b"); }), 94);
}

TEST(Str_Parse, SplitsAtEverySeparatorSkippingALongOneWhole) {
  using V = std::vector<std::string>;
  EXPECT_EQ(With("a;b;;c").Str_Parse(";"), (V{"a", "b", "", "c"}));
  EXPECT_EQ(With("a;b;").Str_Parse(";"), (V{"a", "b"}));
  EXPECT_EQ(With(";a").Str_Parse(";"), (V{"", "a"}));
  EXPECT_EQ(With("abc").Str_Parse(";"), (V{"abc"}));
  EXPECT_EQ(With("").Str_Parse(";"), V{});
  EXPECT_EQ(With(Variant()).Str_Parse(";"), V{});
  EXPECT_EQ(With("a, b, c").Str_Parse(", "), (V{"a", "b", "c"}));
  EXPECT_EQ(With("a<>b<><>c<>").Str_Parse("<>"), (V{"a", "b", "", "c"}));
  EXPECT_EQ(With("abc").Str_Parse(""), (V{"abc"}));
}

TEST(Str_SinÑuflos, DropsControlCharactersAndApostrophes) {
  EXPECT_EQ(With("O'Brien\t").Str_SinÑuflos(), "OBrien");
  EXPECT_EQ(With("línea\r\nsiguiente''").Str_SinÑuflos(), "líneasiguiente");
  EXPECT_EQ(With("Ñandú ~ \"x\"").Str_SinÑuflos(), "Ñandú ~ \"x\"");
  EXPECT_EQ(ErrorOf([] { With(Variant::Null()).Str_SinÑuflos(); }), 94);
}

// Dates and date texts day first; empty for other values, other texts and
// the zero date.
TEST(Str_FechaMostrar, WritesDatesDayFirstAndNothingElse) {
  const std::pair<const char*, std::vector<Variant>> cases[] = {
      {"15/03/2005", {Date(2005, 3, 15), Variant::FromDate(38426.75), "15/3/05", "2005-03-15"}},
      {"29/12/1899", {Date(1899, 12, 29)}},
      {"",
       {Variant::Null(), Variant(), Variant::FromDate(0), Variant::FromDate(0.25), int32_t{38426},
        "abc", "31/02/2005", "30/12/1899"}}};
  for (const auto& [shown, values] : cases) {
    for (const Variant& v : values)
      EXPECT_EQ(With(v).Str_FechaMostrar(), shown) << v.ToStringOrEmpty();
  }
}

TEST(Num_NVL, NumbersAndNumericTextsOrZero) {
  EXPECT_EQ(With("abc").Num_NVL(), 0);
  EXPECT_EQ(With(Variant::Null()).Num_NVL(), 0);
  EXPECT_EQ(With(Variant()).Num_NVL(), 0);
  EXPECT_EQ(With("1.234,5").Num_NVL(), 1234.5);
  EXPECT_EQ(With("12-").Num_NVL(), -12);
  EXPECT_EQ(With(int16_t{7}).Num_NVL(), 7);
  EXPECT_EQ(With(Variant::FromCurrency(-12345)).Num_NVL(), -1.2345);
  EXPECT_EQ(With(true).Num_NVL(), -1);
}

TEST(Str_NumMostrar, GroupsAndRoundsToTwoDecimals) {
  EXPECT_EQ(With(1500.33).Str_NumMostrar(), "1.500,33");
  EXPECT_EQ(With("1500,335").Str_NumMostrar(), "1.500,34");
  EXPECT_EQ(With(Variant::Null()).Str_NumMostrar(), "0,00");
  EXPECT_EQ(With(-0.5).Str_NumMostrar(), "-0,50");
}

TEST(Fch_Fecha, DateOrZeroDate) {
  EXPECT_EQ(With(Date(2005, 3, 15)).Fch_Fecha(), Date(2005, 3, 15));
  EXPECT_EQ(With("15/03/2005").Fch_Fecha(), Date(2005, 3, 15));
  EXPECT_EQ(With(int32_t{200503}).Fch_Fecha(), Variant::FromDate(0));
  EXPECT_EQ(With(Variant::Null()).Fch_Fecha(), Variant::FromDate(0));
}

TEST(Str_NVL, TextOrEmpty) {
  EXPECT_EQ(With(Variant::Null()).Str_NVL(), "");
  EXPECT_EQ(With(Variant()).Str_NVL(), "");
  EXPECT_EQ(With(1.5).Str_NVL(), "1,5");
  EXPECT_EQ(With(Date(2005, 3, 15)).Str_NVL(), "15/03/2005");
  EXPECT_EQ(With(false).Str_NVL(), "Falso");
}

TEST(Periodo_Fch, YearAndMonthOfTheDate) {
  EXPECT_EQ(With(Date(2005, 3, 15)).Periodo_Fch(), 200503);
  EXPECT_EQ(With("31/12/2004").Periodo_Fch(), 200412);
  EXPECT_EQ(With("no date").Periodo_Fch(), 189912);
}

// A date (its time of day stays on the last day), a period yyyymm as a
// number or a text (month 00: the whole year), or the zero date. Every day
// of every month is the property test's below.
TEST(Fch_PrimerDiaAndFch_UltimoDia, OfADateOrAPeriod) {
  const double noon = DateSerial::FromYmd(2005, 3, 15) + 0.5;
  const std::tuple<Variant, Variant, Variant> cases[] = {
      {Variant::FromDate(noon), Date(2005, 3, 1),
       Variant::FromDate(DateSerial::FromYmd(2005, 3, 31) + 0.5)},
      {"15/02/2004", Date(2004, 2, 1), Date(2004, 2, 29)},
      {int32_t{200500}, Date(2005, 1, 1), Date(2005, 12, 31)},
      {200412.0, Date(2004, 12, 1), Date(2004, 12, 31)},
      {"200503", Date(2005, 3, 1), Date(2005, 3, 31)},
      {Variant::Null(), Variant::FromDate(0), Variant::FromDate(0)},
      {Variant(), Variant::FromDate(0), Variant::FromDate(0)},
      {0.4, Variant::FromDate(0), Variant::FromDate(0)}};
  for (const auto& [value, first, last] : cases) {
    EXPECT_EQ(With(value).Fch_PrimerDia(), first) << value.ToStringOrEmpty();
    EXPECT_EQ(With(value).Fch_UltimoDia(), last) << value.ToStringOrEmpty();
  }
}

TEST(Periods, TooShortOrOutOfRangeAreErrors) {
  // No month characters: converting the empty month text fails.
  EXPECT_EQ(ErrorOf([] { With(int32_t{2005}).Fch_PrimerDia(); }), rterr::kTypeMismatch);
  EXPECT_EQ(ErrorOf([] { With(int32_t{2005}).Fch_UltimoDia(); }), rterr::kTypeMismatch);
  EXPECT_EQ(ErrorOf([] { With(int32_t{-200503}).Fch_PrimerDia(); }), 5);
  EXPECT_EQ(ErrorOf([] { With(1e12).Fch_PrimerDia(); }), rterr::kOverflow);
}

// Every day from 1900 to 2100 lies between the first and the last day of its
// month, and the period of that month gives the same two days.
TEST(FirstAndLastDayProperty, BracketEveryDay) {
  const double first = DateSerial::FromYmd(1900, 1, 1), last = DateSerial::FromYmd(2100, 12, 31);
  a_c_generic g, period;
  for (double day = first; day <= last; ++day) {
    g.Dato = Variant::FromDate(day);
    const double from = g.Fch_PrimerDia().DateValue(), to = g.Fch_UltimoDia().DateValue();
    ASSERT_LE(from, day);
    ASSERT_GE(to, day);
    ASSERT_EQ(DateSerial::Day(from), 1);
    ASSERT_EQ(DateSerial::Day(to + 1), 1);
    ASSERT_LT(to - from, 31);
    if (DateSerial::Day(day) == 1) {
      period.Dato = g.Periodo_Fch();
      ASSERT_EQ(period.Fch_PrimerDia().DateValue(), from);
      ASSERT_EQ(period.Fch_UltimoDia().DateValue(), to);
    }
  }
}

}  // namespace
