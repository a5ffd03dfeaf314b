/*
** Every SQLite message the engine reads a meaning from, produced by the
** linked SQLite itself: a release that rewords one fails here instead of
** quietly changing the number the operator sees. Also the extended result
** codes the mapping relies on, and the table's texts as they are raised.
*/
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "dao/SqliteErrors.h"
#include "dao/sql/JetErrors.h"

namespace dao {
namespace {

class SqliteMessages : public ::testing::Test {
 protected:
  SqliteMessages() {
    sqlite3_open(":memory:", &db_);
    sqlite3_extended_result_codes(db_, 1);
    Ok("CREATE TABLE t (id INTEGER PRIMARY KEY, code TEXT UNIQUE, n TEXT NOT NULL, "
       "v TEXT CONSTRAINT \"size:v\" CHECK (length(v) <= 2)); CREATE INDEX ix ON t (n)");
  }
  ~SqliteMessages() override { sqlite3_close(db_); }

  void Ok(const char* sql) {
    ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK);
  }

  // A failing statement: its result code, its message as read, and the
  // engine's error raised from it.
  struct Outcome {
    int code = SQLITE_OK;
    SqliteMessage message;
    int number = 0;
    std::string description;
  };
  Outcome Run(const std::string& sql, JetStatementKind kind = JetStatementKind::Select) {
    Outcome o;
    o.code = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    EXPECT_NE(o.code, SQLITE_OK) << sql;
    o.message = ClassifySqliteMessage(sqlite3_errmsg(db_));
    try {
      RaiseSqliteError(db_, sqlite3_extended_errcode(db_), {nullptr, &sql, kind});
    } catch (const AppError& e) {
      o.number = e.Number();
      o.description = e.Description();
    }
    return o;
  }

  sqlite3* db_ = nullptr;
};

using Kind = SqliteMessage::Kind;

// Constraints share one message family and are told apart by their
// extended codes; everything else by its message.
TEST_F(SqliteMessages, EveryMessageTheMappingReadsGivesItsKindNameAndNumber) {
  Ok("INSERT INTO t (id, code, n) VALUES (1, 'a', 'x')");
  struct Case {
    const char* sql;
    int code;
    Kind kind;
    const char* name;
    int number;
    JetStatementKind statement = JetStatementKind::Select;
  };
  const Case cases[] = {
      {"SELECT * FROM missing", SQLITE_ERROR, Kind::NoSuchTable, "missing", jeterr::kTableNotFound},
      {"SELECT * FROM main.missing", SQLITE_ERROR, Kind::NoSuchTable, "missing",
       jeterr::kTableNotFound},
      {"CREATE TABLE t (x)", SQLITE_ERROR, Kind::TableExists, "t", jeterr::kTableExists},
      {"CREATE INDEX ix ON t (code)", SQLITE_ERROR, Kind::IndexExists, "ix", jeterr::kIndexExists},
      {"SELECT nosuch FROM t", SQLITE_ERROR, Kind::NoSuchColumn, "nosuch",
       jeterr::kTooFewParameters},
      {"INSERT INTO t (nosuch) VALUES (1)", SQLITE_ERROR, Kind::NoColumnNamed, "nosuch",
       jeterr::kUnknownInsertField},
      {"SELEC 1", SQLITE_ERROR, Kind::Syntax, "", jeterr::kSyntaxInSelect},
      {"SELECT (1", SQLITE_ERROR, Kind::Syntax, "", jeterr::kSyntaxInSelect},
      {"UPDATE t SET", SQLITE_ERROR, Kind::Syntax, "", jeterr::kSyntaxInUpdate,
       JetStatementKind::Update},
      {"SELECT jet_missing(1)", SQLITE_ERROR, Kind::Other, "", jeterr::kEngineError},
      {"INSERT INTO t (code) VALUES ('b')", SQLITE_CONSTRAINT_NOTNULL, Kind::NotNull, "t.n",
       jeterr::kNullNotAllowed},
      {"INSERT INTO t (n, v) VALUES ('a', 'abc')", SQLITE_CONSTRAINT_CHECK, Kind::CheckFailed,
       "size:v", jeterr::kFieldTooSmall},
      {"INSERT INTO t (id, n) VALUES (1, 'x')", SQLITE_CONSTRAINT_PRIMARYKEY, Kind::Other, "",
       jeterr::kDuplicateValues},
      {"INSERT INTO t (code, n) VALUES ('a', 'x')", SQLITE_CONSTRAINT_UNIQUE, Kind::Other, "",
       jeterr::kDuplicateValues},
  };
  for (const Case& c : cases) {
    const Outcome o = Run(c.sql, c.statement);
    EXPECT_EQ(o.code, c.code) << c.sql;
    EXPECT_EQ(o.message.kind, c.kind) << c.sql;
    EXPECT_EQ(o.message.name, c.name) << c.sql;
    EXPECT_EQ(o.number, c.number) << c.sql;
  }
  EXPECT_EQ(ClassifySqliteMessage("disk I/O error").kind, Kind::Other);
}

// SQLite's own limits, as its messages name them: nesting past its
// parser's stack is 3075, any other limit 3360; the statement echoed is cut.
TEST_F(SqliteMessages, SQLitesLimitsGetJetsNumbersAndAShortEcho) {
  auto repeat = [](const std::string& first, const std::string& piece, int times) {
    std::string out = first;
    for (int i = 0; i < times; i++) out += piece;
    return out;
  };
  std::string join = "SELECT * FROM t AS t0";
  for (int i = 1; i < 70; i++) join += ", t AS t" + std::to_string(i);
  const std::tuple<std::string, Kind, int> cases[] = {
      {"SELECT " + std::string(300, '(') + "1" + std::string(300, ')'), Kind::TooDeep,
       jeterr::kSyntaxInExpression},
      {repeat("SELECT 1", " + 1", 1500), Kind::TooComplex, jeterr::kQueryTooComplex},
      {repeat("SELECT 1", " UNION SELECT 1", 600), Kind::TooComplex, jeterr::kQueryTooComplex},
      {repeat("SELECT max(1", ", 1", 200) + ")", Kind::TooComplex, jeterr::kQueryTooComplex},
      {repeat("SELECT 1", ", 1", 2100), Kind::TooComplex, jeterr::kQueryTooComplex},
      {join, Kind::TooComplex, jeterr::kQueryTooComplex},
  };
  for (const auto& [sql, kind, number] : cases) {
    const Outcome o = Run(sql);
    EXPECT_EQ(o.message.kind, kind) << sqlite3_errmsg(db_);
    EXPECT_EQ(o.number, number) << o.description;
    EXPECT_LT(o.description.size(), 320u) << o.description;
    EXPECT_NE(o.description.find("…'"), std::string::npos) << o.description;
  }
  // A value past SQLite's size, and a stopped statement.
  const Outcome big = Run("SELECT zeroblob(2000000000)");
  EXPECT_EQ(big.code, SQLITE_TOOBIG);
  EXPECT_EQ(big.number, jeterr::kQueryTooComplex);
  sqlite3_progress_handler(
      db_, 1, [](void*) { return 1; }, nullptr);
  EXPECT_EQ(Run("SELECT count(*) FROM t").number, jeterr::kCanceledByUser);
  sqlite3_progress_handler(db_, 0, nullptr, nullptr);
}

// An echoed statement is cut at a character and shows its NUL bytes; names
// are set in order, and one holding "{}" is shown as it is, never read as a
// place for the next.
TEST(ErrorTexts, EchoesAreCutAtACharacterAndNamesSetInOrder) {
  EXPECT_EQ(jeterr::Excerpt("select 1"), "select 1");
  EXPECT_EQ(jeterr::Excerpt(std::string(199, 'a') + "ñé"), std::string(199, 'a') + "ñ…");
  EXPECT_EQ(jeterr::Excerpt(std::string(200, 'a')), std::string(200, 'a'));
  EXPECT_EQ(jeterr::Excerpt(std::string("a\0b", 3)), "a\\0b");
  EXPECT_EQ(jeterr::Excerpt("abcdef", 3), "abc…");
  AppError e = jeterr::msg::kTableNotFoundInFile.Error({"Clientes", "C:\\datos.mdb"});
  EXPECT_EQ(e.Number(), 3078);
  EXPECT_EQ(e.Description(), "No se encuentra la tabla 'Clientes' en 'C:\\datos.mdb'.");
  EXPECT_EQ(jeterr::msg::kSyntaxNear.Format({"a{}", "b"}), "a{}, cerca de 'b'.");
  EXPECT_EQ(jeterr::msg::kSyntaxRule.As(jeterr::kSyntaxInSelect).Error({"x"}).Number(), 3141);
}

}  // namespace
}  // namespace dao
