/*
** Format with patterns that change from row to row and from statement to
** statement. Its values are in the corpus and the library's cases
** (tests/data).
*/
#include <gtest/gtest.h>

#include "EngineTestDatabase.h"

namespace dao {
namespace {

// A pattern is kept from one call to the next: the rows of one statement,
// each with its own pattern, and a second statement with another, must each
// get their own.
TEST(JetFormatFunction, APatternPerRowIsReadForEachRow) {
  test::EngineTestDatabase db;
  db.ExecuteAll(
      {"CREATE TABLE pats (k LONG, p TEXT(30), v DOUBLE)",
       "INSERT INTO pats VALUES (1, '0.00', 1234.5)",
       "INSERT INTO pats VALUES (2, '#,##0', 1234.5)", "INSERT INTO pats VALUES (3, '0.00', -2)",
       "INSERT INTO pats VALUES (4, 'Standard', 1234.5)",
       "INSERT INTO pats VALUES (5, 'yyyy', 37947)", "INSERT INTO pats VALUES (6, '@@@@', 7)"});
  const test::Rows expected = {{"1234,50"}, {"1.235"}, {"-2,00"}, {"1.234,50"}, {"2003"}, {"   7"}};
  EXPECT_EQ(db.Query("SELECT Format(v, p) FROM pats ORDER BY k"), expected);
  EXPECT_EQ(db.Scalar("SELECT Format(v, '0.000') FROM pats WHERE k = 3"), "-2,000");
  EXPECT_EQ(db.Scalar("SELECT Format(v, '0.0') FROM pats WHERE k = 3"), "-2,0");
}

}  // namespace
}  // namespace dao
