// The address editor's real window, offscreen, on the sample data, opened
// as the control opens it: its places in twips, the host's labels with
// their access keys, the tab order, a sorted list, the keyboard alone, the
// length limit and the compact layout. The editor's rules are
// FrmDomiciliosModelTest's; here, that the widgets carry them. With
// REMENDOR_ADDRESS_SHOTS set to a folder, the window is saved there as a
// picture in both modes.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <iostream>

#include "address/EditorFixture.h"
#include "address/ui/EditorQt.h"
#include "controls/ui/ElidedLabel.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/Twips.h"
#include "support/ClippedTexts.h"

namespace {

using namespace editor_qt;
using B = NOVUBotModel;

class FrmDomiciliosTest : public EditorFixture {
 protected:
  // Opens the editor on the configured owner; `user` acts while it shows.
  void OpenWindow(std::function<void()> user) {
    WhenShown(frm, std::move(user));
    dom.cmd_Click(frm);
  }
  void Describe(int slot, const char* text) {
    ChangeSlot(slot, [&](CampoDomicilio& c) { c.Descripcion = text; });
  }
  QRect Place(const QRect& twips) { return Twips::ToPixels(twips, frm); }
  int RowCount() { return frm.LstDomicilios()->GetCantFilas(); }

  FrmDomicilios frm{nullptr};
};

}  // namespace

TEST_F(FrmDomiciliosTest, TheWindowShowsTheSlotsAsTheHostDescribesThem) {
  Hide(campo::kFax);
  // No "u" for Ruta's key: it takes the first letter no other target
  // holds, the M that Manzana, described as nothing, leaves free.
  Describe(campo::kRuta, "Camino");
  Describe(campo::kManzana, "");
  OpenWindow([&] {
    EXPECT_EQ(frm.windowTitle(), "Domicilios del titular");
    EXPECT_EQ(frm.LstDomicilios()->geometry(), Place(QRect(120, 120, 6375, 1935)));
    EXPECT_EQ(frm.fraDatos()->geometry(), Place(QRect(120, 2160, 6435, 4275)));
    EXPECT_EQ(frm.Bot()->geometry(), Place(QRect(6600, 0, 800, FrmDomicilios::kAlto)));
    const std::pair<int, const char*> labels[] = {
        {campo::kCalle, "&Calle:"},         {campo::kNumero, "&Nro:"},
        {campo::kRuta, "Ca&mino:"},         {campo::kCodigoPostal, "Códi&go Postal:"},
        {campo::kProvincia, "&Provincia:"}, {campo::kEMail, "&E-Mail:"}};
    for (const auto& [slot, text] : labels)
      EXPECT_EQ(frm.LblDato(slot)->text().toStdString(), text) << slot;
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->maxLength(), 6);
    EXPECT_FALSE(frm.TxtDato(campo::kFax)->isVisibleTo(&frm));
    EXPECT_FALSE(frm.LblDato(campo::kFax)->isVisibleTo(&frm));
    for (int slot : campo::kDeTexto)
      EXPECT_EQ(frm.LblDato(slot)->buddy(), frm.TxtDato(slot)) << slot;
    EXPECT_EQ(frm.TxtDato(campo::kDepto)->accessibleName(), "Depto /Oficina");
    EXPECT_EQ(frm.TxtDato(campo::kManzana)->accessibleName(), "Manzana");
    EXPECT_EQ(frm.LblDato(campo::kProvincia)->buddy(), frm.CboProvincia()->CboDatos());

    // Browsing: the first address shows in disabled fields.
    EXPECT_EQ(RowCount(), 3);
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    EXPECT_FALSE(frm.TxtDato(campo::kCalle)->isEnabled());
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Av. Belgrano");
    EXPECT_TRUE(frm.optFiscal()->isChecked());
    EXPECT_EQ(frm.CboProvincia()->GetTextoSeleccionado(), "Córdoba");
    EXPECT_FALSE(frm.Bot()->cmdBtn(B::kAceptar)->isVisibleTo(&frm));

    // The tab order reads the frame line by line, then the bar; every stop
    // has a name for a screen reader.
    const std::vector<QWidget*> order = {frm.TxtDato(campo::kCalle),
                                         frm.optFiscal(),
                                         frm.optOtros(),
                                         frm.TxtDato(campo::kNumero),
                                         frm.chkSinNro(),
                                         frm.TxtDato(campo::kRuta),
                                         frm.CboProvincia()->CboDatos(),
                                         frm.TxtDato(campo::kObservaciones),
                                         frm.Bot()->cmdBtn(B::kNuevo)};
    std::vector<QWidget*> seen;
    QWidget* w = frm.LstDomicilios()->LstDatos();
    EXPECT_FALSE(w->accessibleName().isEmpty());
    for (int i = 0; i < 400 && seen.size() < order.size(); i++) {
      w = w->nextInFocusChain();
      if (std::count(order.begin(), order.end(), w)) seen.push_back(w);
    }
    EXPECT_EQ(seen, order);
    for (QWidget* s : order)
      EXPECT_FALSE(s->accessibleName().isEmpty()) << s->objectName().toStdString();
    // Sorted by the user, the list still loads and updates the right rows.
    frm.LstDomicilios()->Ordenar(1, 0);
    ClickRow(frm, "Av. Belgrano");
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->text(), "1234");
    Press(frm, B::kEditar);
    Type(frm.TxtDato(campo::kNumero), "1236");
    Press(frm, B::kAceptar);
    EXPECT_EQ(frm.LstDomicilios()->GetItems(Variant(int32_t{3}))->SubItems(1), "1236");
    EXPECT_EQ(frm.LstDomicilios()->GetItems(Variant(int32_t{1}))->Text(), "Ruta Nacional 9");
    Press(frm, B::kSalir);
  });
  EXPECT_FALSE(frm.isVisible());
}

// Nothing cut: a five-digit number shows whole in its column, and a host's
// description longer than its label's place ("Número" for "Nro") is elided
// with the whole text in its tooltip, its access key still on N; a length
// limit shorter than a stored street limits typing but shows the street whole.
TEST_F(FrmDomiciliosTest, NothingStoredIsCutAndTheLengthLimitsOnlyTyping) {
  db.Execute(
      "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
      "Calle, Numero, Localidad, Provincia) values ('30712345676', 1, 1, 1, 9, 0, 'Av. Colón', "
      "12345, 'San Luis', 3)");
  Describe(campo::kNumero, "Número de la calle");
  ChangeSlot(campo::kCalle, [](CampoDomicilio& c) { c.Longitud = 5; });
  OpenWindow([&] {
    auto* numberLabel = qobject_cast<ElidedLabel*>(frm.LblDato(campo::kNumero));
    ASSERT_NE(numberLabel, nullptr);
    EXPECT_EQ(numberLabel->text(), "&Número de la calle:");
    EXPECT_EQ(numberLabel->property("elided"), true);
    EXPECT_EQ(numberLabel->Plain(), "Número de la calle:");  // what its tooltip shows
    const std::vector<clipped::Finding> found = clipped::In(frm);
    for (const clipped::Finding& f : found) std::cout << "  " << f.Line() << '\n';
    EXPECT_EQ(clipped::Cut(found), 0u);
    for (const clipped::Finding& f : found) EXPECT_NE(f.text, "12345");
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Av. Belgrano");
    Press(frm, B::kEditar);
    Type(frm.TxtDato(campo::kNumero), "1240");
    Press(frm, B::kAceptar);
    Press(frm, B::kNuevo);
    Type(frm.TxtDato(campo::kCalle), "Sarmiento");
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Sarmi");
    Press(frm, B::kCancelar);
    Press(frm, B::kSalir);
  });
  EXPECT_EQ(Count("CodDJ = 1 and Calle = 'Av. Belgrano' and Numero = 1240"), 1);
}

TEST_F(FrmDomiciliosTest, TheKeyboardAloneAddsAnAddressAndEscapeCancels) {
  OpenWindow([&] {
    Activate(frm);
    EXPECT_EQ(QApplication::focusWidget(), frm.LstDomicilios()->LstDatos());
    Snapshot(frm, "editor-domicilios.png");
    // Moving down the list shows the next address.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Bv. San Juan");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Nuevo, the default
    EXPECT_EQ(frm.Bot()->Estado(), 2);
    EXPECT_FALSE(frm.LstDomicilios()->LstDatos()->isEnabled());
    ASSERT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kCalle));
    EXPECT_TRUE(frm.optOtros()->isChecked());
    TypeKeys(QApplication::focusWidget(), "Pje. D'Alessandro");
    // The type's buttons are one stop, then the number box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(QApplication::focusWidget() == frm.optFiscal() ||
                QApplication::focusWidget() == frm.optOtros());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kNumero));
    TypeKeys(QApplication::focusWidget(), "1-2a,5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->text(), "12");
    QTest::keyClick(&frm, Qt::Key_L, Qt::AltModifier);  // &Localidad
    ASSERT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kLocalidad));
    TypeKeys(QApplication::focusWidget(), QString::fromUtf8("Río Cuarto"));
    Snapshot(frm, "editor-domicilios-edicion.png");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Aceptar

    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    EXPECT_EQ(RowCount(), 4);
    EXPECT_EQ(frm.LstDomicilios()->GetISelectedItem()->Text(), "Pje. D'Alessandro");
    EXPECT_EQ(QApplication::focusWidget(), frm.LstDomicilios()->LstDatos());

    // "Sin Número" empties and locks the number box; Escape cancels the
    // edit, and never closes the window.
    Press(frm, B::kEditar);
    Type(frm.TxtDato(campo::kCalle), "Otra");
    frm.chkSinNro()->click();
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->text(), "");
    EXPECT_FALSE(frm.TxtDato(campo::kNumero)->isEnabled());
    QTest::keyClick(frm.TxtDato(campo::kCalle), Qt::Key_Escape);
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Pje. D'Alessandro");
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->text(), "12");
    EXPECT_FALSE(frm.chkSinNro()->isChecked());
    QTest::keyClick(frm.LstDomicilios()->LstDatos(), Qt::Key_Escape);
    EXPECT_TRUE(frm.isVisible());
    Press(frm, B::kSalir);
  });
  EXPECT_EQ(Count("Calle = 'Pje. D''Alessandro' and Numero = 12 and Localidad = 'Río Cuarto' and "
                  "Fiscal = 0 and Provincia = 3 and CodDueno = 1"),
            1);
}

TEST_F(FrmDomiciliosTest, SingleAddressModeWithTheCompactLayoutHidesTheList) {
  Configure(SampleAddresses::kSocia);
  for (int slot : {campo::kTelefono, campo::kFax, campo::kEMail, campo::kObservaciones}) Hide(slot);
  dom.SetSoloUno(true);
  OpenWindow([&] {
    Activate(frm);
    EXPECT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kCalle));
    EXPECT_FALSE(frm.LstDomicilios()->isVisibleTo(&frm));
    EXPECT_EQ(frm.fraDatos()->geometry(), Place(QRect(120, 100, 6435, 3075)));
    EXPECT_EQ(frm.height(), Twips::ToPixelsY(3675 - FrmDomicilios::kMarcoVentana, frm));
    Type(frm.TxtDato(campo::kNumero), "5530");
    Press(frm, B::kAceptar);  // saves, then closes
  });
  EXPECT_FALSE(frm.isVisible());
  EXPECT_EQ(Count("Calle = 'O''Higgins' and Numero = 5530 and CodDueno = 2"), 1);
}
