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

TEST(JetArgs, TextsAreNumbersUnderTheRegionalSettingsOnly) {
  const std::vector<JetArgs::Value> values = {Text(" 2.5 "), Text("1.234,5"), Text("2,5"),
                                              Text("uno"),   Integer(7),      kNull,
                                              Real(2.5),     Text(" &H1F ")};
  const JetArgs args(values.data(), static_cast<int>(values.size()));
  // "." only groups thousands here: "2.5" is twenty-five, as Access reads it.
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
  EXPECT_EQ(Failure([&] { args.Whole(3); }), jetfn::kTypeMismatch);
}

TEST(JetArgs, WholeNumbersRoundHalfToEvenWithin32Bits) {
  const std::vector<JetArgs::Value> values = {Real(2.5), Real(3.5), Text("-2,5"), Real(3e9), kNull};
  const JetArgs args(values.data(), static_cast<int>(values.size()));
  EXPECT_EQ(args.Whole(0), 2);
  EXPECT_EQ(args.Whole(1), 4);
  EXPECT_EQ(args.Whole(2), -2);
  EXPECT_EQ(Failure([&] { args.Whole(3); }), jetfn::kOverflow);
  // An optional argument absent or Null takes its default.
  EXPECT_EQ(args.OptionalWhole(4, 9), 9);
  EXPECT_EQ(args.OptionalWhole(7, 9), 9);
  EXPECT_EQ(args.FirstDayOfWeek(7, 0), 2);
  EXPECT_EQ(Failure([&] { args.FirstDayOfWeek(3, 1); }), jetfn::kOverflow);
}

TEST(JetArgs, DatesAreSerialsOfTheCalendarOrRegionalTexts) {
  const std::vector<JetArgs::Value> values = {Text("22/11/2003"), Real(37947.5), Real(3e6),
                                              Text("mañana"), Integer(8)};
  const JetArgs args(values.data(), static_cast<int>(values.size()));
  EXPECT_EQ(args.AsDate(0), 37947);
  EXPECT_EQ(args.AsDate(1), 37947.5);
  EXPECT_EQ(args.AsDate(2), std::nullopt);
  // Past year 9999 a number is too large; a text that is no date the wrong
  // kind of value.
  EXPECT_EQ(Failure([&] { args.Date(2); }), jetfn::kOverflow);
  EXPECT_EQ(Failure([&] { args.Date(3); }), jetfn::kTypeMismatch);
  EXPECT_EQ(Failure([&] { args.FirstDayOfWeek(4, 1); }), jetfn::kInvalidCall);
}

}  // namespace
}  // namespace dao
