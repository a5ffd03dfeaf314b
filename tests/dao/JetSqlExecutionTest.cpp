/*
** Statements translated and run on SQLite, with the rows checked
** afterwards: a few of the system's own, shapes beyond them, the engine's
** limits and its stop request.
*/
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "EngineTestDatabase.h"
#include "common/StopRequest.h"
#include "dao/sql/JetErrors.h"

namespace dao {
namespace {

using test::EngineTestDatabase;
using test::Rows;

TEST(JetSqlExecution, TheRepairRunsStatementsOnItsOwnTables) {
  EngineTestDatabase db;
  db.ExecuteAll({"CREATE TABLE X ([a] TEXT (10),[b] LONG)", "insert into X values ('uno', 1)",
                 "DROP TABLE [X]"});
  EXPECT_FALSE(db.HasTable("X"));
  db.Execute("CREATE TABLE X ([a] TEXT (10),[b])");
  EXPECT_EQ(db.Query("select * from X"), Rows{});

  db.ExecuteAll({
      "create table 22Cuiles (Cuil TEXT(11), Adicionales DOUBLE, [Horas Extra] CURRENCY)",
      "insert into 22Cuiles (Cuil, Adicionales) values ('1', Null)",
      "insert into 22Cuiles (Cuil, Adicionales) values ('2', 12.5)",
      "update 22Cuiles set [Adicionales] = 0 where [Adicionales] is null",
      "update 22Cuiles set [Horas Extra] = 0 where [Horas Extra] is null",
  });
  EXPECT_EQ(db.Query("select * from 22Cuiles order by Cuil"),
            (Rows{{"1", "0", "0"}, {"2", "12.5", "0"}}));
}

// An owner's addresses copied under the negated owner code: an INSERT ...
// SELECT without a column list fills the columns named as the values are,
// and leaves the others Null (a yes/no one False).
TEST(JetSqlExecution, AnInsertSelectWithoutColumnsGoesToColumnsByName) {
  EngineTestDatabase db;
  db.ExecuteAll({
      "create table Dom (Calle TEXT(30), CUIT TEXT(11), CodDom LONG, CodDJ LONG, "
      "Dueno LONG, Fiscal INTEGER, CodRef LONG, SinNumero LOGICAL)",
      "insert into Dom values ('Mitre', '1', 1, 5, 1, 1, -2, False)",
      "insert into Dom values ('Belgrano', '1', 2, 5, 1, 0, -2, True)",
      "insert into Dom values ('Otro dueño', '1', 3, 5, 2, 0, 4, False)",
      "insert into Dom values ('Otra DJ', '20123456786', 3, 5, 1, 0, 4, False)",
  });
  db.Execute(
      "insert into Dom select -5 as CodDJ, Cuit, CodDom, Calle from Dom "
      "where CUIT = '1' and CodDJ = 5 and Dueno = 1");
  EXPECT_EQ(db.Query("select * from Dom where CodDJ = -5 order by CodDom"),
            (Rows{{"Mitre", "1", "1", "-5", "NULL", "NULL", "NULL", "0"},
                  {"Belgrano", "1", "2", "-5", "NULL", "NULL", "NULL", "0"}}));
  db.Execute("delete from Dom where CodDJ = -5");
  db.Execute(
      "insert into Dom select -1 as CodDJ, Cuit, CodDom, Calle, Dueno, Fiscal, CodRef, "
      "SinNumero from Dom where CUIT = '1' and CodDJ = 5 and Dueno = 1");
  EXPECT_EQ(
      db.Query("select Calle, CodDom, CodDJ, SinNumero from Dom where CodDJ = -1 order by CodDom"),
      (Rows{{"Mitre", "1", "-1", "0"}, {"Belgrano", "2", "-1", "-1"}}));
}

TEST(JetSqlExecution, TextComparesAndSortsIgnoringCaseAndAccents) {
  EngineTestDatabase db;
  db.Execute("create table p (Nombre TEXT(20))");
  for (const char* name :
       {"Penalba", "peña", "Álvarez", "Pena", "alvarez", "ÁLVAREZ", "Peña", "Zapata", "Ñandú"}) {
    db.Execute(std::string("insert into p values ('") + name + "')");
  }
  EXPECT_EQ(db.Query("select Nombre from p where Nombre = 'álvarez' order by Nombre"),
            (Rows{{"Álvarez"}, {"ÁLVAREZ"}}));
  EXPECT_EQ(db.Query("select Nombre from p where UCase(Nombre) = 'peña'"),
            (Rows{{"peña"}, {"Peña"}}));
  // Equal names keep no particular order among themselves.
  const Rows ordered = db.Query("select Nombre from p order by Nombre");
  ASSERT_EQ(ordered.size(), 9u);
  EXPECT_EQ(ordered[0][0] + ordered[3][0] + ordered[4][0] + ordered[7][0] + ordered[8][0],
            "alvarezÑandúPenaPenalbaZapata");
  EXPECT_EQ(db.Scalar("select count(*) from p where Nombre like 'pe?a'"), "3");
  EXPECT_EQ(db.Scalar("select count(*) from p where Nombre between 'a' and 'b'"), "3");
}

TEST(JetSqlExecution, ColumnsRefuseWhatTheirTypeCannotHold) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE VERSIONBASE (Version TEXT(6), n INTEGER, b BYTE, d DOUBLE, f DATE)");
  db.Execute("insert into VersionBase (Version) values ('ñandúe')");
  const std::pair<const char*, int> cases[] = {
      {"insert into VersionBase (Version) values ('1234567')", jeterr::kFieldTooSmall},
      {"insert into VersionBase (n) values (32768)", jeterr::kNumericOverflow},
      {"insert into VersionBase (b) values (-1)", jeterr::kNumericOverflow},
      {"insert into VersionBase (d) values ('abc')", jeterr::kConversion},
      {"insert into VersionBase (n, d, f) values ('12', ' 2.5 ', #1/31/2020#)", 0},
      {"insert into VersionBase (Falta) values (1)", jeterr::kUnknownInsertField},
      {"insert into VersionBase select 1 as Falta from VersionBase", jeterr::kUnknownInsertField},
  };
  for (const auto& [jet, number] : cases) EXPECT_EQ(db.ExecuteError(jet), number) << jet;
  EXPECT_EQ(db.Query("select n, d, f from VersionBase where f = #1/31/2020#"),
            (Rows{{"12", "2.5", "43861"}}));
}

TEST(JetSqlExecution, YesNoColumnsHoldMinusOneOrZero) {
  EngineTestDatabase db;
  db.ExecuteAll({"create table s (k LONG, Activo LOGICAL)", "insert into s values (1, 1)",
                 "insert into s values (2, 0)", "insert into s values (3, Null)",
                 "insert into s (k) values (4)", "insert into s values (5, True)",
                 "insert into s values (6, 2.5)"});
  EXPECT_EQ(db.Query("select k, Activo from s order by k"),
            (Rows{{"1", "-1"}, {"2", "0"}, {"3", "0"}, {"4", "0"}, {"5", "-1"}, {"6", "-1"}}));
  db.Execute("update s set Activo = 7 where k = 2");
  EXPECT_EQ(db.Query("select k from s where Activo = true order by k"),
            (Rows{{"1"}, {"2"}, {"5"}, {"6"}}));
  EXPECT_EQ(db.Query("select k from s where not Activo order by k"), (Rows{{"3"}, {"4"}}));
  EXPECT_EQ(db.Query("select k from s where Activo and k > 4 order by k"), (Rows{{"5"}, {"6"}}));
}

// Jet names an index within its table: two tables may each have an index
// of the same name, and dropping one leaves the other. A second statement
// after the first is refused, and nothing of either runs.
TEST(JetSqlExecution, IndexesAreNamedWithinTheirTableAndOneStatementRunsAtATime) {
  EngineTestDatabase db;
  db.ExecuteAll({"create table t (a LONG)", "create table u (a LONG)",
                 "create unique index Clave on t (a)",
                 "create index Clave on u (a desc) with primary", "insert into t values (1)",
                 "insert into u values (1)"});
  EXPECT_EQ(db.ExecuteError("insert into t values (1)"), jeterr::kDuplicateKey);
  EXPECT_EQ(db.ExecuteError("create index Clave on t (a)"), jeterr::kIndexExists);
  db.Execute("drop index Clave on t");
  EXPECT_EQ(db.ExecuteError("insert into t values (1)"), 0);
  EXPECT_EQ(db.ExecuteError("insert into u values (1)"), jeterr::kDuplicateKey);

  EXPECT_EQ(db.ExecuteError("insert into u values (2); drop table u"), jeterr::kCharactersAfterEnd);
  db.Execute("insert into u values (3);  ");
  EXPECT_EQ(db.Query("select a from u order by a"), (Rows{{"1"}, {"3"}}));
}

TEST(JetSqlExecution, QueryShapesBeyondTheSystemsOwn) {
  EngineTestDatabase db;
  db.ExecuteAll({"create table a (k LONG, v TEXT(10))", "create table b (k LONG, w DOUBLE)",
                 "create table c (k LONG, x TEXT(10))", "insert into a values (1, 'v1')",
                 "insert into a values (2, 'v2')", "insert into a values (3, 'v3')",
                 "insert into b values (1, -1.5)", "insert into b values (2, -3)",
                 "insert into c values (1, 'c1')"});
  EXPECT_EQ(db.Query("select a.v, c.x from (a inner join b on a.k = b.k) left join c on b.k = c.k "
                     "order by a.k"),
            (Rows{{"v1", "c1"}, {"v2", "NULL"}}));
  EXPECT_EQ(db.Query("select a.v from b right outer join a on a.k = b.k where b.k is null"),
            (Rows{{"v3"}}));
  EXPECT_EQ(db.Query("select top 2 v from a order by v desc"), (Rows{{"v3"}, {"v2"}}));
  EXPECT_EQ(db.Query("select v from a where k in (select k from b where w < -2) or "
                     "exists (select * from c where c.k = a.k) order by 1"),
            (Rows{{"v1"}, {"v2"}}));
  EXPECT_EQ(db.Query("select k mod 2 as par, count(*) as n, sum(k) from a group by k mod 2 having "
                     "count(*) > 1"),
            (Rows{{"1", "2", "4"}}));
  EXPECT_EQ(db.Query("select v from a where k = 1 union select x from c union all select 'v1' from "
                     "c order by 1"),
            (Rows{{"c1"}, {"v1"}, {"v1"}}));
  EXPECT_EQ(db.Query("select s.v from (select v, k from a where k > 1) as s where s.k < 3"),
            (Rows{{"v2"}}));
  EXPECT_EQ(db.Query("select First(v), Last(v) from a"), (Rows{{"v1", "v3"}}));
  // A misspelt column is an error, never a text.
  EXPECT_EQ(db.QueryError("select noexiste from a"), jeterr::kTooFewParameters);
}

// SQLite's parser has a fixed stack: a chain written nested failed with
// "parser stack overflow" at 31 & or 93 +. Every operator runs a chain of
// a thousand operands, with the meaning of the chain taken left to right;
// past SQLite's own limits a statement fails with Jet's number, a Spanish
// text and the statement cut to a readable length.
TEST(JetSqlExecution, EveryOperatorRunsAThousandLongChain) {
  EngineTestDatabase db;
  db.ExecuteAll({"create table t (n LONG, s TEXT(10))", "insert into t values (7, 'x')"});
  auto chain = [](std::string first, const std::string& next, int operands) {
    for (int i = 1; i < operands; i++) first += next;
    return first;
  };
  const std::pair<std::string, std::string> cases[] = {
      {chain("'a'", " & ';'", 1000), "a" + std::string(999, ';')},
      {chain("n", " + 2 - 1", 500), "506"},
      {chain("s", " + 'y'", 1000), "x" + std::string(999, 'y')},
      {chain("1", " + 1 * n", 200), "1394"},  // * inside + : 1 + 199 * 7
      {chain("n", " / 1", 1000), "7"},
      {chain("n", " \\ 1", 1000), "7"},
      {chain("n", " Mod 5", 1000), "2"},
      {chain("n", " ^ 1", 1000), "7"},
      {chain("n", " * 1", 1000), "7"},
      // An even number of Trues XOR to False; EQV of Trues stays True.
      {chain("n > 0", " xor n > 0", 1000), "0"},
      {chain("n > 0", " eqv n > 0", 1000), "-1"},
      {chain("n > 0", " imp n > 0", 1000), "-1"},
      {chain("n = 0", " or n = 0", 10000) + " or n = 7", "-1"},
      {chain("n = 7", " and n > 0", 10000) + " and n = 0", "0"},
      {chain("False", " and n > 0 or s = 'x'", 1000), "-1"},
  };
  for (const auto& [expression, value] : cases) {
    EXPECT_EQ(db.Scalar("select " + expression + " from t"), value) << expression.substr(0, 30);
  }
  // Past 64 operands a run of OR or AND is read as two halves, each the same
  // way: whichever operand decides, the run gives what the chain does.
  for (int decisive : {0, 31, 32, 33, 64}) {
    std::string any, all;
    for (int i = 0; i < 65; i++) {
      any += std::string(i ? " or " : "") + (i == decisive ? "n = 7" : "n = 0");
      all += std::string(i ? " and " : "") + (i == decisive ? "n = 0" : "n = 7");
    }
    EXPECT_EQ(db.Query("select " + any + ", " + all + " from t"), (Rows{{"-1", "0"}})) << decisive;
  }
  // Left to right, as the nested calls would be: (2 ^ 3) ^ 2, (F IMP F) IMP
  // F, (12 \ 3) \ 2, (100 / 10) / 5, and + with texts that hold numbers.
  EXPECT_EQ(db.Query("select 2 ^ 3 ^ 2, False imp False imp False, 12 \\ 3 \\ 2, 100 / 10 / 5, "
                     "17 Mod 10 Mod 4, '1' + '2' + 3 from t"),
            (Rows{{"64", "0", "2", "2", "3", "15"}}));
  // A Null makes the rest Null before the other side is looked at (in a
  // chain of & it counts as empty); an error before it stands.
  EXPECT_EQ(db.Query("select Null / 0 / 2, 'x' / Null, 1 / 2 / Null, Null xor 1 xor 0, "
                     "Null or n = 7, Null and n = 0, Null + s + 'y', Null & s & Null from t"),
            (Rows{{"NULL", "NULL", "NULL", "NULL", "-1", "0", "NULL", "x"}}));
  EXPECT_EQ(db.QueryError("select Null xor 1 xor 'x' from t"), jeterr::kTypeMismatch);
  EXPECT_EQ(db.QueryError("select 1 / 0 / Null from t"), jeterr::kEngineError);
  EXPECT_NE(db.QueryError("select 1 / 'x' / 2 from t"), 0);
  EXPECT_NE(db.QueryError("select '1' + '2' + 3 + 'x' from t"), 0);

  const std::pair<std::string, int> limits[] = {
      {chain("n", " + 1", 10000), jeterr::kQueryTooComplex},
      {chain("'a'", " & 'b'", 10000), jeterr::kSyntaxInExpression},
      {chain("n", " / 1", 10000), jeterr::kSyntaxInExpression},
  };
  for (const auto& [expression, number] : limits) {
    const std::string message =
        ErrorMessageOf([&] { db.Query("select " + expression + " from t"); });
    EXPECT_EQ(message.rfind(std::to_string(number) + " ", 0), 0u) << message.substr(0, 200);
    EXPECT_LT(message.size(), 410u);
    EXPECT_NE(message.find("…'"), std::string::npos) << message;
  }
}

// A derived table nested in another, level after level: read once each, so
// that a fault far inside is found at once, and a nesting past the
// engine's limit is refused at once with 3075.
TEST(JetSqlExecution, NestedDerivedTablesAreReadOnceAndRefusedPastTheLimit) {
  EngineTestDatabase db;
  db.ExecuteAll({"create table t (n LONG)", "insert into t values (7)"});
  auto nested = [](const std::string& inner, int levels) {
    std::string q = inner;
    for (int i = 0; i < levels; i++) q = "select * from (" + q + ") as t" + std::to_string(i);
    return q;
  };
  EXPECT_EQ(db.Scalar(nested("select n from t", 15)), "7");
  // Read twice per level, forty levels would take 2^40 readings.
  EXPECT_EQ(db.QueryError(nested("select n from t a b", 40)), jeterr::kSyntaxInFrom);
  for (int levels : {16, 22, 50, 200}) {
    EXPECT_EQ(db.QueryError(nested("select n from t", levels)), jeterr::kSyntaxInExpression)
        << levels;
  }
}

// A NUL byte is refused inside a text or a name as any invalid character
// is, with the statement's number; SQLite would read the statement only up
// to it.
TEST(JetSqlExecution, ANulByteIsAnInvalidCharacterEverywhere) {
  EngineTestDatabase db;
  db.Execute("create table t (s TEXT(10))");
  const std::string nul(1, '\0');
  const std::pair<std::string, int> cases[] = {
      {"select * from t where s = 'a" + nul + "b'", jeterr::kSyntaxInExpression},
      {"select [s" + nul + "x] from t", jeterr::kSyntaxInSelect},
      {"select `s" + nul + "x` from t", jeterr::kSyntaxInSelect},
      {"select s from [t" + nul + "]", jeterr::kSyntaxInFrom},
      {"insert into t (s) values ('" + nul + "')", jeterr::kSyntaxInInsert},
      {"update t set s = 'x" + nul + "'", jeterr::kSyntaxInUpdate},
      {"select * from t where s = 'a'" + nul, jeterr::kSyntaxInExpression},
  };
  for (const auto& [statement, number] : cases) {
    const std::string message = ErrorMessageOf(
        [&] { statement[0] == 's' ? (void)db.Query(statement) : db.Execute(statement); });
    EXPECT_EQ(message.rfind(std::to_string(number) + " ", 0), 0u) << message;
    EXPECT_NE(message.find("carácter no válido"), std::string::npos) << message;
    EXPECT_EQ(message.find('\0'), std::string::npos) << message;
  }
  // Written with Chr(0), the same text is a value like any other.
  db.Execute("insert into t (s) values ('a' & Chr(0) & 'b')");
  EXPECT_EQ(db.Scalar("select count(*) from t where s = 'a' & Chr(0) & 'b'"), "1");
  EXPECT_EQ(db.Scalar("select count(*) from t where s = 'a'"), "0");
}

// A stop request (a signal's, made by a program's handler) ends the
// statement that runs, undone, with 3059, and every later one before it
// starts; cleared, the database works as before.
TEST(JetSqlExecution, AStopRequestEndsTheStatementUndone) {
  EngineTestDatabase db;
  db.Execute("create table d (n LONG)");
  for (int i = 0; i < 10; i++) db.Execute("insert into d values (" + std::to_string(i) + ")");
  db.ExecuteAll({"create table t (n LONG)",
                 "insert into t select a.n * 100 + b.n * 10 + c.n as n from d a, d b, d c"});
  const std::string sum = db.Scalar("select sum(n) from t");

  StopRequest::Request(SIGTERM);
  EXPECT_EQ(db.ExecuteError("delete from t"), jeterr::kCanceledByUser);
  EXPECT_EQ(db.QueryError("select n from t"), jeterr::kCanceledByUser);
  StopRequest::Clear();
  EXPECT_EQ(db.Scalar("select sum(n) from t"), sum);

  // Each row's condition takes a hundred thousand steps: the whole update
  // would run for many seconds; the request made meanwhile ends it within
  // a thousand steps, and no row is changed.
  std::thread stopper([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    StopRequest::Request(SIGINT);
  });
  const int error = db.ExecuteError(
      "update t set n = n + 1000 where (select count(*) from d a, d b, d c, d e, d f "
      "where a.n + t.n >= 0) > 0");
  stopper.join();
  StopRequest::Clear();
  EXPECT_EQ(error, jeterr::kCanceledByUser);
  EXPECT_EQ(db.Scalar("select sum(n) from t"), sum);
  db.Execute("update t set n = n + 1 where n = 0");
  EXPECT_EQ(db.Scalar("select count(*) from t where n = 1"), "2");
}

}  // namespace
}  // namespace dao
