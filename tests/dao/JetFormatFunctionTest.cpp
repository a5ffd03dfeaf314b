/*
** Format, through SELECT statements on an engine database: the named
** formats under the regional settings, number sections and literals, date
** patterns with names, weeks and the clock, text patterns and Null.
*/
#include "JetLibraryFixture.h"

namespace dao {
namespace {

using JetFormatFunction = test::JetLibraryFixture;

TEST_F(JetFormatFunction, NamedFormatsFollowTheRegionalSettings) {
  ExpectAll({
      {"Format(1234.5, 'General Number')", "1234,5"},
      {"Format(1234.5, 'Currency')", "$ 1.234,50"},
      {"Format(-1234.5, 'currency')", "-$ 1.234,50"},
      {"Format(1234.5, 'Fixed')", "1234,50"},
      {"Format(1234.5, 'Standard')", "1.234,50"},
      {"Format(0.125, 'Percent')", "12,50%"},
      {"Format(1234.5, 'Scientific')", "1,23E+03"},
      {"Format(0, 'Yes/No') & Format(n, 'Yes/No')", "NoSí"},
      {"Format(n, 'True/False')", "Verdadero"},
      {"Format(0, 'On/Off')", "Desactivado"},
      {"Format(f, 'General Date')", "22/11/2003 22:42:58"},
      {"Format(f, 'Long Date')", "sábado, 22 de noviembre de 2003"},
      {"Format(f, 'Medium Date')", "22-nov-03"},
      {"Format(f, 'Short Date')", "22/11/2003"},
      {"Format(f, 'Long Time')", "22:42:58"},
      {"Format(f, 'Medium Time')", "10:42 p.m."},
      {"Format(f, 'Short Time')", "22:42"},
      {"Format('hola', 'Fixed')", "hola"},
      {"Format(d)", "2,5"},
      {"Format(s)", "Peña"},
      {"Format(z)", "NULL"},
  });
}

TEST_F(JetFormatFunction, NumberPatternsWithSectionsAndLiterals) {
  ExpectAll({
      {"Format(1234.567, '#,##0.00')", "1.234,57"},
      {"Format(2.5, '0')", "3"},
      {"Format(5, '000')", "005"},
      {"Format(-0.001, '0.00')", "0,00"},
      {"Format(-5, '0.0;(0.0)')", "(5,0)"},
      {"Format(0, '0.0;(0.0);\"cero\"')", "cero"},
      {"Format(z, '0;0;0;\"nada\"')", "nada"},
      {"Format(z, '0')", "NULL"},
      {"Format(0.256, '0%')", "26%"},
      {"Format(1234567, '000-0000')", "123-4567"},
      {"Format(42, '\"N.º \"0')", "N.º 42"},
      {"Format(12345.678, '0.00E+00')", "1,23E+04"},
      {"Format(0.000123, '0.0E-0')", "1,2E-4"},
      {"Format(9.999, '0.0E+00')", "1,0E+01"},
      {"Format('1,5', '0.00')", "1,50"},
  });
}

TEST_F(JetFormatFunction, DatePatternsNamesWeeksAndClock) {
  ExpectAll({
      {"Format(f, 'dd/mm/yyyy hh:nn:ss')", "22/11/2003 22:42:58"},
      {"Format(f, 'dddd d \"de\" mmmm')", "sábado 22 de noviembre"},
      {"Format(f, 'ddd dd-mmm-yyyy')", "sáb 22-nov-2003"},
      {"Format(f, 'h:mm AM/PM')", "10:42 PM"},
      {"Format(f, 'hh:mm:ss')", "22:42:58"},
      {"Format(f, 'h a/p')", "10 p"},
      {"Format(f, 'q y yy')", "4 326 03"},
      {"Format(f, 'w')", "7"},
      {"Format(f, 'w', 2)", "6"},
      {"Format(f, 'ww', 2, 2)", "47"},
      {"Format(#12/31/2007#, 'ww', 2, 2)", "1"},
      {"Format(f, 'ddddd ttttt')", "22/11/2003 22:42:58"},
      {"Format(f, 'c')", "22/11/2003 22:42:58"},
      {"Format('22/11/2003', 'yyyy')", "2003"},
  });
  EXPECT_EQ(Failure("Format(f, 'ww', 9)"), kInvalidCall);
}

TEST_F(JetFormatFunction, TextPatterns) {
  ExpectAll({
      {"Format('abc', '>')", "ABC"},
      {"Format('ÑANDÚ', '<')", "ñandú"},
      {"Format('abc', '@@@@@')", "  abc"},
      {"Format('abc', '(@@@)')", "(abc)"},
      {"Format('abcd', '@@')", "abcd"},
  });
}

// A pattern is kept from one call to the next: the rows of one statement,
// each with its own pattern, and a second statement with another, must each
// get their own.
TEST_F(JetFormatFunction, APatternPerRowIsReadForEachRow) {
  db_.Execute("CREATE TABLE pats (k LONG, p TEXT(30), v DOUBLE)");
  db_.Execute("INSERT INTO pats VALUES (1, '0.00', 1234.5)");
  db_.Execute("INSERT INTO pats VALUES (2, '#,##0', 1234.5)");
  db_.Execute("INSERT INTO pats VALUES (3, '0.00', -2)");
  db_.Execute("INSERT INTO pats VALUES (4, 'Standard', 1234.5)");
  db_.Execute("INSERT INTO pats VALUES (5, 'yyyy', 37947)");
  db_.Execute("INSERT INTO pats VALUES (6, '@@@@', 7)");
  const test::Rows expected = {{"1234,50"}, {"1.235"}, {"-2,00"}, {"1.234,50"}, {"2003"}, {"   7"}};
  EXPECT_EQ(db_.Query("SELECT Format(v, p) FROM pats ORDER BY k"), expected);
  EXPECT_EQ(Eval("Format(d, '0.000')"), "2,500");
  EXPECT_EQ(Eval("Format(d, '0.0')"), "2,5");
}

}  // namespace
}  // namespace dao
