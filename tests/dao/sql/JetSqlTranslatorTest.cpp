/*
** The translator on its own, without a database: what it tells the engine
** about a statement (its kind, the table it writes, whether a record set on
** it may write, the columns a CREATE TABLE declares), the errors it raises
** with the statement's number, and what it asks of the schema. What the
** translated SQL does is tested where it runs (tests/dao).
*/
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetSqlTranslator.h"
#include "support/ErrorOf.h"

namespace dao {
namespace {

TranslatedStatement T(std::string_view jet) {
  return JetSqlTranslator::Translate(jet);
}

int ErrorFor(std::string_view jet) {
  return ErrorOf([&] { JetSqlTranslator::Translate(jet); });
}

TEST(JetSqlTranslator, EachStatementSaysItsKindAndTheTableItWrites) {
  const std::tuple<const char*, JetStatementKind, const char*> cases[] = {
      {"update 22Cuiles set [Adicionales] = 0 where [Adicionales] is null",
       JetStatementKind::Update, "22Cuiles"},
      {"Delete * From Dom Where CUIT = '1'", JetStatementKind::Delete, "Dom"},
      {"DELETE Dom.* FROM Dom;", JetStatementKind::Delete, "Dom"},
      {"insert into [Mi tabla] (a, [b c]) values (True, -1.5)", JetStatementKind::Insert,
       "Mi tabla"},
      {"CREATE TABLE X ([a] TEXT (10))", JetStatementKind::CreateTable, "X"},
      {"DROP TABLE [X]", JetStatementKind::DropTable, "X"},
      {"CREATE UNIQUE INDEX Clave ON Dom (Cuit, CodDom DESC)", JetStatementKind::CreateIndex,
       "Dom"},
      {"DROP INDEX Clave ON Dom", JetStatementKind::DropIndex, "Dom"},
      {"ALTER TABLE Dom ADD COLUMN c SHORT", JetStatementKind::AlterTable, "Dom"},
  };
  for (const auto& [jet, kind, table] : cases) {
    const TranslatedStatement t = T(jet);
    EXPECT_EQ(t.kind, kind) << jet;
    EXPECT_EQ(t.table, table) << jet;
  }
  // Keywords ignore case; the two forms of DELETE are one statement.
  EXPECT_EQ(T("SELECT * FROM T WHERE A=1").sql, T("select * from T where A=1").sql);
  EXPECT_EQ(T("Delete * From Dom").sql, T("DELETE Dom.* FROM Dom").sql);

  const auto into = T("SELECT `a b`, (SELECT max(c) FROM u) AS m INTO [Nueva] FROM t");
  EXPECT_EQ(into.kind, JetStatementKind::SelectInto);
  EXPECT_EQ(into.target, "Nueva");
  EXPECT_FALSE(into.updatable);
}

TEST(JetSqlTranslator, PlainSelectOnOneTableIsUpdatable) {
  for (const auto& [jet, table] : std::map<std::string, std::string>{
           {"select * from Configuracion where CodItem = 3", "Configuracion"},
           {"select c.Texto from [Mi tabla] c order by c.CodItem", "Mi tabla"},
           {"select distinctrow * from t where a in (select max(b) from u)", "t"}}) {
    const auto t = T(jet);
    EXPECT_TRUE(t.updatable) << jet;
    EXPECT_EQ(t.table, table) << jet;
  }
  for (const char* jet :
       {"select count(*) from t", "select distinct a from t", "select top 2 * from t",
        "select a from t group by a", "select a from t union select a from u",
        "select * from t inner join u on t.a = u.a", "select * from t, u",
        "select * from (select * from t) as x", "select a from t order by max(b)"}) {
    EXPECT_FALSE(T(jet).updatable) << jet;
  }
}

TEST(JetSqlTranslator, CreateTableDeclaresEachColumnWithItsJetType) {
  const auto t = T("CREATE TABLE X ([a] TEXT (10),[b] LONG,[c], d decimal(10, 2) not null)");
  std::vector<std::tuple<int, int, int, int, bool>> columns;
  for (const auto& c : t.columns)
    columns.emplace_back(c.type, c.size, c.precision, c.scale, c.required);
  EXPECT_EQ(
      columns, (std::vector<std::tuple<int, int, int, int, bool>>{{dbText, 10, 0, 0, false},
                                                                  {dbLong, 4, 0, 0, false},
                                                                  {dbText, 255, 0, 0, false},
                                                                  {dbDecimal, 0, 10, 2, true}}));

  // The type words whose Jet type is not the one their name suggests.
  const std::pair<const char*, int> words[] = {
      {"INTEGER", dbInteger}, {"int", dbLong},        {"bit", dbBoolean},
      {"real", dbSingle},     {"float", dbDouble},    {"money", dbCurrency},
      {"time", dbDate},       {"numeric", dbDecimal}, {"oleobject", dbLongBinary},
  };
  for (const auto& [word, type] : words) {
    EXPECT_EQ(T(std::string("create table t (x ") + word + ")").columns.at(0).type, type) << word;
  }
  EXPECT_TRUE(T("create table t (n counter)").columns.at(0).counter);
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
      // An AM/PM marker does not make an hour past the day a time.
      {"select #24:00 AM#", jeterr::kSyntaxInSelect},
      {"select #25:10 PM#", jeterr::kSyntaxInSelect},
      {"select #1/1/2020 23:60 PM#", jeterr::kSyntaxInSelect},
      {"select #AM 10:00#", jeterr::kSyntaxInSelect},
      {"select * from t inner join u", jeterr::kSyntaxInFrom},
      {"select * from t where a = 1)", jeterr::kSyntaxInSelect},
      {"select * from t order by", jeterr::kSyntaxInOrderBy},
      {"select top 10 percent * from t", jeterr::kSyntaxInSelect},
      {"SELECT `a FROM t", jeterr::kSyntaxInSelect},
      {"select Nz(a) from t", jeterr::kUndefinedFunction},
      {"select Left(a) from t", jeterr::kSyntaxInExpression},
      {"insert into t (a) value (1)", jeterr::kSyntaxInInsert},
      {"insert into t (a, b) values (1)", jeterr::kValueCountMismatch},
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
      {"alter table t", jeterr::kSyntaxInAlterTable},
      {"alter table t drop", jeterr::kSyntaxInAlterTable},
      {"create table t (Año long, AÑO text)", jeterr::kFieldDefinedTwice},
      {"drop table", jeterr::kSyntaxInDropTable},
  };
  for (const auto& [jet, number] : cases) EXPECT_EQ(ErrorFor(jet), number) << jet;

  try {
    T("select * from t where a = 1 b = 2");
    FAIL();
  } catch (const AppError& e) {
    EXPECT_EQ(e.Description(),
              "Error de sintaxis (falta operador) en la expresión de consulta 'a = 1 b'.");
  }
}

TEST(JetSqlTranslator, ABareTableNameIsARecordSetSource) {
  EXPECT_EQ(JetSqlTranslator::BareTableName("[Mi tabla]"), "Mi tabla");
  EXPECT_EQ(JetSqlTranslator::BareTableName("22Cuiles"), "22Cuiles");
  EXPECT_EQ(JetSqlTranslator::BareTableName("[Select]"), "Select");
  for (const char* query :
       {"select * from t", "SELECT", "Mi tabla", " t", "t;", "t.x", "'t'", "", "[t"}) {
    EXPECT_FALSE(JetSqlTranslator::BareTableName(query).has_value()) << query;
  }
}

// Nesting deep enough to exhaust the parser's stack is an error, not a
// crash.
TEST(JetSqlTranslator, DeepStatementsAreRefused) {
  EXPECT_EQ(ErrorFor("select " + std::string(5000, '(') + "1" + std::string(5000, ')') + " from t"),
            jeterr::kSyntaxInExpression);
}

// A schema that names table T in another schema and knows one Date column.
class RecordingSchema : public JetSchema {
 public:
  std::string TableSql(const std::string& table) const override {
    return table == "T" ? "otra.\"T\"" : JetSchema::TableSql(table);
  }
  int ColumnType(const std::string& table, const std::string& column) override {
    asked.push_back(table + "." + column);
    return column == "Alta" ? dbDate : 0;
  }
  std::vector<std::string> asked;
};

TEST(JetSqlTranslator, TheSchemaNamesTablesAndIsAskedOnlyWhereATypeMatters) {
  RecordingSchema schema;
  for (const char* jet : {"select * from T", "insert into T values (1)", "delete from T"}) {
    const auto t = JetSqlTranslator::Translate(jet, schema);
    EXPECT_FALSE(t.schemaTyped) << jet;
    EXPECT_NE(t.sql.find("otra.\"T\""), std::string::npos) << jet;
  }
  EXPECT_TRUE(schema.asked.empty());

  // Whether Alta is a Date changes how a text is compared with it.
  const auto t = JetSqlTranslator::Translate("select * from T where Alta = '1/2/2003'", schema);
  EXPECT_TRUE(t.schemaTyped);
  EXPECT_EQ(schema.asked, std::vector<std::string>{"T.Alta"});
  const auto typed = JetSqlTranslator::Translate("select Alta + 1 as Dia from T", schema);
  EXPECT_EQ(typed.OutputType("Dia"), dbDate);
}

}  // namespace
}  // namespace dao
