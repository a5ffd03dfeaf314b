// The code/text combo's code table: its 16-bit limit and SetSize, and the
// table filled from a query of the database engine.
#include <gtest/gtest.h>

#include <utility>

#include "common/AppError.h"
#include "controls/NOVUCboModel.h"
#include "dao/DBEngine.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace {

class NOVUCboCargarRs : public ::testing::Test {
 protected:
  void SetUp() override {
    db = dao::DBEngine::CreateDatabase(dir.File("prov.mdb"), "");
    db.Execute("CREATE TABLE provincias (Codigo TEXT(5), Descripcion TEXT(50))");
    db.Execute("INSERT INTO provincias VALUES ('01', 'Buenos Aires')");
    db.Execute("INSERT INTO provincias VALUES ('02', 'Córdoba')");
    db.Execute("INSERT INTO provincias VALUES ('03', 'Santa Fe')");
  }
  void TearDown() override { db.Close(); }

  // Loads the model as the combo does, after emptying it: each entry's
  // code goes to the model, its text to the list kept here.
  void Load(const std::string& sql, const std::string& code = "Codigo",
            const std::string& text = "Descripcion") {
    model.Limpiar();
    texts.clear();
    model.CargarRs(db, sql, code, text, [&](const std::string& c, const std::string& t) {
      model.AgregarCodigo(c);
      texts.push_back(t);
    });
  }

  TempDir dir;
  dao::Database db;
  NOVUCboModel model;
  std::vector<std::string> texts;
};

}  // namespace

TEST(NOVUCboModel, SetSizeCutsCodesAndTheListHasA16BitLimit) {
  NOVUCboModel m;
  m.AgregarCodigo("a");
  m.AgregarCodigo("b");
  m.AgregarCodigo("c");
  m.SetSize(5);
  EXPECT_EQ(m.CodigoEnPosicion(2), "c");
  m.SetSize(1);
  EXPECT_EQ(m.CantItems(), 3);
  EXPECT_EQ(m.BuscarCodigo("c"), -1);  // cut off: never found
  EXPECT_EQ(m.BuscarCodigo("a"), 0);
  EXPECT_EQ(ErrorOf([&] { m.CodigoEnPosicion(2); }), 9);
  EXPECT_EQ(ErrorOf([&] { m.SetSize(-1); }), 9);
  m.AgregarCodigo("d");  // grows the table again
  EXPECT_EQ(m.CodigoEnPosicion(3), "d");

  m.RecrearTabla(1);
  EXPECT_EQ(m.LimiteSuperior(), 1);
  for (int i = 0; i < NOVUCboModel::kMaximoEntradas; ++i) m.AgregarCodigo("k");
  EXPECT_EQ(ErrorOf([&] { m.AgregarCodigo("uno más"); }), 6);
  EXPECT_EQ(m.CantItems(), NOVUCboModel::kMaximoEntradas);
}

TEST(NOVUCboModel, GeometryKeepsTheCombosHeightAndNeverGoesNegative) {
  NOVUCboModel m;
  m.Redimensionar(2415, 315);
  EXPECT_EQ(m.CboDatos(), (Rect{10, 10, 2395, 315}));
  EXPECT_EQ(m.AltoControl(), 335);
  m.Redimensionar(15, 300);
  EXPECT_EQ(m.CboDatos().width, 0);
  EXPECT_EQ(m.AltoControl(), 320);
}

// The rows replace the list; an engine error reaches the caller with the
// rows read before it kept.
TEST_F(NOVUCboCargarRs, ReplacesTheListByTheRowsOfTheQueryUntilAnError) {
  model.AgregarCodigo("zz");
  Load("select * from provincias");
  EXPECT_EQ(texts, (std::vector<std::string>{"Buenos Aires", "Córdoba", "Santa Fe"}));
  EXPECT_EQ(model.BuscarCodigo("02"), 1);
  EXPECT_EQ(model.BuscarCodigo("zz"), -1);
  Load("select * from provincias where Codigo = 'xx'");
  EXPECT_EQ(model.CantItems(), 0);

  db.Execute("INSERT INTO provincias (Codigo) VALUES ('04')");  // NULL text
  EXPECT_THROW(Load("select * from provincias order by Codigo"), AppError);
  EXPECT_EQ(texts.size(), 3u);
  EXPECT_EQ(model.CantItems(), 3);
  EXPECT_THROW(Load("select * from provincias", "Codigo", "NoExiste"), AppError);
}

// Numbers become text as everywhere in the library: with the regional
// decimal separator, so a caller selects 3.5 by "3,5".
TEST_F(NOVUCboCargarRs, NumbersUseTheRegionalConversion) {
  db.Execute("CREATE TABLE tasas (Valor DOUBLE, Monto CURRENCY, Nombre TEXT(10))");
  db.Execute("INSERT INTO tasas VALUES (3.5, 1234.25, 'media')");
  db.Execute("INSERT INTO tasas VALUES (2, 7, 'entera')");
  Load("select * from tasas", "Valor", "Monto");
  EXPECT_EQ(model.BuscarCodigo("3,5"), 0);
  EXPECT_EQ(model.BuscarCodigo("3.5"), -1);
  EXPECT_EQ(model.CodigoEnPosicion(1), "2");
  EXPECT_EQ(texts, (std::vector<std::string>{"1234,25", "7"}));
}
