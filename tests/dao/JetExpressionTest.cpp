/*
** Jet expressions translated and run on SQLite: the operators with Jet's
** precedence and rules, the names queries give their columns, LIKE, the
** core functions, and the registration of every function the catalogue
** names. Each case checks the value the expression gives, not the SQL it
** becomes: any equivalent translation passes.
*/
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "JetLibraryFixture.h"
#include "JetTestDatabase.h"
#include "dao/SqliteFunctions.h"
#include "dao/functions/JetFunctionCatalog.h"

namespace dao {
namespace {

using test::JetTestDatabase;

// The value of a Jet expression, evaluated on the engine's one-row table.
using JetExpression = test::JetLibraryFixture;

TEST_F(JetExpression, ConcatenationFollowsJetRules) {
  EXPECT_EQ(Eval("'x' & Null"), "x");
  EXPECT_EQ(Eval("Null & z"), "NULL");
  EXPECT_EQ(Eval("s & '-' & n & '-' & d"), "Peña-5-2,5");
  EXPECT_EQ(Eval("'a' & 1 + 2"), "a3");
  EXPECT_EQ(Eval("'a' & 10.0 / 4"), "a2,5");
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
      {"-2 ^ 2", "4"},
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
      {"CStr(d)", "2,5"},
      {"CLng(2.5)", "2"},
      {"CLng(3.5)", "4"},
      {"CInt('12')", "12"},
      {"CDbl(' 2,5 ')", "2.5"},
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

TEST_F(JetExpression, OperatorsFollowJetPrecedence) {
  // Each value tells Jet's reading from the others: the comment gives what
  // a wrong precedence or grouping would give.
  const std::pair<const char*, const char*> cases[] = {
      {"-2 ^ 2", "4"},               // -(2 ^ 2) = -4: the sign binds tighter in Jet
      {"2 * 3 ^ 2", "18"},           // (2 * 3) ^ 2 = 36
      {"17 Mod 7 \\ 2 * 3", "0"},    // ((17 Mod 7) \ 2) * 3 = 3
      {"10 - 2 - 3", "5"},           // 10 - (2 - 3) = 11
      {"'a' & n + 1 & 'b'", "a6b"},  // ('a' & n) + (1 & 'b') = a51b
      {"- -3", "3"},
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
  };
  for (const auto& [expression, value] : cases) EXPECT_EQ(Eval(expression), value) << expression;
}

TEST_F(JetExpression, NamesAndTextLiteralsReachSQLiteAsWritten) {
  db_.Execute("create table [Mi \"tabla\"] ([Mi campo] TEXT(40), Año LONG)");
  db_.Execute("create table 22Cuiles (Adicionales LONG)");
  db_.Execute("insert into 22Cuiles values (Null)");
  db_.Execute("update 22Cuiles set [Adicionales] = 0 where [Adicionales] is null");
  EXPECT_EQ(db_.Scalar("select Adicionales from 22Cuiles"), "0");
  // A text literal keeps what it holds: quotes, comment marks, semicolons.
  const char* texts[] = {R"('it''s "x"')", R"("say ""hi"", it's")", "'Peña -- /* ;'"};
  const char* held[] = {R"(it's "x")", R"(say "hi", it's)", "Peña -- /* ;"};
  for (int i = 0; i < 3; ++i) {
    db_.Execute(std::string("insert into [Mi \"tabla\"] ([Mi campo], Año) values (") + texts[i] +
                ", " + std::to_string(i) + ")");
    EXPECT_EQ(
        db_.Scalar(std::string("select Año from [Mi \"tabla\"] where [Mi campo] = ") + texts[i]),
        std::to_string(i))
        << texts[i];
    EXPECT_EQ(db_.Scalar("select [Mi campo] from [Mi \"tabla\"] where Año = " + std::to_string(i)),
              held[i]);
  }
}

TEST_F(JetExpression, OutputColumnsTakeTheNamesJetGivesThem) {
  db_.Execute("create table t (a LONG, b LONG)");
  db_.Execute("create table u (a LONG, y LONG)");
  db_.Execute("create table [Mi tabla] ([Mi campo] LONG, Año LONG)");
  db_.Execute("create table 21Declaraciones_Juradas (x LONG)");
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

TEST(JetLike, TheEnginesLikeTakesJetPatternsWhateverTheCase) {
  JetTestDatabase db;
  EXPECT_EQ(db.Scalar("select 'Peñalba' like 'pe*'"), "-1");
  EXPECT_EQ(db.Scalar("select 'a_c' like 'a_c'"), "-1");
  EXPECT_EQ(db.Scalar("select 'abc' like 'a_c'"), "0");
  EXPECT_EQ(db.Scalar("select 'abc' not like 'a?c'"), "0");
  EXPECT_EQ(db.QuerySql("select like('a', NULL), like(NULL, 'a')")[0],
            (std::vector<std::string>{"NULL", "NULL"}));
  EXPECT_THROW(db.QuerySql("select 'a' like '[a'"), std::runtime_error);
  EXPECT_THROW(db.QuerySql("select like('a', 'a', '!')"), std::runtime_error);
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

// A row whose SQL function nobody registers would pass the translator and
// fail only when a query used it.
TEST(SqliteFunctions, EveryFunctionTheCatalogueNamesIsThereForEachCountItTakes) {
  test::JetTestDatabase db;
  for (const JetFunction& f : JetFunctionCatalog::All()) {
    if (f.sqlName.empty()) continue;
    // A typed row also takes its first argument's type, after the others.
    const int typed = f.typed ? 1 : 0;
    for (int count : {f.minArgs + typed, f.maxArgs + typed}) {
      std::string call = std::string(f.sqlName) + "(";
      for (int i = 0; i < count; ++i) call += i ? ", NULL" : "NULL";
      EXPECT_NO_THROW(db.QuerySql("select " + call + ") where 0")) << call << ")";
    }
  }
}

}  // namespace
}  // namespace dao
