/*
** Table definitions as Access-era schemas write them, run on an engine
** database: keys, required values, defaults (expressions too, worked out
** for each row), relations, counters, ALTER TABLE, SELECT ... INTO and
** back-quoted names; and Jet's refusals.
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
using Columns = std::vector<std::pair<std::string, int>>;

class JetDdl : public ::testing::Test {
 protected:
  Columns Fields(const std::string& table) {
    db_.Db().TableDefs().Refresh();
    Columns out;
    for (const Field& f : db_.Db().TableDefs().Item(table).Fields()) {
      out.emplace_back(f.Name(), f.Type());
    }
    return out;
  }
  // Each statement against the number of the error it must raise.
  void ExpectErrors(std::initializer_list<std::pair<const char*, int>> cases) {
    for (const auto& [jet, number] : cases) EXPECT_EQ(db_.ExecuteError(jet), number) << jet;
  }

  EngineTestDatabase db_;
};

TEST_F(JetDdl, RequiredAndDefaultValuesAreKeptAndNamedAsJetNamesThem) {
  db_.Execute(
      "CREATE TABLE `Legajos` (`Nro` LONG NOT NULL, Nombre TEXT(30) DEFAULT 'sin nombre', "
      "Activo YESNO DEFAULT True, Alta DATETIME DEFAULT #1/2/2003#, Saldo CURRENCY DEFAULT -1.5 "
      "NULL)");
  db_.Execute("INSERT INTO Legajos (Nro) VALUES (1)");
  EXPECT_EQ(db_.Query("SELECT Nro, Nombre, Activo, Alta, Saldo FROM [Legajos]"),
            (Rows{{"1", "sin nombre", "-1", "37623", "-1.5"}}));
  EXPECT_EQ(db_.ExecuteError("INSERT INTO Legajos (Nombre) VALUES ('x')"), jeterr::kRequired);
  EXPECT_EQ(ErrorMessageOf([&] { db_.Execute("UPDATE Legajos SET Nro = Null"); }),
            "3314 El campo 'Legajos.Nro' no puede contener un valor Null porque la propiedad "
            "Required para este campo está establecida en True. Escriba un valor en este campo.");
  EXPECT_EQ(db_.Scalar("SELECT count(*) FROM Legajos"), "1");
}

// A default that holds an expression is worked out for each row an INSERT
// leaves without a value.
TEST_F(JetDdl, DefaultExpressionsAreWorkedOutForEachInsertedRow) {
  db_.Execute(
      "CREATE TABLE Novedades (Id LONG NOT NULL, Alta DATETIME DEFAULT Date(), "
      "Marca DATETIME DEFAULT Now(), Cant LONG DEFAULT 0, Nota TEXT(20) DEFAULT \"texto\", "
      "Saldo DOUBLE DEFAULT -1, Tres LONG DEFAULT (1+2), Pie TEXT(30) DEFAULT 'Hoja ' & 2, "
      "Activo YESNO DEFAULT True, Vence DATETIME DEFAULT DateSerial(2030, 12, 31))");
  const double before = JetDateSerial::Now();
  db_.Execute("INSERT INTO Novedades (Id) VALUES (1)");
  db_.Execute("INSERT INTO Novedades (Id, Cant, Nota) VALUES (2, 7, Null)");
  const double after = JetDateSerial::Now();

  EXPECT_EQ(db_.Query("SELECT Id, Cant, Nota, Saldo, Tres, Pie, Activo FROM Novedades ORDER BY Id"),
            (Rows{{"1", "0", "texto", "-1", "3", "Hoja 2", "-1"},
                  {"2", "7", "NULL", "-1", "3", "Hoja 2", "-1"}}));
  Recordset rs = db_.Db().OpenRecordset("SELECT Alta, Marca, Vence FROM Novedades WHERE Id = 1");
  const Variant alta = rs.Fields(0).Value(), marca = rs.Fields(1).Value();
  ASSERT_EQ(alta.Type(), VarType::Date);
  EXPECT_EQ(alta.DateValue(), std::floor(before));
  EXPECT_GE(marca.DateValue(), before);
  EXPECT_LE(marca.DateValue(), after);
  EXPECT_EQ(rs.Fields(2).Value().ToString(), "31/12/2030");

  // A record set's AddNew leaves the default to the engine too.
  Recordset add = db_.Db().OpenRecordset("Novedades");
  add.AddNew();
  add.Fields("Id").SetValue(Variant(int32_t{3}));
  add.Update();
  EXPECT_EQ(db_.Scalar("SELECT Tres & '/' & Nota FROM Novedades WHERE Id = 3"), "3/texto");
}

TEST_F(JetDdl, DefaultsThatNeedARowAGroupOrAQueryAreRefused) {
  db_.Execute("CREATE TABLE p (x LONG)");
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
    EXPECT_EQ(db_.ExecuteError(bad), jeterr::kSyntaxInFieldDefinition) << bad;
  }
  EXPECT_EQ(db_.ExecuteError("CREATE TABLE u (b LONG DEFAULT Nada(1))"),
            jeterr::kUndefinedFunction);
  EXPECT_FALSE(db_.HasTable("u"));
}

TEST_F(JetDdl, KeysRefuseDuplicatesAndNullsAndThereIsOnePrimaryKey) {
  db_.ExecuteAll(
      {"CREATE TABLE Cuiles (Cuit TEXT(11) CONSTRAINT pk PRIMARY KEY, Cbu TEXT(22) "
       "UNIQUE, Anio SHORT, Mes SHORT, CONSTRAINT Periodo UNIQUE (Anio, Mes))",
       "INSERT INTO Cuiles VALUES ('20123456789', 'a', 2003, 1)"});
  ExpectErrors({
      {"INSERT INTO Cuiles VALUES ('20123456789', 'b', 2003, 2)", jeterr::kDuplicateKey},
      // Text keys compare as Jet compares text: without regard to case.
      {"INSERT INTO Cuiles VALUES ('x', 'A', 2003, 3)", jeterr::kDuplicateKey},
      {"INSERT INTO Cuiles VALUES ('y', 'c', 2003, 1)", jeterr::kDuplicateKey},
      {"INSERT INTO Cuiles (Cbu) VALUES ('d')", jeterr::kNullInKey},
      {"CREATE TABLE d (a LONG PRIMARY KEY, b LONG, PRIMARY KEY (b))", jeterr::kPrimaryKeyExists},
      {"CREATE TABLE d (a LONG, CONSTRAINT k UNIQUE (nada))", jeterr::kItemNotFound},
      {"ALTER TABLE Cuiles ADD CONSTRAINT otra PRIMARY KEY (Cbu)", jeterr::kPrimaryKeyExists},
  });
  EXPECT_FALSE(db_.HasTable("d"));
  // Nulls never collide in a unique key that is not the primary one.
  db_.ExecuteAll(
      {"INSERT INTO Cuiles (Cuit) VALUES ('z1')", "INSERT INTO Cuiles (Cuit) VALUES ('z2')"});
  EXPECT_EQ(db_.Scalar("SELECT count(*) FROM Cuiles"), "3");

  // A key dropped by name no longer refuses; DROP INDEX knows it too.
  db_.ExecuteAll(
      {"ALTER TABLE Cuiles DROP CONSTRAINT pk", "INSERT INTO Cuiles (Cbu) VALUES ('e')"});
  EXPECT_EQ(db_.ExecuteError("ALTER TABLE Cuiles DROP CONSTRAINT pk"), jeterr::kConstraintNotFound);
  db_.ExecuteAll({"DROP INDEX Periodo ON Cuiles", "INSERT INTO Cuiles VALUES ('w', 'f', 2003, 1)"});
}

TEST_F(JetDdl, RelationsKeepChildrenWithTheirParents) {
  db_.ExecuteAll({
      "CREATE TABLE Empresas (Cuit TEXT(11), Nombre TEXT(50), CONSTRAINT pk PRIMARY KEY (Cuit))",
      "CREATE TABLE Empleados (Legajo COUNTER CONSTRAINT pk PRIMARY KEY, Empresa TEXT(11) "
      "REFERENCES Empresas, Jefe LONG, CONSTRAINT JefeEmpleado FOREIGN KEY (Jefe) REFERENCES "
      "Empleados (Legajo))",
      "INSERT INTO Empresas VALUES ('30', 'Uno')",
      "INSERT INTO Empleados (Empresa) VALUES ('30')",
      "INSERT INTO Empleados (Empresa, Jefe) VALUES (Null, 1)",
      "CREATE TABLE Recibos (Empresa TEXT(11))",
      "INSERT INTO Recibos VALUES ('99')",
  });
  EXPECT_EQ(ErrorMessageOf([&] { db_.Execute("INSERT INTO Empleados (Empresa) VALUES ('31')"); }),
            "3201 No se puede agregar o cambiar el registro porque se necesita un registro "
            "relacionado en la tabla 'Empresas'.");
  ExpectErrors({
      {"UPDATE Empleados SET Jefe = 7", jeterr::kParentMissing},
      {"DELETE FROM Empresas", jeterr::kParentHasChildren},
      {"UPDATE Empresas SET Cuit = '32'", jeterr::kParentHasChildren},
      {"DROP TABLE Empresas", jeterr::kTableInRelation},
      {"ALTER TABLE Empleados DROP COLUMN Empresa", jeterr::kFieldInIndex},
      {"CREATE TABLE x (a LONG REFERENCES NoExiste)", jeterr::kTableNotFound},
      {"CREATE TABLE x (a LONG REFERENCES Empleados (Legajo, Jefe))",
       jeterr::kSyntaxInFieldDefinition},
      // A relation added on rows that break it is refused, and nothing stays.
      {"ALTER TABLE Recibos ADD CONSTRAINT r FOREIGN KEY (Empresa) REFERENCES Empresas",
       jeterr::kParentMissing},
  });
  EXPECT_EQ(ErrorOf([&] { db_.Db().TableDefs().Delete("Empresas"); }), jeterr::kTableInRelation);

  // Dropping the child drops its relations; then the parent may go.
  db_.ExecuteAll({"DELETE FROM Recibos", "ALTER TABLE Empleados DROP CONSTRAINT EmpresasEmpleados",
                  "INSERT INTO Empleados (Empresa) VALUES ('31')", "DROP TABLE Empleados",
                  "DELETE FROM Empresas", "DROP TABLE Empresas"});
  EXPECT_FALSE(db_.HasTable("Empresas"));
}

TEST_F(JetDdl, CountersNumberAsJetNumbersThem) {
  db_.ExecuteAll({"CREATE TABLE c (Id AUTOINCREMENT, Texto TEXT(10))",
                  "CREATE TABLE s (Id AUTOINCREMENT(100, 10), Texto TEXT(10))"});
  for (const char* v : {"a", "b", "c"}) {
    db_.Execute(std::string("INSERT INTO c (Texto) VALUES ('") + v + "')");
    db_.Execute(std::string("INSERT INTO s (Texto) VALUES ('") + v + "')");
  }
  db_.ExecuteAll({"DELETE FROM c WHERE Id = 3", "INSERT INTO c (Texto) VALUES ('d')",
                  "INSERT INTO c (Id, Texto) VALUES (10, 'e')",
                  "INSERT INTO c (Texto) VALUES ('f')", "INSERT INTO c (Id, Texto) VALUES (5, 'g')",
                  "INSERT INTO c (Texto) VALUES ('h')"});
  EXPECT_EQ(
      db_.Query("SELECT Id, Texto FROM c ORDER BY Id"),
      (Rows{
          {"1", "a"}, {"2", "b"}, {"4", "d"}, {"5", "g"}, {"10", "e"}, {"11", "f"}, {"12", "h"}}));
  EXPECT_EQ(db_.Query("SELECT Id FROM s ORDER BY Id"), (Rows{{"100"}, {"110"}, {"120"}}));
  EXPECT_EQ(Fields("c"), (Columns{{"Id", dbLong}, {"Texto", dbText}}));
  ExpectErrors({{"UPDATE c SET Id = 99 WHERE Texto = 'a'", jeterr::kFieldNotUpdatable},
                {"CREATE TABLE z (Id COUNTER(1, 0))", jeterr::kSyntaxInFieldDefinition}});
  // A table made again starts again; an INSERT ... SELECT is numbered too.
  db_.ExecuteAll({"DROP TABLE s", "CREATE TABLE s (Id COUNTER, Texto TEXT(10))",
                  "INSERT INTO s (Texto) SELECT Texto FROM c WHERE Id < 3"});
  EXPECT_EQ(db_.Query("SELECT Id, Texto FROM s"), (Rows{{"1", "a"}, {"2", "b"}}));
}

TEST_F(JetDdl, AlterTableKeepsRowsAndColumnOrder) {
  db_.ExecuteAll({"CREATE TABLE t (a TEXT(10), b LONG, c YESNO, CONSTRAINT ka UNIQUE (a))",
                  "INSERT INTO t VALUES ('uno', 1, True)", "INSERT INTO t VALUES ('dos', 2, False)",
                  "ALTER TABLE t ADD COLUMN d TEXT(5) DEFAULT 'x'",
                  "ALTER TABLE t ADD Nro COUNTER"});
  EXPECT_EQ(db_.Query("SELECT * FROM t ORDER BY b"),
            (Rows{{"uno", "1", "-1", "x", "1"}, {"dos", "2", "0", "x", "2"}}));
  db_.ExecuteAll({"ALTER TABLE t ALTER COLUMN b TEXT(20)", "ALTER TABLE t DROP COLUMN d"});
  EXPECT_EQ(Fields("t"),
            (Columns{{"a", dbText}, {"b", dbText}, {"c", dbBoolean}, {"Nro", dbLong}}));
  EXPECT_EQ(db_.Query("SELECT a, b, c, Nro FROM t ORDER BY Nro"),
            (Rows{{"uno", "1", "-1", "1"}, {"dos", "2", "0", "2"}}));
  // What went with the table came back: the key, the yes/no rule, the counter.
  EXPECT_EQ(db_.ExecuteError("INSERT INTO t (a) VALUES ('UNO')"), jeterr::kDuplicateKey);
  db_.Execute("INSERT INTO t (a, c) VALUES ('tres', 5)");
  EXPECT_EQ(db_.Query("SELECT c, Nro FROM t WHERE a = 'tres'"), (Rows{{"-1", "3"}}));

  ExpectErrors({
      {"ALTER TABLE t ADD COLUMN A LONG", jeterr::kFieldExists},
      {"ALTER TABLE t DROP COLUMN a", jeterr::kFieldInIndex},
      {"ALTER TABLE t DROP COLUMN nada", jeterr::kItemNotFound},
      {"ALTER TABLE t ALTER COLUMN a LONG", jeterr::kConversion},
      {"ALTER TABLE t ADD COLUMN e LONG NOT NULL", jeterr::kRequired},
      {"ALTER TABLE nada ADD COLUMN e LONG", jeterr::kTableNotFound},
      {"ALTER TABLE t RENAME TO u", jeterr::kSyntaxInAlterTable},
      // A counter key is numbered after the insert: its Null never counts.
      {"ALTER TABLE t ADD CONSTRAINT pk PRIMARY KEY (Nro)", 0},
      {"INSERT INTO t (a) VALUES ('cuatro')", 0},
      {"ALTER TABLE t DROP CONSTRAINT pk", 0},
      {"ALTER TABLE t ADD CONSTRAINT pk PRIMARY KEY (b)", jeterr::kNullInKey},
  });
  EXPECT_EQ(db_.Scalar("SELECT Nro FROM t WHERE a = 'cuatro'"), "4");
  EXPECT_EQ(db_.Scalar("SELECT count(*) FROM t"), "4");

  // Defaults that hold an expression come back through the rebuild too.
  db_.ExecuteAll({"CREATE TABLE e (a LONG DEFAULT (2*3), b TEXT(10))",
                  "ALTER TABLE e ADD COLUMN c DATETIME DEFAULT Date()",
                  "ALTER TABLE e ALTER COLUMN b TEXT(20) DEFAULT UCase('x')",
                  "INSERT INTO e (b) VALUES ('y')", "INSERT INTO e (a) VALUES (1)"});
  EXPECT_EQ(db_.Query("SELECT a, b, c = Date() FROM e ORDER BY a"),
            (Rows{{"1", "X", "-1"}, {"6", "y", "-1"}}));
}

TEST_F(JetDdl, SelectIntoMakesATableOfTheQuery) {
  db_.ExecuteAll(
      {"CREATE TABLE t (a TEXT(10), b LONG, c YESNO, d DATETIME)",
       "INSERT INTO t VALUES ('uno', 1, True, #1/2/2003#)",
       "INSERT INTO t VALUES ('dos', 2, False, Null)",
       "SELECT a, b * 2 AS Doble, c, d, b / 4 AS Cuarto INTO [Copia t] FROM t WHERE b > 0"});
  EXPECT_EQ(db_.Db().RecordsAffected(), 2);
  EXPECT_EQ(Fields("Copia t"), (Columns{{"a", dbText},
                                        {"Doble", dbLong},
                                        {"c", dbBoolean},
                                        {"d", dbDate},
                                        {"Cuarto", dbDouble}}));
  EXPECT_EQ(db_.Query("SELECT * FROM [Copia t] ORDER BY Doble"),
            (Rows{{"uno", "2", "-1", "37623", "0.25"}, {"dos", "4", "0", "NULL", "0.5"}}));
  ExpectErrors({{"SELECT * INTO `Copia t` FROM t", jeterr::kTableExists},
                {"SELECT a, a INTO u FROM t", jeterr::kFieldDefinedTwice}});
  db_.Execute("SELECT * INTO Vacia FROM t WHERE 1 = 0");
  EXPECT_EQ(db_.Db().RecordsAffected(), 0);
  EXPECT_EQ(Fields("Vacia").size(), 4u);
}

TEST(JetDdlFile, CountersAndRelationsOutliveTheConnection) {
  EngineTestDatabase made;
  made.ExecuteAll({"CREATE TABLE Vieja (a TEXT(10), b LONG)", "INSERT INTO Vieja VALUES ('x', 1)",
                   "CREATE TABLE p (k LONG PRIMARY KEY)",
                   "CREATE TABLE h (Id COUNTER, k LONG "
                   "REFERENCES p)",
                   "INSERT INTO p VALUES (1)", "INSERT INTO h (k) VALUES (1)"});
  const std::string path = made.Db().Name();
  made.Db().Close();
  Database db = DBEngine::OpenDatabase(path, false, false, test::kConnect);
  db.Execute("ALTER TABLE Vieja ADD COLUMN c SHORT");
  db.Execute("INSERT INTO h (k) VALUES (1)");
  EXPECT_EQ(test::Scalar(db, "SELECT max(Id) FROM h"), 2);
  EXPECT_EQ(ErrorOf([&] { db.Execute("DELETE FROM p"); }), jeterr::kParentHasChildren);
  db.TableDefs().Refresh();
  const auto& fields = db.TableDefs().Item("Vieja").Fields();
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[2].Type(), dbInteger);
  EXPECT_EQ(test::Scalar(db, "SELECT b FROM Vieja"), 1);
}

}  // namespace
}  // namespace dao
