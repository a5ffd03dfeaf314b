/*
** The system's own statements, translated and run on SQLite, with the rows
** checked afterwards.
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

// The repair metadata: which tables to rebuild, their columns and types.
class RepairMetadata : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute(
        "CREATE TABLE DBTablas (Nombre TEXT (50), CodTabla LONG, Hereda LONG, Reparar LOGICAL)");
    db_.Execute(
        "CREATE TABLE DBColumnas (CodTabla LONG, NombreCampo TEXT(50), TipoDatos TEXT(20), "
        "Orden INTEGER, Version TEXT(5))");
    db_.Execute(
        "CREATE TABLE DBTipos (TypeName TEXT(20), Type TEXT(20), Size INTEGER, "
        "Nulos LOGICAL, Requerido LOGICAL)");
    db_.Execute("insert into DBTablas values ('Empleados', 7, 3, True)");
    db_.Execute("insert into DBTablas values ('Sueldos', 9, 9, 1)");
    db_.Execute("insert into DBTablas values ('Viejas', 4, 4, False)");
    db_.Execute("insert into DBTipos values ('Nombre30', 'Texto', 30, True, False)");
    db_.Execute("insert into DBTipos values ('Numero', 'LONG', Null, False, True)");
    db_.Execute("insert into DBColumnas values (7, 'Apellido', 'Nombre30', 2, '26')");
    db_.Execute("insert into DBColumnas values (7, 'Legajo', 'Numero', 1, '26')");
    db_.Execute("insert into DBColumnas values (3, 'Cuit', 'Nombre30', 1, '27')");
    db_.Execute("insert into DBColumnas values (7, 'Sin tipo', 'NoExiste', 3, '27')");
  }

  EngineTestDatabase db_;
};

TEST_F(RepairMetadata, TablesMarkedForRepairAreFoundWhicheverNonZeroMarksThem) {
  EXPECT_EQ(db_.Query("select Nombre, Reparar from DBTablas where Reparar = true"),
            (Rows{{"Empleados", "-1"}, {"Sueldos", "-1"}}));
}

TEST_F(RepairMetadata, ColumnQueryJoinsOrdersAndNamesAsTheRebuildReadsIt) {
  const std::string query =
      "SELECT C.NombreCampo,C.Version, Ti.Nulos, Ti.Type, Ti.Size, Ti.Requerido FROM DBTipos AS Ti "
      "INNER JOIN DBColumnas AS C  ON Ti.TypeName = C.TipoDatos "
      "WHERE (C.CodTabla =3 or C.CodTabla = 7) ORDER BY C.CodTabla, C.Orden ";
  EXPECT_EQ(db_.ColumnNames(query), (std::vector<std::string>{"NombreCampo", "Version", "Nulos",
                                                              "Type", "Size", "Requerido"}));
  // The inherited table's code is lower: its columns come first; a column
  // of an unknown type drops out of the join.
  EXPECT_EQ(db_.Query(query), (Rows{{"Cuit", "27", "-1", "Texto", "30", "0"},
                                    {"Legajo", "26", "0", "LONG", "NULL", "-1"},
                                    {"Apellido", "26", "-1", "Texto", "30", "0"}}));
}

TEST(JetSqlExecution, RebuildAndVersionStatements) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE X ([a] TEXT (10),[b] LONG)");
  db.Execute("insert into X values ('uno', 1)");
  db.Execute("DROP TABLE [X]");
  EXPECT_FALSE(db.HasTable("X"));
  db.Execute("CREATE TABLE X ([a] TEXT (10),[b])");
  EXPECT_EQ(db.Query("select * from X"), Rows{});

  db.Execute("CREATE TABLE VERSIONBASE (Version TEXT(6))");
  db.Execute("INSERT INTO VersionBase (Version) VALUES ('027')");
  EXPECT_EQ(db.Query("select * from versionbase"), (Rows{{"027"}}));

  db.Execute("create table 22Cuiles (Cuil TEXT(11), Adicionales DOUBLE, [Horas Extra] CURRENCY)");
  db.Execute("insert into 22Cuiles (Cuil, Adicionales) values ('1', Null)");
  db.Execute("insert into 22Cuiles (Cuil, Adicionales) values ('2', 12.5)");
  db.Execute("update 22Cuiles set [Adicionales] = 0 where [Adicionales] is null");
  db.Execute("update 22Cuiles set [Horas Extra] = 0 where [Horas Extra] is null");
  EXPECT_EQ(db.Query("select * from 22Cuiles order by Cuil"),
            (Rows{{"1", "0", "0"}, {"2", "12.5", "0"}}));
}

TEST(JetSqlExecution, ContributorAddressLine) {
  EngineTestDatabase db;
  db.Execute("create table contribs (ncontrib LONG, cuit TEXT(11), Descrip TEXT(50))");
  db.Execute(
      "create table domicilio (ncontrib LONG, Calle TEXT(40), nro LONG, piso TEXT(5), "
      "dtoofLoc TEXT(5), Barrio TEXT(30), Localidad TEXT(30), codPostal DOUBLE)");
  db.Execute("insert into contribs values (1, '20123456786', 'Pérez')");
  db.Execute("insert into contribs values (2, '27000000006', 'Otro')");
  db.Execute("insert into domicilio values (1, 'Mitre', 1234, Null, 'B', 'Centro', 'Salta', 4400)");
  db.Execute("insert into domicilio values (2, 'Otra', 1, '1', 'A', 'X', 'Y', 2.5)");
  EXPECT_EQ(db.Query("SELECT Calle & ' ' & nro & ' Piso ' & piso & ' Dto ' & dtoofLoc & ' ' & "
                     "Barrio & ' - ' & Localidad & ' (' & codPostal & ')' AS Result  FROM contribs "
                     "INNER JOIN domicilio ON contribs.ncontrib = domicilio.ncontrib  "
                     "WHERE cuit = '20123456786'"),
            (Rows{{"Mitre 1234 Piso  Dto B Centro - Salta (4400)"}}));
  EXPECT_EQ(db.Query("SELECT * FROM Contribs WHERE Cuit= '20123456786'"),
            (Rows{{"1", "20123456786", "Pérez"}}));
}

// An owner's addresses and the working copy kept under the negated owner code.
class Addresses : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.Execute(
        "create table Dom (Calle TEXT(30), CUIT TEXT(11), CodDom LONG, CodDJ LONG, "
        "Dueno LONG, Fiscal INTEGER, CodRef LONG, SinNumero LOGICAL)");
    db_.Execute("insert into Dom values ('Mitre', '1', 1, 5, 1, 1, -2, False)");
    db_.Execute("insert into Dom values ('Belgrano', '1', 2, 5, 1, 0, -2, True)");
    db_.Execute("insert into Dom values ('Otro dueño', '1', 3, 5, 2, 0, 4, False)");
    db_.Execute("insert into Dom values ('Otra DJ', '20123456786', 3, 5, 1, 0, 4, False)");
  }

  EngineTestDatabase db_;
};

TEST_F(Addresses, WorkingCopyGoesToColumnsByNameAndIsRestored) {
  db_.Execute(
      "insert into Dom select -5 as CodDJ, Cuit, CodDom, Calle from Dom "
      "where CUIT = '1' and CodDJ = 5 and Dueno = 1");
  EXPECT_EQ(db_.Query("select * from Dom where CodDJ = -5 order by CodDom"),
            (Rows{{"Mitre", "1", "1", "-5", "NULL", "NULL", "NULL", "0"},
                  {"Belgrano", "1", "2", "-5", "NULL", "NULL", "NULL", "0"}}));
  db_.Execute("delete from Dom where CodDJ = -5");

  db_.Execute(
      "insert into Dom select -1 as CodDJ, Cuit, CodDom, Calle, Dueno, Fiscal, CodRef, "
      "SinNumero from Dom where CUIT = '1' and CodDJ = 5 and Dueno = 1");
  EXPECT_EQ(
      db_.Query("select Calle, CodDom, CodDJ, SinNumero from Dom where CodDJ = -1 order by CodDom"),
      (Rows{{"Mitre", "1", "-1", "0"}, {"Belgrano", "2", "-1", "-1"}}));

  db_.Execute("Delete * From Dom Where CUIT = '1' and CODDJ = 5 and CodDom=2");
  db_.Execute("update Dom set Calle = 'Cambiada' where CUIT = '1' and CodDJ = 5 and CodDom = 1");
  db_.Execute("delete from Dom where CUIT = '1' and CodDJ = 5 and Dueno = 1");
  db_.Execute("update Dom set CodDJ = 5 where CodDJ = -1");
  EXPECT_EQ(db_.Query("select * from Dom where CUIT = '1' and CodDJ = 5 and Dueno = 1 and "
                      "CodRef = -2 order by CodDom"),
            (Rows{{"Mitre", "1", "1", "5", "1", "1", "-2", "0"},
                  {"Belgrano", "1", "2", "5", "1", "0", "-2", "-1"}}));
}

TEST_F(Addresses, CountsDeletesAndLateReference) {
  const std::string fiscal =
      "select count(*) from Dom where CUIT = '1' and CodDJ = 5 and Dueno = 1 and Fiscal = 1 and ";
  EXPECT_EQ(db_.Scalar(fiscal + "CodDom<>3"), "1");
  EXPECT_EQ(db_.Scalar(fiscal + "CodDom<>1"), "0");
  db_.Execute("update Dom set CodRef = 7 where CodRef = -2");
  EXPECT_EQ(
      db_.Query("select CodDom, CodRef from Dom where CUIT = '1' order by CodRef desc, CodDom"),
      (Rows{{"1", "7"}, {"2", "7"}, {"3", "4"}}));
  db_.Execute("Delete * From Dom Where CUIT = '20123456786' and CODDJ = 5 and CodDom=3");
  EXPECT_EQ(db_.Scalar("select count(*) from Dom"), "3");
  EXPECT_EQ(db_.Query("select d.Calle from Dom as d where (d.CodDom = 3 or d.CodDom = 2) and "
                      "d.CodRef > -3 order by d.Calle"),
            (Rows{{"Belgrano"}, {"Otro dueño"}}));
}

// The one-time message is saved through a dynaset on the bare table name.
TEST(JetSqlExecution, ABareTableNameOpensAWritableRecordset) {
  EngineTestDatabase db;
  db.Execute("create table Configuracion (CodItem LONG, NoMostrar LOGICAL)");
  Recordset rs = db.Db().OpenRecordset("Configuracion");
  ASSERT_TRUE(rs.Updatable());
  rs.AddNew();
  rs.Fields("CodItem").SetValue(Variant(int32_t{4}));
  rs.Update();
  EXPECT_EQ(db.Query("select * from Configuracion where CodItem = 4"), (Rows{{"4", "0"}}));
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
  const Rows ordered = db.Query("select Nombre from p order by Nombre");
  std::vector<std::string> names;
  for (const auto& row : ordered) names.push_back(row[0]);
  // Equal names keep no particular order among themselves.
  ASSERT_EQ(names.size(), 9u);
  EXPECT_EQ(names[0], "alvarez");
  EXPECT_EQ(names[3], "Ñandú");
  EXPECT_EQ(names[4], "Pena");
  EXPECT_EQ(names[7], "Penalba");
  EXPECT_EQ(names[8], "Zapata");
  EXPECT_EQ(db.Scalar("select count(*) from p where Nombre like 'pe?a'"), "3");
  EXPECT_EQ(db.Scalar("select count(*) from p where Nombre between 'a' and 'b'"), "3");
}

TEST(JetSqlExecution, ColumnsRefuseWhatTheirTypeCannotHold) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE VERSIONBASE (Version TEXT(6), n INTEGER, b BYTE, d DOUBLE, f DATE)");
  db.Execute("insert into VersionBase (Version) values ('ñandúe')");
  EXPECT_EQ(db.ExecuteError("insert into VersionBase (Version) values ('1234567')"),
            jeterr::kFieldTooSmall);
  EXPECT_EQ(db.ExecuteError("insert into VersionBase (n) values (32768)"),
            jeterr::kNumericOverflow);
  EXPECT_EQ(db.ExecuteError("insert into VersionBase (b) values (-1)"), jeterr::kNumericOverflow);
  EXPECT_EQ(db.ExecuteError("insert into VersionBase (d) values ('abc')"), jeterr::kConversion);
  EXPECT_EQ(
      db.ExecuteError("insert into VersionBase (n, d, f) values ('12', ' 2.5 ', #1/31/2020#)"), 0);
  EXPECT_EQ(db.ExecuteError("insert into VersionBase (Falta) values (1)"),
            jeterr::kUnknownInsertField);
  EXPECT_EQ(db.ExecuteError("insert into VersionBase select 1 as Falta from VersionBase"),
            jeterr::kUnknownInsertField);
  EXPECT_EQ(db.Query("select n, d, f from VersionBase where f = #1/31/2020#"),
            (Rows{{"12", "2.5", "43861"}}));
}

TEST(JetSqlExecution, YesNoColumnsHoldMinusOneOrZero) {
  EngineTestDatabase db;
  db.Execute("create table s (k LONG, Activo LOGICAL)");
  db.Execute("insert into s values (1, 1)");
  db.Execute("insert into s values (2, 0)");
  db.Execute("insert into s values (3, Null)");
  db.Execute("insert into s (k) values (4)");
  db.Execute("insert into s values (5, True)");
  db.Execute("insert into s values (6, 2.5)");
  EXPECT_EQ(db.Query("select k, Activo from s order by k"),
            (Rows{{"1", "-1"}, {"2", "0"}, {"3", "0"}, {"4", "0"}, {"5", "-1"}, {"6", "-1"}}));
  db.Execute("update s set Activo = 7 where k = 2");
  EXPECT_EQ(db.Query("select k from s where Activo = true order by k"),
            (Rows{{"1"}, {"2"}, {"5"}, {"6"}}));
  EXPECT_EQ(db.Query("select k from s where not Activo order by k"), (Rows{{"3"}, {"4"}}));
  EXPECT_EQ(db.Query("select k from s where Activo and k > 4 order by k"), (Rows{{"5"}, {"6"}}));
}

// Jet names an index within its table: two tables may each have an index
// of the same name, and dropping one leaves the other.
TEST(JetSqlExecution, IndexesAreNamedWithinTheirTable) {
  EngineTestDatabase db;
  db.Execute("create table t (a LONG)");
  db.Execute("create table u (a LONG)");
  db.Execute("create unique index Clave on t (a)");
  db.Execute("create index Clave on u (a desc) with primary");
  db.Execute("insert into t values (1)");
  db.Execute("insert into u values (1)");
  EXPECT_EQ(db.ExecuteError("insert into t values (1)"), jeterr::kDuplicateKey);
  EXPECT_EQ(db.ExecuteError("create index Clave on t (a)"), jeterr::kIndexExists);
  db.Execute("drop index Clave on t");
  EXPECT_EQ(db.ExecuteError("insert into t values (1)"), 0);
  EXPECT_EQ(db.ExecuteError("insert into u values (1)"), jeterr::kDuplicateKey);
}

TEST(JetSqlExecution, SecondStatementIsRefusedAndNothingRuns) {
  EngineTestDatabase db;
  db.Execute("create table t (a LONG)");
  EXPECT_EQ(db.ExecuteError("insert into t values (1); drop table t"), jeterr::kCharactersAfterEnd);
  EXPECT_EQ(db.Scalar("select count(*) from t"), "0");
  db.Execute("insert into t values (1);  ");
  EXPECT_EQ(db.Scalar("select count(*) from t"), "1");
}

TEST(JetSqlExecution, QueryShapesBeyondTheSystemsOwn) {
  EngineTestDatabase db;
  db.Execute("create table a (k LONG, v TEXT(10))");
  db.Execute("create table b (k LONG, w DOUBLE)");
  db.Execute("create table c (k LONG, x TEXT(10))");
  for (int k = 1; k <= 3; ++k)
    db.Execute("insert into a values (" + std::to_string(k) + ", 'v" + std::to_string(k) + "')");
  db.Execute("insert into b values (1, -1.5)");
  db.Execute("insert into b values (2, -3)");
  db.Execute("insert into c values (1, 'c1')");

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
// "parser stack overflow" at 31 & or 93 +. An export line joining its
// fields is an ordinary query.
TEST(JetSqlExecution, LongOperatorChainsRun) {
  EngineTestDatabase db;
  db.Execute("create table t (n LONG, s TEXT(10))");
  db.Execute("insert into t values (2, 'x')");
  db.Execute("insert into t (n) values (3)");
  std::string concat = "'a'", plusNumbers = "n", plusTexts = "s", mixed = "1", both = "True";
  std::string expectedText = "a", expectedTexts = "x";
  for (int i = 1; i < 200; i++) {
    concat += " & ';' & " + std::to_string(i);
    expectedText += ";" + std::to_string(i);
    plusNumbers += (i % 2 ? " + " : " - ") + std::to_string(i);
    plusTexts += " + 'y'";
    expectedTexts += "y";
    mixed += " + 1 * n";
    both += " and n > 0 or s = 'z'";
  }
  EXPECT_EQ(db.Query("select " + concat + " from t where n = 2"), (Rows{{expectedText}}));
  // 2 + 1 - 2 + 3 - 4 ... + 199 = 2 + 100
  EXPECT_EQ(db.Query("select " + plusNumbers + " from t order by n"), (Rows{{"102"}, {"103"}}));
  // A Null in a chain of + makes it Null; in a chain of & it counts as empty.
  EXPECT_EQ(db.Query("select " + plusTexts + ", s & '-' & s & '-' from t order by n"),
            (Rows{{expectedTexts, "x-x-"}, {"NULL", "--"}}));
  EXPECT_EQ(db.Query("select " + mixed + " from t order by n"), (Rows{{"399"}, {"598"}}));
  EXPECT_EQ(db.Scalar("select count(*) from t where " + both), "2");
  // + with a text that holds a number adds, left to right, as Jet does.
  EXPECT_NE(db.QueryError("select '1' + '2' + 3 + 'x' from t"), 0);
  EXPECT_EQ(db.Scalar("select '1' + '2' + 3 from t where n = 2"), "15");
}

// Every operator runs a chain as long as & and + do (a thousand
// operands), with the meaning of the chain taken left to right; past
// SQLite's own limits a statement fails with Jet's number, a Spanish text
// and the statement cut to a readable length.
TEST(JetSqlExecution, EveryOperatorRunsAThousandLongChain) {
  EngineTestDatabase db;
  db.Execute("create table t (n LONG)");
  db.Execute("insert into t values (7)");
  auto chain = [](const std::string& first, const std::string& op, const std::string& rest,
                  int operands) {
    std::string out = first;
    for (int i = 1; i < operands; i++) out += op + rest;
    return out;
  };
  const std::pair<std::string, std::string> cases[] = {
      {chain("n", " / ", "1", 1000), "7"},
      {chain("n", " \\ ", "1", 1000), "7"},
      {chain("n", " Mod ", "5", 1000), "2"},
      {chain("n", " ^ ", "1", 1000), "7"},
      {chain("n", " * ", "1", 1000), "7"},
      {chain("n", " - ", "0", 1000), "7"},
      // An even number of Trues XOR to False; EQV of Trues stays True.
      {chain("n > 0", " xor ", "n > 0", 1000), "0"},
      {chain("n > 0", " eqv ", "n > 0", 1000), "-1"},
      {chain("n > 0", " imp ", "n > 0", 1000), "-1"},
      {chain("n = 0", " or ", "n = 0", 10000) + " or n = 7", "-1"},
      {chain("n = 7", " and ", "n > 0", 10000) + " and n = 0", "0"},
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
  // F, (12 \ 3) \ 2, (100 / 10) / 5.
  EXPECT_EQ(db.Scalar("select 2 ^ 3 ^ 2 from t"), "64");
  EXPECT_EQ(db.Scalar("select False imp False imp False from t"), "0");
  EXPECT_EQ(db.Scalar("select 12 \\ 3 \\ 2, 100 / 10 / 5 from t"), "2");
  EXPECT_EQ(db.Query("select 100 / 10 / 5, 17 Mod 10 Mod 4 from t"), (Rows{{"2", "3"}}));
  // A Null makes the rest Null before the other side is looked at; an error
  // before it stands.
  EXPECT_EQ(db.Query("select Null / 0 / 2, 'x' / Null, 1 / 2 / Null, Null xor 1 xor 0, "
                     "Null or n = 7, Null and n = 0 from t"),
            (Rows{{"NULL", "NULL", "NULL", "NULL", "-1", "0"}}));
  EXPECT_EQ(db.QueryError("select Null xor 1 xor 'x' from t"), jeterr::kTypeMismatch);
  EXPECT_EQ(db.QueryError("select 1 / 0 / Null from t"), jeterr::kEngineError);
  EXPECT_NE(db.QueryError("select 1 / 'x' / 2 from t"), 0);

  struct Limit {
    std::string expression;
    int number;
  };
  const Limit limits[] = {
      {chain("n", " + ", "1", 10000), jeterr::kQueryTooComplex},
      {chain("'a'", " & ", "'b'", 10000), jeterr::kSyntaxInExpression},
      {chain("n", " / ", "1", 10000), jeterr::kSyntaxInExpression},
  };
  for (const Limit& l : limits) {
    try {
      db.Query("select " + l.expression + " from t");
      ADD_FAILURE() << l.expression.substr(0, 30);
    } catch (const AppError& e) {
      EXPECT_EQ(e.Number(), l.number) << e.Description().substr(0, 200);
      EXPECT_LT(e.Description().size(), 400u);
      EXPECT_NE(e.Description().find("…'"), std::string::npos) << e.Description();
    }
  }
}

// A derived table nested in another, level after level: read once each, so
// that a fault far inside is found at once, and a nesting past the
// engine's limit is refused at once with 3075.
TEST(JetSqlExecution, NestedDerivedTablesAreReadOnceAndRefusedPastTheLimit) {
  EngineTestDatabase db;
  db.Execute("create table t (n LONG)");
  db.Execute("insert into t values (7)");
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
  struct Case {
    std::string statement;
    int number;
  };
  const Case cases[] = {
      {"select * from t where s = 'a" + nul + "b'", jeterr::kSyntaxInExpression},
      {"select [s" + nul + "x] from t", jeterr::kSyntaxInSelect},
      {"select `s" + nul + "x` from t", jeterr::kSyntaxInSelect},
      {"select s from [t" + nul + "]", jeterr::kSyntaxInFrom},
      {"insert into t (s) values ('" + nul + "')", jeterr::kSyntaxInInsert},
      {"update t set s = 'x" + nul + "'", jeterr::kSyntaxInUpdate},
      {"select * from t where s = 'a'" + nul, jeterr::kSyntaxInExpression},
  };
  for (const Case& c : cases) {
    try {
      if (c.statement.rfind("select", 0) == 0) {
        db.Query(c.statement);
      } else {
        db.Execute(c.statement);
      }
      ADD_FAILURE() << "accepted";
    } catch (const AppError& e) {
      EXPECT_EQ(e.Number(), c.number) << e.Description();
      EXPECT_NE(e.Description().find("carácter no válido"), std::string::npos) << e.Description();
      EXPECT_EQ(e.Description().find('\0'), std::string::npos) << e.Description();
    }
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
  db.Execute("create table t (n LONG)");
  db.Execute("insert into t select a.n * 100 + b.n * 10 + c.n as n from d a, d b, d c");
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
  const int error = ErrorOf([&] {
    db.Execute(
        "update t set n = n + 1000 where (select count(*) from d a, d b, d c, d e, d f "
        "where a.n + t.n >= 0) > 0");
  });
  stopper.join();
  StopRequest::Clear();
  EXPECT_EQ(error, jeterr::kCanceledByUser);
  EXPECT_EQ(db.Scalar("select sum(n) from t"), sum);
  db.Execute("update t set n = n + 1 where n = 0");
  EXPECT_EQ(db.Scalar("select count(*) from t where n = 1"), "2");
}

}  // namespace
}  // namespace dao
