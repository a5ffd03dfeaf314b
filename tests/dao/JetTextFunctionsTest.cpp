/*
** The further text functions, through SELECT statements on an engine
** database, beyond the corpus of what Access answers: characters beyond
** ASCII, the comparison modes, code page codes, limits and Null.
*/
#include "JetLibraryFixture.h"

namespace dao {
namespace {

using JetTextFunctions = test::JetLibraryFixture;

TEST_F(JetTextFunctions, RepeatedCharactersAndCodes) {
  ExpectAll({
      {"String(3, 'ab')", "aaa"},
      {"String(3, 65)", "AAA"},
      {"String(2, 321)", "AA"},
      {"String(2, 'ñ')", "ññ"},
      {"String(2, z)", "NULL"},
      {"Chr(65) & Chr(241) & Chr(128)", "Añ€"},
      {"Asc('Ñandú')", "209"},
      {"Asc('€')", "128"},
      {"Asc('Ω')", "63"},
  });
  EXPECT_EQ(Failure("String(-1, 'a')"), kInvalidCall);
  EXPECT_EQ(Failure("String(2, '')"), kInvalidCall);
  EXPECT_EQ(Failure("String(z, 'a')"), kInvalidNull);
  EXPECT_EQ(Failure("Space(-1)"), kInvalidCall);
  EXPECT_EQ(Failure("Chr(256)"), kInvalidCall);
  EXPECT_EQ(Failure("Chr(z)"), kInvalidNull);
  EXPECT_EQ(Failure("Asc('')"), kInvalidCall);
  EXPECT_EQ(Failure("Asc(z)"), kInvalidNull);
  // Refused before the text is built.
  EXPECT_EQ(Failure("String(2000000000, 'x')"), kOverflow);
  EXPECT_EQ(Failure("Space(2000000000)"), kOverflow);
}

TEST_F(JetTextFunctions, ReplaceSearchAndCaseFollowTheComparisonModeBeyondAscii) {
  ExpectAll({
      {"Replace('Peña PEÑA', 'peña', 'x')", "x x"},
      {"Replace('Peña PEÑA', 'peña', 'x', 1, -1, 0)", "Peña PEÑA"},
      {"Replace('abcabc', 'b', 'X', 3)", "caXc"},
      {"Replace('aaa', 'a', 'b', 1, 2)", "bba"},
      {"Replace(z, 'a', 'b')", "NULL"},
      {"InStrRev('a-b-c', '-', 3)", "2"},
      {"InStrRev('Peña', 'Ñ')", "3"},
      {"InStrRev('Peña', 'Ñ', -1, 0)", "0"},
      {"InStrRev('abc', '')", "3"},
      {"InStrRev(z, 'a')", "NULL"},
      {"StrComp('peña', 'PEÑA')", "0"},
      {"StrComp('peña', 'PEÑA', 0)", "1"},
      {"StrComp(z, 'a')", "NULL"},
      {"StrConv('josé MARÍA pérez', 3)", "José María Pérez"},
      {"StrConv('ñandú', 1)", "ÑANDÚ"},
      {"StrConv('ÑANDÚ', 2)", "ñandú"},
      {"UCase('ñandú über')", "ÑANDÚ ÜBER"},
      {"LCase('ÁÉÍÓÚÜÑ')", "áéíóúüñ"},
      {"StrReverse(s)", "añeP"},
      {"StrReverse(z)", "NULL"},
  });
  EXPECT_EQ(Failure("Replace('a', z, 'b')"), kInvalidNull);
  EXPECT_EQ(Failure("Replace('a', 'a', 'b', 0)"), kInvalidCall);
  EXPECT_EQ(Failure("InStrRev('abc', 'c', 0)"), kInvalidCall);
  EXPECT_EQ(Failure("StrComp('a', 'b', 5)"), kInvalidCall);
  EXPECT_EQ(Failure("StrConv('x', 64)"), kInvalidCall);
}

}  // namespace
}  // namespace dao
