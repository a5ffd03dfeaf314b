// The code/text combo's widget: code semantics, selection limits, the
// height rule, filling from a query, its events and its stored setting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <climits>

#include "controls/NOVUCboModel.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/Twips.h"
#include "dao/DBEngine.h"
#include "support/TempDir.h"

TEST(NOVUCbo, SelectsByCodeExactlyAndReadsCodeAndText) {
  NOVUCbo cbo;
  cbo.AgregarItem("26", "VORA Versión 26");
  cbo.AgregarItem("27", "VORA Versión 27");
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), -1);  // adding selects nothing
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "");

  cbo.SeleccionarPorCodigo("27");
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), 1);
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "27");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "VORA Versión 27");

  cbo.AgregarItem("a", "primera a");
  cbo.AgregarItem("a", "segunda a");
  cbo.AgregarItem("A", "A mayúscula");
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "27");  // adding keeps the selection
  cbo.SeleccionarPorCodigo("a");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "primera a");
  cbo.SeleccionarPorCodigo("A");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "A mayúscula");

  for (const char* ausente : {"28", ""}) {
    cbo.SeleccionarPorCodigo("26");
    cbo.SeleccionarPorCodigo(ausente);
    EXPECT_EQ(cbo.GetCodigoSeleccionado(), "");
    EXPECT_EQ(cbo.GetTextoSeleccionado(), "");
  }
  cbo.AgregarItem("", "sin código");
  cbo.SeleccionarPorCodigo("");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "sin código");
}

TEST(NOVUCbo, SelectsByTextAndByPositionWithinItsLimits) {
  NOVUCbo cbo;
  cbo.AgregarItem("1", "Buenos Aires");
  cbo.AgregarItem("2", "Córdoba");
  cbo.SeleccionarPorTexto("Córdoba");
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "2");
  cbo.SeleccionarPorTexto("córdoba");
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "");

  cbo.SeleccionarOrden(0);
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "1");
  cbo.SeleccionarOrden(2);  // equal to the number of entries: nothing
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "1");
  cbo.SeleccionarOrden(INT32_MAX);
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "1");
  cbo.SeleccionarOrden(-1);
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), -1);
}

TEST(NOVUCbo, LimpiarKeepsTheTableButForgetsItsOldCodes) {
  NOVUCbo cbo;
  cbo.AgregarItem("x", "equis");
  cbo.AgregarItem("y", "ye");
  cbo.AgregarItem("z", "zeta");
  cbo.Limpiar();
  EXPECT_EQ(cbo.CboDatos()->count(), 0);
  EXPECT_EQ(cbo.Modelo().CantItems(), 0);
  EXPECT_EQ(cbo.Modelo().LimiteSuperior(), 3);
  cbo.AgregarItem("p", "pe");
  cbo.AgregarItem("q", "cu");
  cbo.SeleccionarPorCodigo("q");
  cbo.SeleccionarPorCodigo("z");  // only an entry from before had it
  EXPECT_EQ(cbo.GetCodigoSeleccionado(), "");
}

TEST(NOVUCbo, HeightIsAlwaysTheCombosPlusTwenty) {
  NOVUCbo cbo;
  cbo.Move(1680, 240, 2415, 330);
  const int altoCombo = Twips::FromPixelsY(cbo.CboDatos()->sizeHint().height(), cbo);
  EXPECT_EQ(cbo.HeightTwips(), altoCombo + 20);
  EXPECT_EQ(cbo.WidthTwips(), 2415);
  EXPECT_EQ(cbo.Modelo().CboDatos(), (Rect{10, 10, 2395, altoCombo}));
  EXPECT_EQ(cbo.CboDatos()->geometry(), Twips::ToPixels(QRect(10, 10, 2395, altoCombo), cbo));

  cbo.Move(0, 0, 15, 5000);
  EXPECT_EQ(cbo.HeightTwips(), altoCombo + 20);
  EXPECT_EQ(cbo.Modelo().CboDatos().width, 0);
}

TEST(NOVUCbo, CargarRsReplacesTheEntriesByTheRowsOfTheQuery) {
  TempDir carpeta;
  dao::Database db = dao::DBEngine::CreateDatabase(carpeta.File("prov.mdb"), "");
  db.Execute("CREATE TABLE provincias (Codigo TEXT(5), Descripcion TEXT(50))");
  db.Execute("INSERT INTO provincias VALUES ('01', 'Buenos Aires')");
  db.Execute("INSERT INTO provincias VALUES ('02', 'Córdoba')");
  NOVUCbo cbo;
  cbo.AgregarItem("zz", "anterior");
  cbo.CargarRs(db, "select * from provincias", "Codigo", "Descripcion");
  ASSERT_EQ(cbo.CboDatos()->count(), 2);
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), -1);
  cbo.SeleccionarPorCodigo("02");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "Córdoba");
  db.Close();
}

TEST(NOVUCbo, ClickComesFromTheOperatorChangeFromAnyNewText) {
  QWidget ventana;
  auto* cbo = new NOVUCbo(&ventana);
  cbo->Move(0, 0, 3000, 330);
  ventana.show();
  QSignalSpy click(cbo, &NOVUCbo::Click);
  QSignalSpy change(cbo, &NOVUCbo::Change);
  cbo->AgregarItem("26", "VORA Versión 26");
  cbo->AgregarItem("27", "VORA Versión 27");
  EXPECT_EQ(change.count(), 0);

  cbo->SeleccionarPorCodigo("26");
  EXPECT_EQ(click.count(), 0);
  EXPECT_EQ(change.count(), 1);

  // The form focuses the control; the keys reach its combo box.
  QApplication::setActiveWindow(&ventana);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
  cbo->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), cbo->CboDatos());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(click.count(), 1);
  EXPECT_EQ(change.count(), 2);
  EXPECT_EQ(cbo->GetCodigoSeleccionado(), "27");
}

TEST(NOVUCbo, EnabledIsStoredWithTheForm) {
  PropertyStore form;
  form.Write("enabled", false);
  NOVUCbo cbo(form);
  EXPECT_FALSE(cbo.Enabled());
  EXPECT_FALSE(cbo.CboDatos()->isEnabled());

  cbo.SetEnabled(true);
  EXPECT_TRUE(cbo.CboDatos()->isEnabled());
  EXPECT_TRUE(cbo.Propiedades().IsChanged("Enabled"));
  PropertyStore guardado;
  cbo.GuardarPropiedades(guardado);
  EXPECT_FALSE(guardado.Contains("Enabled"));
  cbo.SetEnabled(false);
  cbo.GuardarPropiedades(guardado);
  EXPECT_FALSE(guardado.Read("Enabled", true).ToBool());

  // An empty stored flag reads as False, as it does for the button bar.
  PropertyStore vacio;
  vacio.Write("enabled", "");
  NOVUCbo sinValor(vacio);
  EXPECT_FALSE(sinValor.Enabled());
}
