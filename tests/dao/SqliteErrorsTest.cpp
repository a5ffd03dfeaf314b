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
       "v TEXT CONSTRAINT \"size:v\" CHECK (length(v) <= 2))");
    Ok("CREATE INDEX ix ON t (n)");
  }
  ~SqliteMessages() override { sqlite3_close(db_); }

  void Ok(const char* sql) {
    ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK);
  }

  // Runs a failing statement: its result code, and its message as read.
  int Fail(const char* sql, SqliteMessage* read = nullptr) {
    int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    EXPECT_NE(rc, SQLITE_OK) << sql;
    if (read) *read = ClassifySqliteMessage(sqlite3_errmsg(db_));
    return rc;
  }

  int Number(const char* sql, JetStatementKind kind = JetStatementKind::Select) {
    sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    const std::string text = sql;
    try {
      RaiseSqliteError(db_, sqlite3_extended_errcode(db_), {nullptr, &text, kind});
    } catch (const AppError& e) {
      return e.Number();
    }
    return 0;
  }

  sqlite3* db_ = nullptr;
};

using Kind = SqliteMessage::Kind;

TEST_F(SqliteMessages, EveryMessageTheMappingReadsIsRecognised) {
  SqliteMessage m;
  EXPECT_EQ(Fail("SELECT * FROM missing", &m), SQLITE_ERROR);
  EXPECT_EQ(m.kind, Kind::NoSuchTable);
  EXPECT_EQ(m.name, "missing");

  Fail("SELECT * FROM main.missing", &m);
  EXPECT_EQ(m.kind, Kind::NoSuchTable);
  EXPECT_EQ(m.name, "missing");

  Fail("CREATE TABLE t (x)", &m);
  EXPECT_EQ(m.kind, Kind::TableExists);
  EXPECT_EQ(m.name, "t");

  Fail("CREATE INDEX ix ON t (code)", &m);
  EXPECT_EQ(m.kind, Kind::IndexExists);
  EXPECT_EQ(m.name, "ix");

  Fail("SELECT nosuch FROM t", &m);
  EXPECT_EQ(m.kind, Kind::NoSuchColumn);
  EXPECT_EQ(m.name, "nosuch");

  Fail("INSERT INTO t (nosuch) VALUES (1)", &m);
  EXPECT_EQ(m.kind, Kind::NoColumnNamed);
  EXPECT_EQ(m.name, "nosuch");

  Fail("SELEC 1", &m);
  EXPECT_EQ(m.kind, Kind::Syntax);
  Fail("SELECT (1", &m);
  EXPECT_EQ(m.kind, Kind::Syntax);

  EXPECT_EQ(Fail("INSERT INTO t (code) VALUES ('b')", &m), SQLITE_CONSTRAINT_NOTNULL);
  EXPECT_EQ(m.kind, Kind::NotNull);
  EXPECT_EQ(m.name, "t.n");

  EXPECT_EQ(Fail("INSERT INTO t (n, v) VALUES ('a', 'abc')", &m), SQLITE_CONSTRAINT_CHECK);
  EXPECT_EQ(m.kind, Kind::CheckFailed);
  EXPECT_EQ(m.name, "size:v");

  EXPECT_EQ(ClassifySqliteMessage("disk I/O error").kind, Kind::Other);
}

TEST_F(SqliteMessages, ConstraintsAreToldApartByTheirExtendedCodes) {
  Ok("INSERT INTO t (id, code, n) VALUES (1, 'a', 'x')");
  EXPECT_EQ(Fail("INSERT INTO t (id, n) VALUES (1, 'x')"), SQLITE_CONSTRAINT_PRIMARYKEY);
  EXPECT_EQ(Fail("INSERT INTO t (code, n) VALUES ('a', 'x')"), SQLITE_CONSTRAINT_UNIQUE);
  EXPECT_EQ(Fail("INSERT INTO t (code) VALUES ('b')"), SQLITE_CONSTRAINT_NOTNULL);

  EXPECT_EQ(Number("INSERT INTO t (id, n) VALUES (1, 'x')"), jeterr::kDuplicateValues);
  EXPECT_EQ(Number("INSERT INTO t (code, n) VALUES ('a', 'x')"), jeterr::kDuplicateValues);
  EXPECT_EQ(Number("INSERT INTO t (code) VALUES ('b')"), jeterr::kNullNotAllowed);
  EXPECT_EQ(Number("INSERT INTO t (n, v) VALUES ('a', 'abc')"), jeterr::kFieldTooSmall);
}

TEST_F(SqliteMessages, EachMessageGivesItsNumber) {
  EXPECT_EQ(Number("SELECT * FROM missing"), jeterr::kTableNotFound);
  EXPECT_EQ(Number("CREATE TABLE t (x)"), jeterr::kTableExists);
  EXPECT_EQ(Number("CREATE INDEX ix ON t (code)"), jeterr::kIndexExists);
  EXPECT_EQ(Number("SELECT nosuch FROM t"), jeterr::kTooFewParameters);
  EXPECT_EQ(Number("INSERT INTO t (nosuch) VALUES (1)"), jeterr::kUnknownInsertField);
  EXPECT_EQ(Number("UPDATE t SET", JetStatementKind::Update), jeterr::kSyntaxInUpdate);
  EXPECT_EQ(Number("SELEC 1", JetStatementKind::Select), jeterr::kSyntaxInSelect);
  EXPECT_EQ(Number("SELECT jet_missing(1)"), jeterr::kEngineError);
}

// SQLite's own limits, as its messages name them: nesting past its
// parser's stack is 3075, any other limit 3360; the statement echoed is cut.
TEST_F(SqliteMessages, SQLitesLimitsGetJetsNumbersAndAShortEcho) {
  auto repeat = [](const std::string& first, const std::string& piece, int times) {
    std::string out = first;
    for (int i = 0; i < times; i++) out += piece;
    return out;
  };
  std::string columns = "SELECT 1";
  for (int i = 0; i < 2100; i++) columns += ", 1";
  std::string join = "SELECT * FROM t AS t0";
  for (int i = 1; i < 70; i++) join += ", t AS t" + std::to_string(i);
  struct Case {
    std::string sql;
    Kind kind;
    int number;
  };
  const Case cases[] = {
      {"SELECT " + std::string(300, '(') + "1" + std::string(300, ')'), Kind::TooDeep,
       jeterr::kSyntaxInExpression},
      {repeat("SELECT 1", " + 1", 1500), Kind::TooComplex, jeterr::kQueryTooComplex},
      {repeat("SELECT 1", " UNION SELECT 1", 600), Kind::TooComplex, jeterr::kQueryTooComplex},
      {repeat("SELECT max(1", ", 1", 200) + ")", Kind::TooComplex, jeterr::kQueryTooComplex},
      {columns, Kind::TooComplex, jeterr::kQueryTooComplex},
      {join, Kind::TooComplex, jeterr::kQueryTooComplex},
  };
  for (const Case& c : cases) {
    SqliteMessage m;
    Fail(c.sql.c_str(), &m);
    EXPECT_EQ(m.kind, c.kind) << sqlite3_errmsg(db_);
    sqlite3_exec(db_, c.sql.c_str(), nullptr, nullptr, nullptr);
    try {
      RaiseSqliteError(db_, sqlite3_extended_errcode(db_), {nullptr, &c.sql});
      ADD_FAILURE();
    } catch (const AppError& e) {
      EXPECT_EQ(e.Number(), c.number) << e.Description();
      EXPECT_LT(e.Description().size(), 320u) << e.Description();
      EXPECT_NE(e.Description().find("…'"), std::string::npos) << e.Description();
    }
  }
  // A value past SQLite's size, and a stopped statement.
  EXPECT_EQ(Fail("SELECT zeroblob(2000000000)"), SQLITE_TOOBIG);
  EXPECT_EQ(Number("SELECT zeroblob(2000000000)"), jeterr::kQueryTooComplex);
  sqlite3_progress_handler(
      db_, 1, [](void*) { return 1; }, nullptr);
  EXPECT_EQ(Number("SELECT count(*) FROM t"), jeterr::kCanceledByUser);
  sqlite3_progress_handler(db_, 0, nullptr, nullptr);
}

TEST(ErrorTexts, AnEchoedStatementIsCutAtACharacterAndShowsItsNulBytes) {
  EXPECT_EQ(jeterr::Excerpt("select 1"), "select 1");
  const std::string largo = std::string(199, 'a') + "ñé";
  EXPECT_EQ(jeterr::Excerpt(largo), std::string(199, 'a') + "ñ…");
  EXPECT_EQ(jeterr::Excerpt(std::string(200, 'a')), std::string(200, 'a'));
  EXPECT_EQ(jeterr::Excerpt(std::string("a\0b", 3)), "a\\0b");
  EXPECT_EQ(jeterr::Excerpt("abcdef", 3), "abc…");
}

TEST(ErrorTexts, NamesAreSetInOrderAndTheNumberCanBeTheStatements) {
  AppError e = jeterr::msg::kTableNotFoundInFile.Error({"Clientes", "C:\\datos.mdb"});
  EXPECT_EQ(e.Number(), 3078);
  EXPECT_EQ(e.Description(), "No se encuentra la tabla 'Clientes' en 'C:\\datos.mdb'.");
  // A name holding "{}" is shown as it is, never read as a place for the next.
  EXPECT_EQ(jeterr::msg::kSyntaxNear.Format({"a{}", "b"}), "a{}, cerca de 'b'.");
  EXPECT_EQ(jeterr::msg::kSyntaxRule.As(jeterr::kSyntaxInSelect).Error({"x"}).Number(), 3141);
}

}  // namespace
}  // namespace dao
