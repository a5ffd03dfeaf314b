/*
** The one argument reader of the run time's functions, on values built
** here, without SQLite: the one way a text is read as a number, dates
** within the calendar, whole numbers rounded as the run time rounds, and
** which failure each reading reports.
*/
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dao/functions/JetArgs.h"
#include "dao/functions/JetFunctionError.h"

namespace dao {
namespace {

// The failure a reading raises; "" when it raises none.
template <class Read>
std::string Failure(const Read& read) {
  try {
    read();
  } catch (const JetFunctionError& e) {
    return e.what();
  }
  return "";
}

TEST(JetArgs, ReadsNumbersWholeNumbersAndDatesAsTheRunTimeDoes) {
  const auto text = [](std::string_view t) { return JetArgs::Value{JetStorage::Text, 0, 0, t}; };
  const auto real = [](double d) { return JetArgs::Value{JetStorage::Real, 0, d, {}}; };
  const auto integer = [](int64_t i) { return JetArgs::Value{JetStorage::Integer, i, 0, {}}; };
  const JetArgs::Value kNull{};
  const std::vector<JetArgs::Value> values = {
      text(" 2.5 "), text("1.234,5"),    text("2,5"),    text("uno"), integer(7),
      kNull,         real(2.5),          text(" &H1F "), real(3.5),   text("-2,5"),
      real(3e9),     text("22/11/2003"), real(37947.5),  real(3e6),   integer(8)};
  const JetArgs args(values.data(), static_cast<int>(values.size()));
  // Texts are numbers under the regional settings only: "." only groups
  // thousands here, so "2.5" is twenty-five, as Access reads it.
  EXPECT_EQ(args.AsNumber(0), 25);
  EXPECT_EQ(args.AsNumber(1), 1234.5);
  EXPECT_EQ(args.AsNumber(2), 2.5);
  EXPECT_EQ(args.AsNumber(3), std::nullopt);
  EXPECT_EQ(args.AsNumber(7), 31);
  EXPECT_EQ(args.Text(4), "7");
  EXPECT_EQ(args.Text(5), "");
  EXPECT_EQ(args.Text(6), "2,5");
  EXPECT_EQ(Failure([&] { args.Number(3); }), jetfn::kTypeMismatch);
  EXPECT_EQ(Failure([&] { args.Number(5); }), jetfn::kInvalidNull);
  // Whole numbers round half to even within 32 bits.
  EXPECT_EQ(args.Whole(6), 2);
  EXPECT_EQ(args.Whole(8), 4);
  EXPECT_EQ(args.Whole(9), -2);
  EXPECT_EQ(Failure([&] { args.Whole(3); }), jetfn::kTypeMismatch);
  EXPECT_EQ(Failure([&] { args.Whole(10); }), jetfn::kOverflow);
  // An optional argument absent or Null takes its default.
  EXPECT_EQ(args.OptionalWhole(5, 9), 9);
  EXPECT_EQ(args.OptionalWhole(20, 9), 9);
  EXPECT_EQ(args.FirstDayOfWeek(20, 0), 2);
  EXPECT_EQ(Failure([&] { args.FirstDayOfWeek(10, 1); }), jetfn::kOverflow);
  EXPECT_EQ(Failure([&] { args.FirstDayOfWeek(14, 1); }), jetfn::kInvalidCall);
  // Dates are serials of the calendar or regional texts; past year 9999 a
  // number is too large, a text that is no date the wrong kind of value.
  EXPECT_EQ(args.AsDate(11), 37947);
  EXPECT_EQ(args.AsDate(12), 37947.5);
  EXPECT_EQ(args.AsDate(13), std::nullopt);
  EXPECT_EQ(Failure([&] { args.Date(13); }), jetfn::kOverflow);
  EXPECT_EQ(Failure([&] { args.Date(3); }), jetfn::kTypeMismatch);
}

}  // namespace
}  // namespace dao
