// Names match ignoring case for every letter the engine folds, accented
// ones and ñ included, wherever a statement or a collection names a table
// or a field: SQLite alone would match only the ASCII letters.
#include <gtest/gtest.h>

#include "common/TextCase.h"
#include "dao/EngineTestDatabase.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

using namespace dao;
using dao::test::EngineTestDatabase;
using dao::test::Rows;

namespace {

class IdentifierCase : public ::testing::Test {
 protected:
  void SetUp() override {
    t.Execute("CREATE TABLE Situación (Código LONG, Año TEXT (4))");
    t.Execute("INSERT INTO Situación (Código, Año) VALUES (1, '2024')");
  }

  // How many tables the collection holds under that name, whatever the case.
  int TablesNamed(std::string_view name) {
    t.Db().TableDefs().Refresh();
    int n = 0;
    for (const TableDef& d : t.Db().TableDefs()) n += TextCase::Equal(d.Name(), name);
    return n;
  }

  EngineTestDatabase t;
};

TEST_F(IdentifierCase, TableDefsFindsATableInAnyCase) {
  ASSERT_TRUE(t.HasTable("SITUACIÓN"));
  EXPECT_EQ(t.Db().TableDefs().Item("situación").Name(), "Situación");
  std::vector<std::string> fields;
  for (const Field& f : t.Db().TableDefs().Item("SITUACIÓN").Fields()) fields.push_back(f.Name());
  EXPECT_EQ(fields, (std::vector<std::string>{"Código", "Año"}));
  // Accents still count.
  EXPECT_FALSE(t.HasTable("Situacion"));
}

TEST_F(IdentifierCase, CreateRefusesATwinAndADuplicateField) {
  EXPECT_EQ(t.ExecuteError("CREATE TABLE SITUACIÓN (x LONG)"), 3010);
  EXPECT_EQ(t.ExecuteError("CREATE TABLE [situación] (x LONG)"), 3010);
  EXPECT_EQ(TablesNamed("Situación"), 1);
  EXPECT_EQ(t.ExecuteError("CREATE TABLE Otra (Año LONG, AÑO LONG)"), 3191);
  // A new table keeps the spelling it is created with.
  t.Execute("CREATE TABLE Peña (Nº LONG)");
  t.Db().TableDefs().Refresh();
  EXPECT_EQ(t.Db().TableDefs().Item("PEÑA").Name(), "Peña");
  EXPECT_EQ(t.ColumnNames("SELECT * FROM PEÑA"), (std::vector<std::string>{"Nº"}));
}

TEST_F(IdentifierCase, StatementsNameTablesAndColumnsInAnyCase) {
  EXPECT_EQ(t.Query("SELECT AÑO FROM SITUACIÓN WHERE CÓDIGO = 1"), (Rows{{"2024"}}));
  EXPECT_EQ(t.Query("select s.año from situación AS s order by S.AÑO"), (Rows{{"2024"}}));
  t.Execute("INSERT INTO SITUACIÓN (CÓDIGO, AÑO) VALUES (2, '2025')");
  t.Execute("UPDATE situación SET año = '1999' WHERE código = 2");
  t.Execute("CREATE TABLE Copia (Código LONG, Año TEXT (4))");
  t.Execute("INSERT INTO COPIA SELECT CÓDIGO, AÑO FROM SITUACIÓN WHERE CÓDIGO = 2");
  EXPECT_EQ(t.Query("SELECT código, AÑO FROM copia"), (Rows{{"2", "1999"}}));
  t.Execute("DELETE FROM SITUACIÓN WHERE CÓDIGO = 2");
  EXPECT_EQ(t.Scalar("SELECT COUNT(*) FROM Situación"), "1");
  // Names are matched, texts are not rewritten: a literal keeps its case.
  EXPECT_EQ(t.Scalar("SELECT 'AÑO' FROM Situación"), "AÑO");
  // Unknown names fail as before.
  EXPECT_EQ(t.QueryError("SELECT Añito FROM Situación"), 3061);
  EXPECT_EQ(t.QueryError("SELECT * FROM Situacion"), 3078);
}

TEST_F(IdentifierCase, FieldsAndDynasetsFindColumnsInAnyCase) {
  Recordset rs = t.Db().OpenRecordset("SITUACIÓN");
  EXPECT_EQ(rs.Fields("AÑO").Value(), Variant("2024"));
  rs.Edit();
  rs.Fields("año").SetValue(Variant("2030"));
  rs.Update();
  rs.Close();
  EXPECT_EQ(t.Scalar("SELECT Año FROM Situación"), "2030");
  EXPECT_EQ(ErrorOf([&] { t.Db().OpenRecordset("Situación").Fields("Ano"); }), 3265);
}

TEST_F(IdentifierCase, DropFindsTheTableInAnyCase) {
  t.Execute("CREATE INDEX PorAño ON SITUACIÓN (AÑO)");
  t.Execute("DROP INDEX PORAÑO ON situación");
  t.Execute("DROP TABLE [SITUACIÓN]");
  EXPECT_EQ(TablesNamed("Situación"), 0);
  t.Execute("CREATE TABLE Situación (x LONG)");
  t.Db().TableDefs().Delete("SITUACIÓN");
  EXPECT_EQ(TablesNamed("Situación"), 0);
  EXPECT_EQ(t.ExecuteError("DROP TABLE Situación"), 3078);
}

TEST_F(IdentifierCase, LinkedTablesMatchTheirSourceAndNameInAnyCase) {
  TempDir dir;
  const std::string other = dir.File("otra.mdb");
  {
    Database source = DBEngine::CreateDatabase(other, "clave");
    source.Execute("CREATE TABLE Región (Nombre TEXT (20))");
    source.Execute("INSERT INTO Región (Nombre) VALUES ('Cuyo')");
  }
  t.Db().TableDefs().Append(t.Db().CreateTableDef("REGIÓN", "REGIÓN", ";DATABASE=" + other));
  t.Db().TableDefs().Append(t.Db().CreateTableDef("Zona", "región", ";DATABASE=" + other));
  EXPECT_EQ(t.Scalar("SELECT NOMBRE FROM región"), "Cuyo");
  EXPECT_EQ(t.Scalar("SELECT Nombre FROM Zona"), "Cuyo");
  EXPECT_EQ(
      ErrorOf([&] {
        t.Db().TableDefs().Append(t.Db().CreateTableDef("Región", "Región", ";DATABASE=" + other));
      }),
      3010);
  t.Db().TableDefs().Delete("región");
  EXPECT_EQ(TablesNamed("Región"), 0);
}

}  // namespace
