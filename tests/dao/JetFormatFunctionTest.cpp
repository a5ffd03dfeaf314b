/*
** Format, through SELECT statements on an engine database, beyond the
** corpus of what Access answers: week arguments out of range, the named
** formats on values of other kinds, and patterns that change from row to
** row.
*/
#include "JetLibraryFixture.h"

namespace dao {
namespace {

using JetFormatFunction = test::JetLibraryFixture;

TEST_F(JetFormatFunction, NamedFormatsAndPatternsOnValuesOfOtherKinds) {
  ExpectAll({
      {"Format(0, 'Yes/No') & Format(n, 'Yes/No')", "NoSí"},
      {"Format(n, 'True/False')", "Verdadero"},
      {"Format(f, 'Medium Time')", "10:42 p.m."},
      {"Format('hola', 'Fixed')", "hola"},
      {"Format(-5, '0.0;(0.0)')", "(5,0)"},
      {"Format(0.000123, '0.0E-0')", "1,2E-4"},
      {"Format(f, 'h:mm AM/PM')", "10:42 PM"},
      {"Format(f, 'ww', 2, 2)", "47"},
      {"Format('22/11/2003', 'yyyy')", "2003"},
      {"Format('abcd', '@@')", "abcd"},
  });
  EXPECT_EQ(Failure("Format(f, 'ww', 9)"), kInvalidCall);
}

// A pattern is kept from one call to the next: the rows of one statement,
// each with its own pattern, and a second statement with another, must each
// get their own.
TEST_F(JetFormatFunction, APatternPerRowIsReadForEachRow) {
  db_.ExecuteAll(
      {"CREATE TABLE pats (k LONG, p TEXT(30), v DOUBLE)",
       "INSERT INTO pats VALUES (1, '0.00', 1234.5)",
       "INSERT INTO pats VALUES (2, '#,##0', 1234.5)", "INSERT INTO pats VALUES (3, '0.00', -2)",
       "INSERT INTO pats VALUES (4, 'Standard', 1234.5)",
       "INSERT INTO pats VALUES (5, 'yyyy', 37947)", "INSERT INTO pats VALUES (6, '@@@@', 7)"});
  const test::Rows expected = {{"1234,50"}, {"1.235"}, {"-2,00"}, {"1.234,50"}, {"2003"}, {"   7"}};
  EXPECT_EQ(db_.Query("SELECT Format(v, p) FROM pats ORDER BY k"), expected);
  EXPECT_EQ(Eval("Format(d, '0.000')"), "2,500");
  EXPECT_EQ(Eval("Format(d, '0.0')"), "2,5");
}

}  // namespace
}  // namespace dao
