/*
** DEFAULT clauses of CREATE TABLE and ALTER TABLE that hold an expression,
** run on an engine database: the default is worked out for each row that
** an INSERT leaves without a value; a default that names a column, sums a
** group or runs a query is refused.
*/
#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestDatabase.h"
#include "dao/functions/JetDateSerial.h"
#include "dao/sql/JetErrors.h"

namespace dao {
namespace {

using test::EngineTestDatabase;
using test::Rows;

TEST(JetDefaultExpression, ExpressionsAreWorkedOutForEachInsertedRow) {
  EngineTestDatabase db;
  db.Execute(
      "CREATE TABLE Novedades (Id LONG NOT NULL, Alta DATETIME DEFAULT Date(), "
      "Marca DATETIME DEFAULT Now(), Cant LONG DEFAULT 0, Nota TEXT(20) DEFAULT \"texto\", "
      "Saldo DOUBLE DEFAULT -1, Tres LONG DEFAULT (1+2), Pie TEXT(30) DEFAULT 'Hoja ' & 2, "
      "Activo YESNO DEFAULT True, Vence DATETIME DEFAULT DateSerial(2030, 12, 31))");
  const double before = JetDateSerial::Now();
  db.Execute("INSERT INTO Novedades (Id) VALUES (1)");
  db.Execute("INSERT INTO Novedades (Id, Cant, Nota) VALUES (2, 7, Null)");
  const double after = JetDateSerial::Now();

  EXPECT_EQ(db.Query("SELECT Id, Cant, Nota, Saldo, Tres, Pie, Activo FROM Novedades ORDER BY Id"),
            (Rows{{"1", "0", "texto", "-1", "3", "Hoja 2", "-1"},
                  {"2", "7", "NULL", "-1", "3", "Hoja 2", "-1"}}));
  Recordset rs = db.Db().OpenRecordset("SELECT Alta, Marca, Vence FROM Novedades WHERE Id = 1");
  const Variant alta = rs.Fields(0).Value(), marca = rs.Fields(1).Value();
  ASSERT_EQ(alta.Type(), VarType::Date);
  EXPECT_EQ(alta.DateValue(), std::floor(before));
  EXPECT_GE(marca.DateValue(), before);
  EXPECT_LE(marca.DateValue(), after);
  EXPECT_EQ(rs.Fields(2).Value().ToString(), "31/12/2030");

  // A record set's AddNew leaves the default to the engine too.
  Recordset add = db.Db().OpenRecordset("Novedades");
  add.AddNew();
  add.Fields("Id").SetValue(Variant(int32_t{3}));
  add.Update();
  EXPECT_EQ(db.Scalar("SELECT Tres & '/' & Nota FROM Novedades WHERE Id = 3"), "3/texto");
}

TEST(JetDefaultExpression, AlterTableKeepsExpressionDefaultsThroughTheRebuild) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE t (a LONG DEFAULT (2*3), b TEXT(10))");
  db.Execute("ALTER TABLE t ADD COLUMN c DATETIME DEFAULT Date()");
  db.Execute("ALTER TABLE t ALTER COLUMN b TEXT(20) DEFAULT UCase('x')");
  db.Execute("INSERT INTO t (b) VALUES ('y')");
  db.Execute("INSERT INTO t (a) VALUES (1)");
  EXPECT_EQ(db.Query("SELECT a, b, c = Date() FROM t ORDER BY a"),
            (Rows{{"1", "X", "-1"}, {"6", "y", "-1"}}));
}

TEST(JetDefaultExpression, DefaultsThatNeedARowAGroupOrAQueryAreRefused) {
  EngineTestDatabase db;
  db.Execute("CREATE TABLE p (x LONG)");
  for (const char* bad : {
           "CREATE TABLE u (a LONG, b LONG DEFAULT a)",
           "CREATE TABLE u (a LONG, b LONG DEFAULT [a] + 1)",
           "CREATE TABLE u (a LONG, b TEXT DEFAULT UCase(a))",
           "CREATE TABLE u (b LONG DEFAULT Sum(1))",
           "CREATE TABLE u (b LONG DEFAULT (SELECT Max(x) FROM p))",
           "CREATE TABLE u (b LONG DEFAULT)",
           "CREATE TABLE u (b LONG DEFAULT NOT NULL)",
           "ALTER TABLE p ADD COLUMN y LONG DEFAULT x",
       }) {
    EXPECT_EQ(db.ExecuteError(bad), jeterr::kSyntaxInFieldDefinition) << bad;
  }
  EXPECT_EQ(db.ExecuteError("CREATE TABLE u (b LONG DEFAULT Nada(1))"), jeterr::kUndefinedFunction);
  EXPECT_FALSE(db.HasTable("u"));
}

}  // namespace
}  // namespace dao
