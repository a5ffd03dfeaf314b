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

JetArgs::Value Text(std::string_view text) {
  return {JetStorage::Text, 0, 0, text};
}
JetArgs::Value Real(double d) {
  return {JetStorage::Real, 0, d, {}};
}
JetArgs::Value Integer(int64_t i) {
  return {JetStorage::Integer, i, 0, {}};
}
const JetArgs::Value kNull{};

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
  const std::vector<JetArgs::Value> values = {
      Text(" 2.5 "), Text("1.234,5"),    Text("2,5"),    Text("uno"), Integer(7),
      kNull,         Real(2.5),          Text(" &H1F "), Real(3.5),   Text("-2,5"),
      Real(3e9),     Text("22/11/2003"), Real(37947.5),  Real(3e6),   Integer(8)};
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
