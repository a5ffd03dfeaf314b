/*
** Jet expressions translated and run on SQLite: text literals and names as
** written, the names queries give their columns, Format's patterns from
** row to row, SQLite's LIKE, and the registration of every function the
** catalogue names. The values of the
** operators and functions are in the corpus and the library's cases
** (tests/data), each checked for the value it gives, not the SQL it becomes.
*/
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "EngineTestDatabase.h"
#include "dao/SqliteFunctions.h"
#include "dao/functions/JetFunctionCatalog.h"

namespace dao {
namespace {

TEST(JetExpression, NamesAndTextLiteralsReachSQLiteAsWritten) {
  test::EngineTestDatabase db;
  db.Execute(R"(create table [Mi "tabla"] ([Mi campo] TEXT(40), Año LONG))");
  // A text literal keeps what it holds: quotes, comment marks, semicolons.
  db.ExecuteAll({R"(insert into [Mi "tabla"] values ('it''s "x"', 1))",
                 R"(insert into [Mi "tabla"] values ("say ""hi"", it's", 2))",
                 R"(insert into [Mi "tabla"] values ('Peña -- /* ;', 3))"});
  EXPECT_EQ(db.Query(R"(select [Mi campo] from [Mi "tabla"] order by Año)"),
            (test::Rows{{R"(it's "x")"}, {R"(say "hi", it's)"}, {"Peña -- /* ;"}}));
  EXPECT_EQ(db.Scalar(R"(select Año from [Mi "tabla"] where [Mi campo] = "say ""hi"", it's")"),
            "2");
  EXPECT_EQ(db.Scalar(R"(select Año from [Mi "tabla"] where [Mi campo] = 'Peña -- /* ;')"), "3");
}

TEST(JetExpression, OutputColumnsTakeTheNamesJetGivesThem) {
  test::EngineTestDatabase db;
  db.ExecuteAll({"create table t (a LONG, b LONG)", "create table u (a LONG, y LONG)",
                 "create table [Mi tabla] ([Mi campo] LONG, Año LONG)",
                 "create table 21Declaraciones_Juradas (x LONG)"});
  using Names = std::vector<std::string>;
  EXPECT_EQ(db.ColumnNames("select [Mi campo], Año, 1E5, 21Declaraciones_Juradas.x from "
                           "[Mi tabla], 21Declaraciones_Juradas"),
            (Names{"Mi campo", "Año", "Expr1000", "x"}));
  EXPECT_EQ(db.ColumnNames("select count(*) from t"), (Names{"Expr1000"}));
  EXPECT_EQ(db.ColumnNames("select 1, a, 2 as c, a+1, t.* from t"),
            (Names{"Expr1000", "a", "c", "Expr1001", "a", "b"}));
  // The same column name from two tables: each takes its qualified form.
  EXPECT_EQ(db.ColumnNames("select t.a, u.a, u.y from t, u"), (Names{"t.a", "u.a", "y"}));
  EXPECT_EQ(db.ColumnNames("SELECT C.a,C.y, Ti.b FROM t AS Ti INNER JOIN u AS C ON Ti.a = C.a "
                           "ORDER BY C.a"),
            (Names{"a", "y", "b"}));
}

// Format keeps a pattern from one call to the next: the rows of one statement,
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
