/*
** Conversions, tests and choices, through SELECT statements on an engine
** database, beyond the corpus of what Access answers: banker's rounding,
** texts in either number form, ranges and Null.
*/
#include "JetLibraryFixture.h"

namespace dao {
namespace {

using JetConversionFunctions = test::JetLibraryFixture;

TEST_F(JetConversionFunctions, NumbersRoundHalfToEvenAsWritten) {
  ExpectAll({
      {"CCur(1.23456)", "1.2346"},
      {"CCur(1.00005)", "1"},
      {"CCur(2.50025)", "2.5002"},
      {"CCur(-1.00015)", "-1.0002"},
      {"CCur('2.5')", "25"},
      {"CCur('1.234,56')", "1234.56"},
      {"CCur(n) + CCur(d)", "7.5"},
      {"CByte(254.5)", "254"},
      {"CInt('2,5')", "2"},
      {"CDbl('1,5') + CDbl('2.5')", "26.5"},
      {"CStr(CSng(1.1))", "1,1"},
  });
  EXPECT_EQ(Failure("CCur(1E+15)"), kOverflow);
  EXPECT_EQ(Failure("CCur(z)"), kInvalidNull);
  EXPECT_EQ(Failure("CCur('uno')"), kTypeMismatch);
  EXPECT_EQ(Failure("CByte(255.5)"), kOverflow);
  EXPECT_EQ(Failure("CByte(-1)"), kOverflow);
}

TEST_F(JetConversionFunctions, TruthDateAndVariantConversions) {
  ExpectAll({
      {"CBool(n)", "-1"},
      {"CBool('Verdadero')", "-1"},
      {"CBool('false')", "0"},
      {"CBool('2,5')", "-1"},
      {"CVar(n)", "5"},
      {"CVar(z)", "NULL"},
      {"CDate('22/11/2003') = #11/22/2003#", "-1"},
      {"CVDate(f) = f", "-1"},
  });
  EXPECT_EQ(Failure("CBool('quizás')"), kTypeMismatch);
  EXPECT_EQ(Failure("CBool(z)"), kInvalidNull);
  EXPECT_EQ(Failure("CDate(z)"), kInvalidNull);
  EXPECT_EQ(Failure("CDate(3000000)"), kOverflow);
}

TEST_F(JetConversionFunctions, StrTestsAndChoices) {
  ExpectAll({
      {"Str(n)", " 5"},
      {"Val('12,5')", "12"},
      {"IsNumeric('2.5')", "-1"},
      {"IsDate('31/02/2003')", "0"},
      {"IsDate(f)", "-1"},
      {"IsDate(z)", "0"},
      {"Switch(z, 'a', True, 'b')", "b"},
      {"Choose(2.9, 'a', 'b', 'c')", "b"},
      {"Choose(4, 'a', 'b', 'c')", "NULL"},
      {"Choose(0, 'a')", "NULL"},
  });
  EXPECT_EQ(Failure("Str('x')"), kTypeMismatch);
  EXPECT_EQ(Failure("Switch(True, 1, False)"), kInvalidCall);
  EXPECT_EQ(Failure("Choose(z, 'a')"), kInvalidNull);
  EXPECT_NE(Failure("Switch(True)"), "");
}

}  // namespace
}  // namespace dao
