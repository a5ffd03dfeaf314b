// Names match ignoring case for every letter the engine folds, accented
// ones and ñ included, wherever a statement or a collection names a table
// or a field: SQLite alone would match only the ASCII letters.
#include <gtest/gtest.h>

#include "EngineTestDatabase.h"

using namespace dao;
using dao::test::EngineTestDatabase;
using dao::test::Rows;

namespace {

class IdentifierCase : public ::testing::Test {
 protected:
  void SetUp() override {
    t.ExecuteAll({"CREATE TABLE Situación (Código LONG, Año TEXT (4))",
                  "INSERT INTO Situación (Código, Año) VALUES (1, '2024')"});
  }

  EngineTestDatabase t;
};

TEST_F(IdentifierCase, TableDefsFindTablesAndCreateRefusesTwins) {
  ASSERT_TRUE(t.HasTable("SITUACIÓN"));
  EXPECT_EQ(t.Db().TableDefs().Item("situación").Fields().at(1).Name(), "Año");
  // Accents still count.
  EXPECT_FALSE(t.HasTable("Situacion"));
  EXPECT_EQ(t.ExecuteError("CREATE TABLE [situación] (x LONG)"), 3010);
  EXPECT_EQ(t.ExecuteError("CREATE TABLE Otra (Año LONG, AÑO LONG)"), 3191);
  // A new table keeps the spelling it is created with.
  t.Execute("CREATE TABLE Peña (Nº LONG)");
  t.Db().TableDefs().Refresh();
  EXPECT_EQ(t.Db().TableDefs().Item("PEÑA").Name(), "Peña");
  EXPECT_EQ(t.ColumnNames("SELECT * FROM PEÑA"), (std::vector<std::string>{"Nº"}));
}

TEST_F(IdentifierCase, StatementsAndRecordSetsNameTablesAndColumnsInAnyCase) {
  EXPECT_EQ(t.Query("select s.año from situación AS s where CÓDIGO = 1 order by S.AÑO"),
            (Rows{{"2024"}}));
  t.ExecuteAll({"INSERT INTO SITUACIÓN (CÓDIGO, AÑO) VALUES (2, '2025')",
                "UPDATE situación SET año = '1999' WHERE código = 2",
                "CREATE TABLE Copia (Código LONG, Año TEXT (4))",
                "INSERT INTO COPIA SELECT CÓDIGO, AÑO FROM SITUACIÓN WHERE CÓDIGO = 2",
                "DELETE FROM SITUACIÓN WHERE CÓDIGO = 2"});
  EXPECT_EQ(t.Query("SELECT código, AÑO FROM copia"), (Rows{{"2", "1999"}}));
  EXPECT_EQ(t.Scalar("SELECT COUNT(*) FROM Situación"), "1");
  // Names are matched, texts are not rewritten: a literal keeps its case.
  EXPECT_EQ(t.Scalar("SELECT 'AÑO' FROM Situación"), "AÑO");
  EXPECT_EQ(t.QueryError("SELECT Añito FROM Situación"), 3061);
  EXPECT_EQ(t.QueryError("SELECT * FROM Situacion"), 3078);

  Recordset rs = t.Db().OpenRecordset("SITUACIÓN");
  EXPECT_EQ(rs.Fields("AÑO").Value(), Variant("2024"));
  rs.Edit();
  rs.Fields("año").SetValue(Variant("2030"));
  rs.Update();
  EXPECT_EQ(ErrorOf([&] { rs.Fields("Ano"); }), 3265);
  rs.Close();
  EXPECT_EQ(t.Scalar("SELECT Año FROM Situación"), "2030");

  t.ExecuteAll({"CREATE INDEX PorAño ON SITUACIÓN (AÑO)", "DROP INDEX PORAÑO ON situación",
                "DROP TABLE [SITUACIÓN]", "CREATE TABLE Situación (x LONG)"});
  t.Db().TableDefs().Delete("SITUACIÓN");
  EXPECT_FALSE(t.HasTable("SITUACIÓN"));
  EXPECT_EQ(t.ExecuteError("DROP TABLE Situación"), 3078);
}

TEST_F(IdentifierCase, LinkedTablesMatchTheirSourceAndNameInAnyCase) {
  EngineTestDatabase source;
  source.ExecuteAll(
      {"CREATE TABLE Región (Nombre TEXT (20))", "INSERT INTO Región (Nombre) VALUES ('Cuyo')"});
  const std::string other = source.Db().Name();
  auto link = [&](const std::string& name, const std::string& source) {
    return ErrorOf([&] {
      t.Db().TableDefs().Append(t.Db().CreateTableDef(name, source, ";DATABASE=" + other));
    });
  };
  EXPECT_EQ(link("REGIÓN", "REGIÓN"), 0);
  EXPECT_EQ(link("Zona", "región"), 0);
  EXPECT_EQ(t.Scalar("SELECT NOMBRE FROM región"), "Cuyo");
  EXPECT_EQ(t.Scalar("SELECT Nombre FROM Zona"), "Cuyo");
  EXPECT_EQ(link("Región", "Región"), 3010);
  t.Db().TableDefs().Delete("región");
  EXPECT_FALSE(t.HasTable("REGIÓN"));
}

}  // namespace
