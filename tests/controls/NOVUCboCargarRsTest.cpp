// The code/text combo filled from a query of the database engine.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTemporaryDir>

#include "common/AppError.h"
#include "controls/NOVUCbo.h"
#include "dao/DBEngine.h"

namespace {

class NOVUCboCargarRs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(carpeta.isValid());
    db = dao::DBEngine::CreateDatabase(carpeta.filePath("prov.mdb").toStdString(), "");
    db.Execute("CREATE TABLE provincias (Codigo TEXT(5), Descripcion TEXT(50))");
    db.Execute("INSERT INTO provincias VALUES ('01', 'Buenos Aires')");
    db.Execute("INSERT INTO provincias VALUES ('02', 'Córdoba')");
    db.Execute("INSERT INTO provincias VALUES ('03', 'Santa Fe')");
  }
  void TearDown() override { db.Close(); }

  QTemporaryDir carpeta;
  dao::Database db;
};

}  // namespace

TEST_F(NOVUCboCargarRs, ReplacesTheListByTheRowsOfTheQuery) {
  NOVUCbo cbo;
  cbo.AgregarItem("zz", "anterior");
  cbo.CargarRs(db, "select * from provincias", "Codigo", "Descripcion");
  ASSERT_EQ(cbo.CboDatos()->count(), 3);
  EXPECT_EQ(cbo.Modelo().CantItems(), 3);
  cbo.SeleccionarPorCodigo("02");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "Córdoba");
  cbo.SeleccionarPorCodigo("zz");
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "");

  cbo.CargarRs(db, "select * from provincias where Codigo = 'xx'", "Codigo", "Descripcion");
  EXPECT_EQ(cbo.CboDatos()->count(), 0);
  EXPECT_EQ(cbo.Modelo().CantItems(), 0);
}

TEST_F(NOVUCboCargarRs, EngineErrorsReachTheCallerWithEarlierRowsKept) {
  db.Execute("INSERT INTO provincias (Codigo) VALUES ('04')");  // NULL text
  NOVUCbo cbo;
  EXPECT_THROW(
      cbo.CargarRs(db, "select * from provincias order by Codigo", "Codigo", "Descripcion"),
      AppError);
  EXPECT_EQ(cbo.CboDatos()->count(), 3);
  EXPECT_THROW(cbo.CargarRs(db, "select * from provincias", "Codigo", "NoExiste"), AppError);
}

// Numbers become text as everywhere in the library: with the regional
// decimal separator, so a caller selects 3.5 by "3,5".
TEST_F(NOVUCboCargarRs, NumbersUseTheRegionalConversion) {
  db.Execute("CREATE TABLE tasas (Valor DOUBLE, Monto CURRENCY, Nombre TEXT(10))");
  db.Execute("INSERT INTO tasas VALUES (3.5, 1234.25, 'media')");
  db.Execute("INSERT INTO tasas VALUES (2, 7, 'entera')");
  NOVUCbo cbo;
  cbo.CargarRs(db, "select * from tasas", "Valor", "Monto");
  cbo.SeleccionarPorCodigo("3,5");
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "3,5");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "1234,25");
  cbo.SeleccionarPorCodigo("3.5");
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "");
  cbo.SeleccionarPorCodigo("2");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "7");
}
