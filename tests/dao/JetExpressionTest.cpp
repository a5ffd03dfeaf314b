/*
** Jet expressions translated and run on SQLite: the operators with Jet's
** precedence and rules, the names queries give their columns, LIKE, the
** core functions, and the registration of every function the catalogue
** names. Each case checks the value the expression gives, not the SQL it
** becomes: any equivalent translation passes. The corpus holds what Access
** answers for the common cases; these are the ones it leaves out.
*/
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "JetLibraryFixture.h"
#include "dao/SqliteFunctions.h"
#include "dao/functions/JetFunctionCatalog.h"

namespace dao {
namespace {

// The value of a Jet expression, evaluated on the engine's one-row table.
using JetExpression = test::JetLibraryFixture;

TEST_F(JetExpression, OperatorsFollowJetRules) {
  ExpectAll({
      {"Null & z", "NULL"},
      {"s & '-' & n & '-' & d", "Peña-5-2,5"},
      {"'a' & (n = 5)", "a-1"},
      {"-7 \\ 2", "-3"},
      {"5.5 mod 2", "0"},
      {"-7 mod 3", "-1"},
      {"z is null", "-1"},
      {"IsNull(s)", "0"},
      {"true xor false", "-1"},
      {"true eqv false", "0"},
      {"false imp z", "-1"},
      {"true imp z", "NULL"},
      {"not (n > 9)", "-1"},
      {"s in ('PEÑA', 'x')", "-1"},
      {"'abc' < 'ABD'", "-1"},
      {"UCase(s) in ('peña')", "-1"},
      {"LCase(s) like 'PEÑ*'", "-1"},
  });
  EXPECT_EQ(Failure("'a' xor true"), kTypeMismatch);
}

TEST_F(JetExpression, OperatorsFollowJetPrecedence) {
  // Each value tells Jet's reading from the others: the comment gives what
  // a wrong precedence or grouping would give.
  ExpectAll({
      {"-2 ^ 2", "4"},               // -(2 ^ 2) = -4: the sign binds tighter in Jet
      {"2 * 3 ^ 2", "18"},           // (2 * 3) ^ 2 = 36
      {"17 Mod 7 \\ 2 * 3", "0"},    // ((17 Mod 7) \ 2) * 3 = 3
      {"10 - 2 - 3", "5"},           // 10 - (2 - 3) = 11
      {"'a' & n + 1 & 'b'", "a6b"},  // ('a' & n) + (1 & 'b') = a51b
      {"'a' & 10.0 / 4", "a2,5"},
      {"(n > 1) + 1", "0"},                // a truth value is -1
      {"n between 1 and 9 and n", "-1"},   // n between 1 and (9 and n) = 0
      {"not n = 5 or n = 5", "-1"},        // not (n = 5 or n = 5) = 0
      {"false and false or true", "-1"},   // false and (false or true) = 0
      {"true or true xor true", "0"},      // true or (true xor true) = -1
      {"false eqv false imp true", "-1"},  // false eqv (false imp true) = 0
      // Runs of one operator, each one call taken left to right:
      // 800 / (10 / 4) = 320 and 3 Mod (7 Mod 4) = 0 would end elsewhere.
      {"800 / 10 / 4 \\ 3 \\ 2 Mod 7 Mod 2 ^ 2 ^ 1", "3"},
      {"true xor false xor true imp true imp false", "0"},  // ... imp (true imp false) = -1
      {"n not in (1, 2)", "-1"},
      {"#1/31/2020 6:00 PM#", "43861.75"},
  });
}

TEST_F(JetExpression, TextFunctionsCountCharacters) {
  ExpectAll({
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
      {"InStr(4, 'abcABC', 'c')", "6"},
      {"InStr(s, 'Ñ')", "3"},
      {"InStr('abc', '')", "1"},
  });
  EXPECT_EQ(Failure("Left(s, -1)"), kInvalidCall);
  EXPECT_EQ(Failure("Mid(s, 0)"), kInvalidCall);
  EXPECT_EQ(Failure("Left(s, z)"), kInvalidNull);
}

TEST_F(JetExpression, NumberAndDateFunctions) {
  ExpectAll({
      {"Sgn(-d)", "-1"},
      {"Val('-1.5E2x')", "-150"},
      {"Val('abc')", "0"},
      {"CLng(2.5)", "2"},
      {"CLng(3.5)", "4"},
      {"Day(#1/31/2020 11:59 PM#)", "31"},
      {"Day(#12/29/1899 6:00#)", "29"},
      {"Year('2/3/2021')", "2021"},
      {"Year(z)", "NULL"},
      {"Date() = Int(Now())", "-1"},
      {"Date() > #1/1/2024#", "-1"},
  });
  EXPECT_EQ(Failure("CInt(40000)"), kOverflow);
  EXPECT_EQ(Failure("CLng(z)"), kInvalidNull);
}

TEST_F(JetExpression, TextLiteralsReachSQLiteAsWritten) {
  db_.Execute("create table [Mi \"tabla\"] ([Mi campo] TEXT(40), Año LONG)");
  // A text literal keeps what it holds: quotes, comment marks, semicolons.
  const std::pair<const char*, const char*> texts[] = {
      {R"('it''s "x"')", R"(it's "x")"},
      {R"("say ""hi"", it's")", R"(say "hi", it's)"},
      {"'Peña -- /* ;'", "Peña -- /* ;"}};
  for (int i = 0; i < 3; ++i) {
    const auto& [literal, held] = texts[i];
    db_.Execute(std::string("insert into [Mi \"tabla\"] ([Mi campo], Año) values (") + literal +
                ", " + std::to_string(i) + ")");
    EXPECT_EQ(
        db_.Scalar(std::string("select Año from [Mi \"tabla\"] where [Mi campo] = ") + literal),
        std::to_string(i))
        << literal;
    EXPECT_EQ(db_.Scalar("select [Mi campo] from [Mi \"tabla\"] where Año = " + std::to_string(i)),
              held);
  }
}

TEST_F(JetExpression, OutputColumnsTakeTheNamesJetGivesThem) {
  db_.ExecuteAll({"create table t (a LONG, b LONG)", "create table u (a LONG, y LONG)",
                  "create table [Mi tabla] ([Mi campo] LONG, Año LONG)",
                  "create table 21Declaraciones_Juradas (x LONG)"});
  using Names = std::vector<std::string>;
  EXPECT_EQ(db_.ColumnNames("select [Mi campo], Año, 1E5, 21Declaraciones_Juradas.x from "
                            "[Mi tabla], 21Declaraciones_Juradas"),
            (Names{"Mi campo", "Año", "Expr1000", "x"}));
  EXPECT_EQ(db_.ColumnNames("select count(*) from t"), (Names{"Expr1000"}));
  EXPECT_EQ(db_.ColumnNames("select 1, a, 2 as c, a+1, t.* from t"),
            (Names{"Expr1000", "a", "c", "Expr1001", "a", "b"}));
  // The same column name from two tables: each takes its qualified form.
  EXPECT_EQ(db_.ColumnNames("select t.a, u.a, u.y from t, u"), (Names{"t.a", "u.a", "y"}));
  EXPECT_EQ(db_.ColumnNames("SELECT C.a,C.y, Ti.b FROM t AS Ti INNER JOIN u AS C ON Ti.a = C.a "
                            "ORDER BY C.a"),
            (Names{"a", "y", "b"}));
}

// SQLite itself with the engine's functions and nothing else.
class RegisteredFunctions : public ::testing::Test {
 protected:
  RegisteredFunctions() {
    sqlite3_open(":memory:", &db_);
    RegisterJetFunctions(db_);
  }
  ~RegisteredFunctions() override { sqlite3_close(db_); }

  // The first value a statement gives ("NULL" for Null, "" for no row), or
  // SQLite's message, thrown.
  std::string First(const std::string& sql) {
    std::string first;
    char* message = nullptr;
    const auto keep = [](void* out, int, char** values, char**) {
      *static_cast<std::string*>(out) = values[0] ? values[0] : "NULL";
      return 0;
    };
    if (sqlite3_exec(db_, sql.c_str(), keep, &first, &message) != SQLITE_OK) {
      const std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error(text);
    }
    return first;
  }

  sqlite3* db_ = nullptr;
};

TEST_F(RegisteredFunctions, SQLitesLikeTakesJetPatternsWhateverTheCase) {
  EXPECT_EQ(First("select 'Peñalba' like 'pe*'"), "1");
  EXPECT_EQ(First("select 'a_c' like 'a_c'"), "1");
  EXPECT_EQ(First("select 'abc' like 'a_c'"), "0");
  EXPECT_EQ(First("select 'abc' not like 'a?c'"), "0");
  EXPECT_EQ(First("select like('a', NULL)"), "NULL");
  EXPECT_EQ(First("select like(NULL, 'a')"), "NULL");
  EXPECT_THROW(First("select 'a' like '[a'"), std::runtime_error);
  EXPECT_THROW(First("select like('a', 'a', '!')"), std::runtime_error);
}

JetValue Throws(const JetArgs&) {
  throw AppError(5, "Argumento no válido.");
}

TEST_F(RegisteredFunctions, AnExceptionBecomesTheStatementsErrorInsteadOfCrossingSqlite) {
  static constexpr JetFunction kThrows = Scalar("Lanza", "lanza", 0, 0, Throws);
  ASSERT_EQ(RegisterJetFunction(db_, kThrows), SQLITE_OK);
  try {
    First("select lanza()");
    FAIL() << "the statement must fail";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Argumento no válido.");
  }
}

// A row whose SQL function nobody registers would pass the translator and
// fail only when a query used it.
TEST_F(RegisteredFunctions, EveryFunctionTheCatalogueNamesIsThereForEachCountItTakes) {
  for (const JetFunction& f : JetFunctionCatalog::All()) {
    if (f.sqlName.empty()) continue;
    // A typed row also takes its first argument's type, after the others.
    const int typed = f.typed ? 1 : 0;
    for (int count : {f.minArgs + typed, f.maxArgs + typed}) {
      std::string call = std::string(f.sqlName) + "(";
      for (int i = 0; i < count; ++i) call += i ? ", NULL" : "NULL";
      EXPECT_NO_THROW(First("select " + call + ") where 0")) << call << ")";
    }
  }
}

}  // namespace
}  // namespace dao
