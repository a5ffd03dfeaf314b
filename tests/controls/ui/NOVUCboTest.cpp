// The code/text combo's widget, which holds the entries' texts: selection
// by code, text and position within its limits, the height rule, filling
// from a query, its events and its stored setting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <climits>

#include "controls/ui/NOVUCbo.h"
#include "controls/ui/Twips.h"
#include "support/TempDir.h"
#include "support/TreeSample.h"

namespace {

// The selected entry's code and text, after a selection.
std::string Picked(const NOVUCbo& cbo) {
  return cbo.GetCodigoSeleccionado() + "|" + cbo.GetTextoSeleccionado();
}

}  // namespace

// Adding selects nothing and keeps the selection; a code selects its first
// entry, case counting; a text must match exactly; a position beyond the
// entries changes nothing, and -1 selects none.
TEST(NOVUCbo, SelectsByCodeTextOrPositionExactlyAndReadsCodeAndText) {
  NOVUCbo cbo;
  cbo.AgregarItem("26", "VORA Versión 26");
  cbo.AgregarItem("27", "VORA Versión 27");
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), -1);
  EXPECT_EQ(Picked(cbo), "|");
  cbo.SeleccionarPorCodigo("27");
  cbo.AgregarItem("a", "primera a");
  cbo.AgregarItem("a", "segunda a");
  cbo.AgregarItem("A", "A mayúscula");
  cbo.AgregarItem("", "sin código");
  EXPECT_EQ(Picked(cbo), "27|VORA Versión 27");
  const auto byCode = [&](const char* c) { return cbo.SeleccionarPorCodigo(c), Picked(cbo); };
  const auto byText = [&](const char* t) { return cbo.SeleccionarPorTexto(t), Picked(cbo); };
  const auto byOrder = [&](int32_t i) { return cbo.SeleccionarOrden(i), Picked(cbo); };
  EXPECT_EQ(byCode("a"), "a|primera a");
  EXPECT_EQ(byCode("A"), "A|A mayúscula");
  EXPECT_EQ(byCode("28"), "|");
  EXPECT_EQ(byCode(""), "|sin código");
  EXPECT_EQ(byText("VORA Versión 26"), "26|VORA Versión 26");
  EXPECT_EQ(byText("vora versión 26"), "|");
  EXPECT_EQ(byOrder(1), "27|VORA Versión 27");
  EXPECT_EQ(byOrder(6), "27|VORA Versión 27");  // six entries: nothing
  EXPECT_EQ(byOrder(INT32_MAX), "27|VORA Versión 27");
  cbo.SeleccionarOrden(-1);
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), -1);
}

// Limpiar (which CargarRs starts with) empties the box; the codes it
// forgets are the model's test.
TEST(NOVUCbo, CargarRsReplacesTheEntriesByTheRowsOfTheQuery) {
  TempDir dir;
  dao::Database db = MakeTreeSample(dir.File("arbol.mdb"));
  NOVUCbo cbo;
  cbo.AgregarItem("13", "anterior 13");
  cbo.CargarRs(db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa", "Nombre");
  ASSERT_EQ(cbo.CboDatos()->count(), 2);
  EXPECT_EQ(cbo.CboDatos()->currentIndex(), -1);
  cbo.SeleccionarPorCodigo("13");
  EXPECT_EQ(cbo.GetTextoSeleccionado(), "Sur");
  db.Close();
}

TEST(NOVUCbo, ClickComesFromTheOperatorChangeFromAnyNewText) {
  QWidget window;
  auto* cbo = new NOVUCbo(&window);
  cbo->Move(0, 0, 3000, 330);
  window.show();
  QSignalSpy click(cbo, &NOVUCbo::Click);
  QSignalSpy change(cbo, &NOVUCbo::Change);
  cbo->AgregarItem("26", "VORA Versión 26");
  cbo->AgregarItem("27", "VORA Versión 27");
  EXPECT_EQ(change.count(), 0);

  cbo->SeleccionarPorCodigo("26");
  EXPECT_EQ(click.count(), 0);
  EXPECT_EQ(change.count(), 1);

  // The form focuses the control; the keys reach its combo box.
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  cbo->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), cbo->CboDatos());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(click.count(), 1);
  EXPECT_EQ(change.count(), 2);
  EXPECT_EQ(cbo->GetCodigoSeleccionado(), "27");
}

TEST(NOVUCbo, IsTheCombosHeightPlusTwentyAndStoresEnabledWithTheForm) {
  PropertyStore form;
  form.Write("enabled", "");  // an empty stored flag reads as False
  NOVUCbo cbo(form);
  cbo.Move(1680, 240, 2415, 5000);
  const int comboHeight = Twips::FromPixelsY(cbo.CboDatos()->sizeHint().height(), cbo);
  EXPECT_EQ(cbo.HeightTwips(), comboHeight + 20);
  EXPECT_EQ(cbo.WidthTwips(), 2415);
  EXPECT_EQ(cbo.CboDatos()->geometry(), Twips::ToPixels(QRect(10, 10, 2395, comboHeight), cbo));
  EXPECT_FALSE(cbo.Enabled());
  EXPECT_FALSE(cbo.CboDatos()->isEnabled());
  cbo.SetEnabled(true);
  EXPECT_TRUE(cbo.CboDatos()->isEnabled());
  PropertyStore stored;
  cbo.GuardarPropiedades(stored);
  EXPECT_FALSE(stored.Contains("Enabled"));
  cbo.SetEnabled(false);
  cbo.GuardarPropiedades(stored);
  EXPECT_FALSE(stored.Read("Enabled", true).ToBool());
}
