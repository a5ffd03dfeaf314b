/*
** The Jet translator's output where its exact text matters to the engine:
** name quoting, output column names, precedence, the statement kinds and
** their error numbers.
*/
#include <gtest/gtest.h>

#include <chrono>

#include "JetTestDatabase.h"
#include "dao/EngineTestSupport.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetSqlTranslator.h"

namespace dao {
namespace {

std::string Sql(std::string_view jet) {
  return JetSqlTranslator::Translate(jet).sql;
}

int ErrorOf(std::string_view jet) {
  return enginetest::ErrorOf([&] { JetSqlTranslator::Translate(jet); });
}

TEST(JetSqlTranslator, NamesAreQuotedAsWrittenAndDigitFirstNamesAreNames) {
  const auto t = JetSqlTranslator::Translate(
      "update 22Cuiles set [Adicionales] = 0 where [Adicionales] is null");
  EXPECT_EQ(t.kind, JetStatementKind::Update);
  EXPECT_EQ(t.table, "22Cuiles");
  EXPECT_EQ(t.sql, R"(UPDATE "22Cuiles" SET "Adicionales" = 0 WHERE ("Adicionales" IS NULL))");

  EXPECT_EQ(Sql("select [Mi campo], Año, 1E5, 21Declaraciones_Juradas.x from [Mi \"tabla\"]"),
            R"(SELECT "Mi campo" AS "Mi campo", "Año" AS "Año", 1E5 AS "Expr1000", )"
            R"("21Declaraciones_Juradas"."x" AS "x" FROM "Mi ""tabla""")");
  EXPECT_EQ(Sql("SELECT * FROM T WHERE A=1"), Sql("select * from T where A=1"));
}

TEST(JetSqlTranslator, TextLiteralsKeepTheirContent) {
  EXPECT_EQ(
      Sql(R"(select * from t where a = 'it''s "x"' or b = "say ""hi"", it's" or c = 'Peña -- /* ;')"),
      R"(SELECT * FROM "t" WHERE (("a" = 'it''s "x"') OR ("b" = 'say "hi", it''s') OR ("c" = 'Peña -- /* ;')))");
}

TEST(JetSqlTranslator, OutputColumnsGetJetNames) {
  EXPECT_EQ(
      Sql("SELECT C.NombreCampo,C.Version, Ti.Nulos, Ti.Type, Ti.Size, Ti.Requerido FROM DBTipos "
          "AS Ti INNER "
          "JOIN DBColumnas AS C  ON Ti.TypeName = C.TipoDatos WHERE (C.CodTabla =3 or C.CodTabla = "
          "7) ORDER BY "
          "C.CodTabla, C.Orden "),
      R"(SELECT "C"."NombreCampo" AS "NombreCampo", "C"."Version" AS "Version", "Ti"."Nulos" AS "Nulos", )"
      R"("Ti"."Type" AS "Type", "Ti"."Size" AS "Size", "Ti"."Requerido" AS "Requerido" )"
      R"(FROM "DBTipos" AS "Ti" INNER JOIN "DBColumnas" AS "C" ON ("Ti"."TypeName" = "C"."TipoDatos") )"
      R"(WHERE (("C"."CodTabla" = 3) OR ("C"."CodTabla" = 7)) )"
      R"(ORDER BY "C"."CodTabla" COLLATE JET, "C"."Orden" COLLATE JET)");
  EXPECT_EQ(Sql("select count(*) from t"), R"(SELECT count(*) AS "Expr1000" FROM "t")");
  EXPECT_EQ(
      Sql("select 1, a, 2 as b, a+1, t.* from t"),
      R"(SELECT 1 AS "Expr1000", "a" AS "a", 2 AS "b", ("a" + 1) AS "Expr1001", "t".* FROM "t")");
  // The same column name from two tables: each takes its qualified form.
  EXPECT_EQ(Sql("select a.x, b.x, b.y from a, b"),
            R"(SELECT "a"."x" AS "a.x", "b"."x" AS "b.x", "b"."y" AS "y" FROM "a", "b")");
}

TEST(JetSqlTranslator, OperatorsFollowJetPrecedence) {
  const std::pair<const char*, const char*> cases[] = {
      {"'a' & 1 + 2", "jet_concat('a', (1 + 2))"},
      {"-2 ^ 2", "(- jet_pow(2, 2))"},
      {"2 ^ -1", "jet_pow(2, (- 1))"},
      {"a Mod b \\ c * d", "jet_mod(\"a\", jet_idiv(\"b\", (\"c\" * \"d\")))"},
      {"a / b", "jet_div(\"a\", \"b\")"},
      {"- -3", "(- -3)"},
      {"x between 1 and 2 and y", "(-((\"x\" BETWEEN 1 AND 2) AND \"y\"))"},
      {"not a = b or c and d", "(-((NOT (\"a\" = \"b\")) OR (\"c\" AND \"d\")))"},
      {"a or b xor c eqv d imp e",
       "(-jet_imp(jet_eqv(jet_xor((\"a\" OR \"b\"), \"c\"), \"d\"), \"e\"))"},
      {"(a > b) + 1", "((-(\"a\" > \"b\")) + 1)"},
      {"'x' + 'y'", "jet_add('x', 'y')"},
      // A run of one operator is written flat; a change of operator nests.
      {"a & b & c", "jet_concat(\"a\", \"b\", \"c\")"},
      {"a & (b & c)", "jet_concat(\"a\", jet_concat(\"b\", \"c\"))"},
      {"a + b - c * d * e + 1", "(\"a\" + \"b\" - (\"c\" * \"d\" * \"e\") + 1)"},
      {"'x' + a + 'y' + 'z'", "jet_add('x', \"a\", 'y', 'z')"},
      {"a & b + c & d", "jet_concat(\"a\", (\"b\" + \"c\"), \"d\")"},
      {"a and b and c or d", "(-((\"a\" AND \"b\" AND \"c\") OR \"d\"))"},
      {"'a' = 'A'", "(-('a' = 'A' COLLATE JET))"},
      {"y not in (1, 'b')", "(-(\"y\" NOT IN (1, 'b')))"},
      {"ucase(y) in ('B')", "(-(jet_ucase(\"y\") COLLATE JET IN ('B')))"},
      {"IIf(a > 1, True, False)", "(CASE WHEN (\"a\" > 1) THEN -1 ELSE 0 END)"},
      {"#1/31/2020 6:00 PM#", "43861.75"},
  };
  for (const auto& [jet, sql] : cases) {
    EXPECT_EQ(Sql(std::string("select ") + jet + " as r from t"),
              std::string("SELECT ") + sql + " AS \"r\" FROM \"t\"")
        << jet;
  }
}

TEST(JetSqlTranslator, DeleteForms) {
  const char* expected =
      R"(DELETE FROM "Dom" WHERE (("CUIT" = '20123456786') AND ("CODDJ" = 5) AND ("CodDom" = 3)))";
  EXPECT_EQ(Sql("Delete * From Dom Where CUIT = '20123456786' and CODDJ = 5 and CodDom=3"),
            expected);
  EXPECT_EQ(Sql("DELETE Dom.* FROM Dom Where CUIT = '20123456786' and CODDJ = 5 and CodDom=3;"),
            expected);
  EXPECT_EQ(Sql("delete from Dom"), R"(DELETE FROM "Dom")");
}

TEST(JetSqlTranslator, InsertForms) {
  auto t = JetSqlTranslator::Translate(
      "insert into Dom select -5 as CodDJ, Cuit, CodDom, Calle from Dom where CUIT = '1' and CodDJ "
      "= 5 and Dueno = 1");
  EXPECT_TRUE(t.insertByName);
  EXPECT_TRUE(t.sql.empty());
  EXPECT_EQ(t.table, "Dom");
  EXPECT_EQ(t.selectSql,
            R"(SELECT -5 AS "CodDJ", "Cuit" AS "Cuit", "CodDom" AS "CodDom", "Calle" AS "Calle" )"
            R"(FROM "Dom" WHERE (("CUIT" = '1') AND ("CodDJ" = 5) AND ("Dueno" = 1)))");

  t = JetSqlTranslator::Translate("INSERT INTO t (a, [b c]) SELECT x, y FROM u");
  EXPECT_FALSE(t.insertByName);
  EXPECT_EQ(t.sql, R"(INSERT INTO "t" ("a", "b c") SELECT "x" AS "x", "y" AS "y" FROM "u")");
  EXPECT_EQ(Sql("insert into t values (True, -1.5, Null)"),
            R"(INSERT INTO "t" VALUES (-1, -1.5, NULL))");
  EXPECT_EQ(ErrorOf("insert into t (a, b) values (1)"), jeterr::kValueCountMismatch);
}

TEST(JetSqlTranslator, PlainSelectOnOneTableIsUpdatable) {
  auto t = JetSqlTranslator::Translate("select * from Configuracion where CodItem = 3");
  EXPECT_TRUE(t.updatable);
  EXPECT_EQ(t.table, "Configuracion");
  EXPECT_EQ(
      t.rowidSql,
      R"(SELECT "Configuracion".rowid AS "__rowid__", * FROM "Configuracion" WHERE ("CodItem" = 3))");
  t = JetSqlTranslator::Translate("select c.Texto from [Mi tabla] c order by c.CodItem");
  EXPECT_TRUE(t.updatable);
  EXPECT_EQ(t.table, "Mi tabla");
  EXPECT_EQ(t.rowidSql,
            R"(SELECT "c".rowid AS "__rowid__", "c"."Texto" AS "Texto" FROM "Mi tabla" AS "c" )"
            R"(ORDER BY "c"."CodItem" COLLATE JET)");

  for (const char* jet :
       {"select count(*) from t", "select distinct a from t", "select top 2 * from t",
        "select a from t group by a", "select a from t union select a from u",
        "select * from t inner join u on t.a = u.a", "select * from t, u",
        "select * from (select * from t) as x", "select a from t order by max(b)"}) {
    EXPECT_FALSE(JetSqlTranslator::Translate(jet).updatable) << jet;
  }
  EXPECT_TRUE(
      JetSqlTranslator::Translate("select distinctrow * from t where a in (select max(b) from u)")
          .updatable);
}

TEST(JetSqlTranslator, CreateTableDeclaresJetTypesWithNamedChecks) {
  const auto t = JetSqlTranslator::Translate("CREATE TABLE X ([a] TEXT (10),[b] LONG,[c])");
  EXPECT_EQ(t.kind, JetStatementKind::CreateTable);
  EXPECT_EQ(t.table, "X");
  EXPECT_EQ(
      t.sql,
      R"(CREATE TABLE "X" ("a" TEXT(10) COLLATE JET CONSTRAINT "size:a" CHECK (length("a") <= 10), )"
      R"("b" LONG CONSTRAINT "type:b" CHECK (typeof("b") IN ('integer', 'real', 'null')) )"
      R"(CONSTRAINT "range:b" CHECK ("b" BETWEEN -2147483648 AND 2147483647), )"
      R"("c" TEXT(255) COLLATE JET CONSTRAINT "size:c" CHECK (length("c") <= 255)))");
  ASSERT_EQ(t.columns.size(), 3u);
  EXPECT_EQ(t.columns[0].type, dbText);
  EXPECT_EQ(t.columns[0].size, 10);
  EXPECT_EQ(t.columns[1].type, dbLong);
  EXPECT_EQ(t.columns[2].size, 255);
  EXPECT_TRUE(t.extraSql.empty());

  const auto yesNo = JetSqlTranslator::Translate("create table [T 1] (Activo logical not null)");
  ASSERT_EQ(yesNo.extraSql.size(), 2u);
  EXPECT_EQ(yesNo.extraSql[0].rfind(
                R"(CREATE TRIGGER "yesno:T 1:Activo:insert" AFTER INSERT ON "T 1")", 0),
            0u);
  EXPECT_EQ(yesNo.extraSql[1].rfind(
                R"(CREATE TRIGGER "yesno:T 1:Activo:update" AFTER UPDATE OF "Activo" ON "T 1")", 0),
            0u);

  const std::pair<const char*, int> words[] = {
      {"varchar(20)", dbText}, {"memo", dbMemo},   {"YesNo", dbBoolean},
      {"bit", dbBoolean},      {"byte", dbByte},   {"smallint", dbInteger},
      {"INTEGER", dbInteger},  {"int", dbLong},    {"counter", dbLong},
      {"money", dbCurrency},   {"real", dbSingle}, {"float", dbDouble},
      {"Date", dbDate},        {"time", dbDate},   {"oleobject", dbLongBinary},
  };
  for (const auto& [word, type] : words) {
    const auto c = JetSqlTranslator::Translate(std::string("create table t (x ") + word + ")");
    EXPECT_EQ(c.columns.at(0).type, type) << word;
  }
}

TEST(JetSqlTranslator, IndexesAreNamedWithinTheirTable) {
  auto t = JetSqlTranslator::Translate("CREATE UNIQUE INDEX Clave ON Dom (Cuit, CodDom DESC)");
  EXPECT_EQ(t.kind, JetStatementKind::CreateIndex);
  EXPECT_EQ(t.table, "Dom");
  EXPECT_EQ(t.sql, R"(CREATE UNIQUE INDEX "Dom:Clave" ON "Dom" ("Cuit", "CodDom" DESC))");
  EXPECT_EQ(Sql("create index i on t (a) with primary"),
            R"(CREATE UNIQUE INDEX "t:i" ON "t" ("a"))");
  EXPECT_EQ(Sql("DROP INDEX Clave ON Dom"), R"(DROP INDEX "Dom:Clave")");
  EXPECT_EQ(Sql("DROP TABLE [X]"), R"(DROP TABLE "X")");
}

TEST(JetSqlTranslator, ErrorsCarryTheStatementsNumber) {
  const std::pair<const char*, int> cases[] = {
      {"", jeterr::kInvalidStatement},
      {"  ;  ", jeterr::kInvalidStatement},
      {"selec * from t", jeterr::kInvalidStatement},
      {"select * from t; drop table t", jeterr::kCharactersAfterEnd},
      {"select * from t;;", jeterr::kCharactersAfterEnd},
      {"select from t", jeterr::kSyntaxInSelect},
      {"select * from t where", jeterr::kSyntaxInSelect},
      {"select * from t where a =", jeterr::kSyntaxInExpression},
      {"select a b from t", jeterr::kSyntaxInExpression},
      {"select * from t where a = 'abc", jeterr::kSyntaxInExpression},
      {"select * from t where a like 'x' escape '!'", jeterr::kSyntaxInExpression},
      {"select * from t where d = #2/30/2020#", jeterr::kSyntaxInExpression},
      {"select * from t inner join u", jeterr::kSyntaxInFrom},
      {"select * from t where a = 1)", jeterr::kSyntaxInSelect},
      {"select * from t order by", jeterr::kSyntaxInOrderBy},
      {"select top 10 percent * from t", jeterr::kSyntaxInSelect},
      {"select Nz(a) from t", jeterr::kUndefinedFunction},
      {"select Left(a) from t", jeterr::kSyntaxInExpression},
      {"insert into t (a) value (1)", jeterr::kSyntaxInInsert},
      {"update t set a = 1 b = 2", jeterr::kSyntaxInExpression},
      {"update t a = 1", jeterr::kSyntaxInUpdate},
      {"update t inner join u on t.a = u.a set t.b = 1", jeterr::kSyntaxInUpdate},
      {"delete from", jeterr::kSyntaxInDelete},
      {"CREATE TABLE X )", jeterr::kSyntaxInCreateTable},
      {"create table t (a decimal(29, 2))", jeterr::kSyntaxInFieldDefinition},
      {"create table t (a text(300))", jeterr::kSyntaxInFieldDefinition},
      {"create table t (a long primary)", jeterr::kSyntaxInFieldDefinition},
      {"create table t (a long, constraint pk primary (a))", jeterr::kSyntaxInCreateTable},
      {"create table t (a long, foreign key (a) references u (b, c))",
       jeterr::kSyntaxInCreateTable},
      {"alter table t", 3293},
      {"alter table t drop", 3293},
      {"create table t (Año long, AÑO text)", jeterr::kFieldDefinedTwice},
      {"drop table", jeterr::kSyntaxInDropTable},
  };
  for (const auto& [jet, number] : cases) EXPECT_EQ(ErrorOf(jet), number) << jet;

  try {
    JetSqlTranslator::Translate("select * from t where a = 1 b = 2");
    FAIL();
  } catch (const AppError& e) {
    EXPECT_EQ(e.Description(),
              "Error de sintaxis (falta operador) en la expresión de consulta 'a = 1 b'.");
  }
}

TEST(JetSqlTranslator, BareTableName) {
  EXPECT_EQ(JetSqlTranslator::BareTableName("Configuracion"), "Configuracion");
  EXPECT_EQ(JetSqlTranslator::BareTableName("[Mi tabla]"), "Mi tabla");
  EXPECT_EQ(JetSqlTranslator::BareTableName("22Cuiles"), "22Cuiles");
  EXPECT_EQ(JetSqlTranslator::BareTableName("[Select]"), "Select");
  for (const char* query :
       {"select * from t", "SELECT", "Mi tabla", " t", "t;", "t.x", "'t'", "", "[t"}) {
    EXPECT_FALSE(JetSqlTranslator::BareTableName(query).has_value()) << query;
  }
}

TEST(JetSqlTranslator, LongAndDeepStatementsAreSafe) {
  std::string jet = "select * from t where a = 0";
  for (int i = 1; i < 20000; ++i) jet += " or a = " + std::to_string(i) + " & 'x'";
  const auto start = std::chrono::steady_clock::now();
  const std::string sql = Sql(jet);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_NE(sql.find("jet_concat(19999, 'x')"), std::string::npos);

  const std::string deep =
      "select " + std::string(5000, '(') + "1" + std::string(5000, ')') + " from t";
  EXPECT_EQ(ErrorOf(deep), jeterr::kSyntaxInExpression);
}

}  // namespace
}  // namespace dao
