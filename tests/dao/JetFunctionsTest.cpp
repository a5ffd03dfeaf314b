/*
** The collation, LIKE and the Jet functions, through translated
** expressions run on SQLite.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "JetTestDatabase.h"
#include "dao/SqliteFunctions.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetDateSerial.h"
#include "dao/functions/JetFunctionCatalog.h"

namespace dao {
namespace {

using test::JetTestDatabase;

// The value of a Jet expression, evaluated on a one-row table.
class JetExpression : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute("create table one (n LONG, d DOUBLE, s TEXT(20), z TEXT(5))");
    db_.Execute("insert into one values (5, 2.5, 'Peña', Null)");
  }

  std::string Eval(const std::string& expression) {
    return db_.Scalar("select " + expression + " from one");
  }

  // The SQLite error an expression raises; "" when it raises none.
  std::string Failure(const std::string& expression) {
    try {
      Eval(expression);
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "";
  }

  JetTestDatabase db_;
};

TEST_F(JetExpression, ConcatenationFollowsJetRules) {
  EXPECT_EQ(Eval("'x' & Null"), "x");
  EXPECT_EQ(Eval("Null & z"), "NULL");
  EXPECT_EQ(Eval("s & '-' & n & '-' & d"), "Peña-5-2.5");
  EXPECT_EQ(Eval("'a' & 1 + 2"), "a3");
  EXPECT_EQ(Eval("'a' & 10.0 / 4"), "a2.5");
  EXPECT_EQ(Eval("'a' & (n = 5)"), "a-1");
  EXPECT_EQ(Eval("'x' + 'y'"), "xy");
  EXPECT_EQ(Eval("'2' + n"), "7");
  EXPECT_EQ(Eval("'x' + z"), "NULL");
}

TEST_F(JetExpression, ArithmeticAndTruthValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"n / 2", "2.5"},
      {"7 \\ 2", "3"},
      {"-7 \\ 2", "-3"},
      {"7 mod 3", "1"},
      {"5.5 mod 2", "0"},
      {"-7 mod 3", "-1"},
      {"2 ^ 3", "8"},
      {"-2 ^ 2", "-4"},
      {"2 ^ -1", "0.5"},
      {"n = 5", "-1"},
      {"n <> 5", "0"},
      {"z is null", "-1"},
      {"IsNull(s)", "0"},
      {"true xor false", "-1"},
      {"true eqv false", "0"},
      {"false imp z", "-1"},
      {"true imp z", "NULL"},
      {"not (n > 9)", "-1"},
      {"IIf(z, 1, 2)", "2"},
      {"IIf(n > 1, 's', 'n')", "s"},
      {"n between 1 and 9", "-1"},
      {"s in ('PEÑA', 'x')", "-1"},
      {"'abc' < 'ABD'", "-1"},
      {"UCase(s) in ('peña')", "-1"},
      {"'b' between 'A' and 'C'", "-1"},
      {"LCase(s) like 'PEÑ*'", "-1"},
  };
  for (const auto& [expression, value] : cases) EXPECT_EQ(Eval(expression), value) << expression;
  EXPECT_EQ(Failure("n / 0"), "División por cero.");
  EXPECT_EQ(Failure("n mod 0"), "División por cero.");
  EXPECT_EQ(Failure("'a' xor true"),
            "No coinciden los tipos de datos en la expresión de criterios.");
}

TEST_F(JetExpression, TextFunctionsCountCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"Len(s)", "4"},
      {"Len(n)", "1"},
      {"Len(z)", "NULL"},
      {"Left(s, 3)", "Peñ"},
      {"Right(s, 2)", "ña"},
      {"Right(s, 9)", "Peña"},
      {"Mid('Peñalba', 3, 2)", "ña"},
      {"Mid('Peñalba', 5)", "lba"},
      {"Mid('abc', 9)", ""},
      {"UCase(s)", "PEÑA"},
      {"LCase('ÁRBOL Ÿ')", "árbol ÿ"},
      {"'[' & Trim('  a b  ') & ']' & LTrim(' c ') & ']' & RTrim(' d ') & ']'", "[a b]c ] d]"},
      {"InStr('abcABC', 'C')", "3"},
      {"InStr(4, 'abcABC', 'c')", "6"},
      {"InStr(1, 'abcABC', 'C', 0)", "6"},
      {"InStr(s, 'Ñ')", "3"},
      {"InStr('abc', '')", "1"},
      {"InStr(z, 'a')", "NULL"},
  };
  for (const auto& [expression, value] : cases) EXPECT_EQ(Eval(expression), value) << expression;
  EXPECT_EQ(Failure("Left(s, -1)"), "Llamada a procedimiento o argumento no válido.");
  EXPECT_EQ(Failure("Mid(s, 0)"), "Llamada a procedimiento o argumento no válido.");
  EXPECT_EQ(Failure("Left(s, z)"), "Uso no válido de Null.");
}

TEST_F(JetExpression, NumberAndDateFunctions) {
  const std::pair<const char*, const char*> cases[] = {
      {"Abs(-2.5)", "2.5"},
      {"Int(-2.5)", "-3"},
      {"Fix(-2.5)", "-2"},
      {"Sgn(-d)", "-1"},
      {"Val(' 12 3abc')", "123"},
      {"Val('-1.5E2x')", "-150"},
      {"Val('&H1F')", "31"},
      {"Val('&HFFFF')", "-1"},
      {"Val('&o10')", "8"},
      {"Val('abc')", "0"},
      {"CStr(d)", "2.5"},
      {"CLng(2.5)", "2"},
      {"CLng(3.5)", "4"},
      {"CInt('12')", "12"},
      {"CDbl(' 2.5 ')", "2.5"},
      {"Year(#1/31/2020#)", "2020"},
      {"Month(#1/31/2020#)", "1"},
      {"Day(#1/31/2020 11:59 PM#)", "31"},
      {"Day(#12/29/1899 6:00#)", "29"},
      {"Year('2/3/2021')", "2021"},
      {"Year(z)", "NULL"},
  };
  for (const auto& [expression, value] : cases) EXPECT_EQ(Eval(expression), value) << expression;
  EXPECT_EQ(Failure("CInt(40000)"), "Desbordamiento.");
  EXPECT_EQ(Failure("CLng(z)"), "Uso no válido de Null.");
  EXPECT_EQ(Failure("CDbl('uno')"),
            "No coinciden los tipos de datos en la expresión de criterios.");
  EXPECT_EQ(Eval("Date() = Int(Now())"), "-1");
  EXPECT_EQ(Eval("Date() > #1/1/2024#"), "-1");
}

TEST(JetDateSerial, LiteralsAndPartsRoundTrip) {
  const std::pair<const char*, double> literals[] = {
      {"12/30/1899", 0},
      {"1/31/2020", 43861},
      {"31/1/2020", 43861},
      {"2020-01-31", 43861},
      {"1/1/29", 47119},
      {"1/1/30", 10959},
      {"6:00 PM", 0.75},
      {"12:00 AM", 0},
      {"12/29/1899 6:00", -1.25},
      {"1/31/2020 10:30:15", 43861 + (10 * 3600 + 30 * 60 + 15) / 86400.0},
  };
  for (const auto& [text, serial] : literals)
    EXPECT_EQ(JetDateSerial::FromLiteral(text), serial) << text;
  for (const char* bad :
       {"2/30/2020", "2/29/2021", "13/13/2020", "1/1/2020 24:00", "24:00 PM", "1/1", "", "a"}) {
    EXPECT_FALSE(JetDateSerial::FromLiteral(bad).has_value()) << bad;
  }
  const JetDateParts parts =
      JetDateSerial::ToParts(JetDateSerial::FromParts({2024, 2, 29, 23, 59, 59}));
  EXPECT_EQ(parts.year * 10000 + parts.month * 100 + parts.day, 20240229);
  EXPECT_EQ(parts.hour * 3600 + parts.minute * 60 + parts.second, 86399);

  // A literal compares equal with the same date stored as a double.
  JetTestDatabase db;
  db.Execute("create table f (d DATE)");
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db.Handle(), "insert into f values (?)", -1, &stmt, nullptr),
            SQLITE_OK);
  sqlite3_bind_double(stmt, 1, JetDateSerial::FromParts({2020, 1, 31, 10, 30, 15}));
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_DONE);
  sqlite3_finalize(stmt);
  EXPECT_EQ(db.Scalar("select count(*) from f where d = #1/31/2020 10:30:15 AM#"), "1");
}

TEST(JetLike, JetWildcardsWithPercentAndUnderscorePlain) {
  JetTestDatabase db;
  struct Case {
    const char* text;
    const char* pattern;
    const char* result;
  };
  const Case cases[] = {
      {"Peñalba", "Pe*", "-1"},
      {"Peñalba", "*alba", "-1"},
      {"Peñalba", "P*a*a", "-1"},
      {"Peñalba", "P*x*", "0"},
      {"abc", "a?c", "-1"},
      {"ac", "a?c", "0"},
      {"a1c", "a#c", "-1"},
      {"abc", "a#c", "0"},
      {"a%c", "a%c", "-1"},
      {"abc", "a%c", "0"},
      {"a_c", "a_c", "-1"},
      {"abc", "a_c", "0"},
      {"b", "[a-c]", "-1"},
      {"B", "[a-c]", "-1"},
      {"d", "[a-c]", "0"},
      {"d", "[!a-c]", "-1"},
      {"a*", "a[*]", "-1"},
      {"ab", "a[*]", "0"},
      {"-", "[a-]", "-1"},
      {"ñ", "[a-z]", "-1"},
      {"ÁRBOL", "árbol", "-1"},
      {"arbol", "árbol", "0"},
      {"", "*", "-1"},
      {"abc", "abc[]", "-1"},
      {"aaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(db.QuerySql(JetSqlTranslator::Translate(std::string("select '") + c.text +
                                                      "' like '" + c.pattern + "'")
                              .sql)[0][0],
              c.result)
        << c.text << " LIKE " << c.pattern;
  }
  EXPECT_EQ(db.QuerySql("select like('a', NULL), like(NULL, 'a')")[0],
            (std::vector<std::string>{"NULL", "NULL"}));
  EXPECT_THROW(db.QuerySql("select 'a' like '[a'"), std::runtime_error);
  EXPECT_THROW(db.QuerySql("select like('a', 'a', '!')"), std::runtime_error);
}

TEST(JetCollation, OrdersAsJetAndIsAStrictWeakOrder) {
  std::vector<std::string> words = {"zeta",  "Peña",     "pena",  "PENA",   "Penalba", "peña",
                                    "Ñandú", "nandu",    "Æther", "aether", "Straße",  "strasse",
                                    "Ünal",  "unal",     "a",     "",       "A",       "_x",
                                    "9",     "\xff\xfe", "Œuvre", "oeuvre", "Łódź",    "lodz"};
  const auto less = [](const std::string& a, const std::string& b) {
    return JetCollation::Compare(a, b) < 0;
  };
  for (const auto& a : words) {
    EXPECT_FALSE(less(a, a)) << a;
    for (const auto& b : words) {
      EXPECT_EQ(JetCollation::Compare(a, b) < 0, JetCollation::Compare(b, a) > 0)
          << a << " / " << b;
      for (const auto& c : words) {
        if (less(a, b) && less(b, c)) {
          EXPECT_TRUE(less(a, c)) << a << " < " << b << " < " << c;
        }
        const bool ab = !less(a, b) && !less(b, a), bc = !less(b, c) && !less(c, b);
        if (ab && bc) {
          EXPECT_TRUE(!less(a, c) && !less(c, a)) << a << " ~ " << b << " ~ " << c;
        }
      }
    }
  }
  EXPECT_EQ(JetCollation::Compare("PEÑA", "peña"), 0);
  EXPECT_EQ(JetCollation::Compare("ŁÓDŹ", "łódź"), 0);
  EXPECT_LT(JetCollation::Compare("pena", "peña"), 0);
  EXPECT_LT(JetCollation::Compare("peña", "penalba"), 0);
  EXPECT_LT(JetCollation::Compare("nandu", "Ñandú"), 0);
  EXPECT_LT(JetCollation::Compare("Ñandú", "oeuvre"), 0);
  EXPECT_LT(JetCollation::Compare("strasse", "Straße"), 0);
  EXPECT_LT(JetCollation::Compare("Straße", "strassf"), 0);
  EXPECT_LT(JetCollation::Compare("_x", "a"), 0);

  std::mt19937 random(7);
  std::shuffle(words.begin(), words.end(), random);
  std::sort(words.begin(), words.end(), less);
  EXPECT_TRUE(std::is_sorted(words.begin(), words.end(), less));
}

}  // namespace
}  // namespace dao

namespace dao {
namespace {

JetValue Throws(const JetArgs&) {
  throw AppError(5, "Argumento no válido.");
}

TEST(SqliteFunctions, AnExceptionBecomesTheStatementsErrorInsteadOfCrossingSqlite) {
  test::JetTestDatabase db;
  static constexpr JetFunction kThrows = Scalar("Lanza", "lanza", 0, 0, Throws);
  ASSERT_EQ(RegisterJetFunction(db.Handle(), kThrows), SQLITE_OK);
  try {
    db.QuerySql("select lanza()");
    FAIL() << "the statement must fail";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Argumento no válido.");
  }
}

}  // namespace
}  // namespace dao
