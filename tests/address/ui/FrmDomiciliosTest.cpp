// The address editor's real window, offscreen, on the sample data, opened
// as the control opens it: its places in twips, the host's labels with
// their access keys, browsing and editing, the keyboard alone, and a save
// the engine refuses. With REMENDOR_ADDRESS_SHOTS set to a folder, the
// window is saved there as a picture in both modes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <iostream>
#include <set>

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
  // Opens the editor on the configured owner; `usuario` acts while it shows.
  void AbrirVentana(std::function<void()> usuario) {
    AlAbrirse(frm, std::move(usuario));
    dom.cmd_Click(frm);
  }
  void Describir(int slot, const std::string& descripcion) {
    CampoDomicilio c = dom.Campos().Campo(slot);
    dom.Set_Campo(slot, c.TipoControlDato, c.NombreCampo, c.Longitud, c.Visible, c.Obligatorio,
                  c.SQL, descripcion, c.ValorFijo);
  }
  QRect Lugar(const QRect& twips) { return Twips::ToPixels(twips, frm); }
  int Filas() { return frm.LstDomicilios()->GetCantFilas(); }

  FrmDomicilios frm{nullptr};
};

}  // namespace

TEST_F(FrmDomiciliosTest, TheWindowShowsTheSlotsAsTheHostDescribesThem) {
  Ocultar(campo::kFax);
  // No "u" for Ruta's key: it takes the first letter no other target
  // holds, the M that Manzana, described as nothing, leaves free.
  Describir(campo::kRuta, "Camino");
  Describir(campo::kManzana, "");
  AbrirVentana([&] {
    EXPECT_EQ(frm.windowTitle(), "Domicilios del titular");
    EXPECT_EQ(frm.LstDomicilios()->geometry(), Lugar(QRect(120, 120, 6375, 1935)));
    EXPECT_EQ(frm.fraDatos()->geometry(), Lugar(QRect(120, 2160, 6435, 4275)));
    EXPECT_EQ(frm.fraDatos()->title(), "Datos del domicilio seleccionado");
    EXPECT_EQ(frm.Bot()->geometry(), Lugar(QRect(6600, 0, 800, FrmDomicilios::kAlto)));

    const std::pair<int, const char*> etiquetas[] = {
        {campo::kCalle, "&Calle:"},         {campo::kNumero, "&Nro:"},
        {campo::kRuta, "Ca&mino:"},         {campo::kTorre, "To&rre:"},
        {campo::kPiso, "P&iso:"},           {campo::kDepto, "&Depto /Oficina:"},
        {campo::kPartido, "P&artido:"},     {campo::kCodigoPostal, "Códi&go Postal:"},
        {campo::kProvincia, "&Provincia:"}, {campo::kTelefono, "&Teléfono:"},
        {campo::kEMail, "&E-Mail:"},
    };
    for (const auto& [slot, texto] : etiquetas) {
      EXPECT_EQ(frm.LblDato(slot)->text().toStdString(), texto) << slot;
    }
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->maxLength(), 40);
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->maxLength(), 6);
    EXPECT_EQ(frm.TxtDato(campo::kObservaciones)->maxLength(), 255);
    EXPECT_FALSE(frm.TxtDato(campo::kFax)->isVisibleTo(&frm));
    EXPECT_FALSE(frm.LblDato(campo::kFax)->isVisibleTo(&frm));
    for (int slot : campo::kDeTexto) {
      EXPECT_EQ(frm.LblDato(slot)->buddy(), frm.TxtDato(slot)) << slot;
      EXPECT_FALSE(frm.TxtDato(slot)->accessibleName().isEmpty()) << slot;
    }
    EXPECT_EQ(frm.TxtDato(campo::kDepto)->accessibleName(), "Depto /Oficina");
    EXPECT_EQ(frm.TxtDato(campo::kManzana)->accessibleName(), "Manzana");
    EXPECT_EQ(frm.LblDato(campo::kProvincia)->buddy(), frm.CboProvincia()->CboDatos());
    for (QWidget* w :
         {static_cast<QWidget*>(frm.CboProvincia()->CboDatos()),
          static_cast<QWidget*>(frm.chkSinNro()), static_cast<QWidget*>(frm.optFiscal()),
          static_cast<QWidget*>(frm.optOtros()),
          static_cast<QWidget*>(frm.LstDomicilios()->LstDatos())}) {
      EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }

    // Browsing: the first address shows in disabled fields.
    EXPECT_EQ(Filas(), 3);
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    EXPECT_TRUE(frm.LstDomicilios()->LstDatos()->isEnabled());
    EXPECT_FALSE(frm.TxtDato(campo::kCalle)->isEnabled());
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Av. Belgrano");
    EXPECT_TRUE(frm.optFiscal()->isChecked());
    EXPECT_EQ(frm.CboProvincia()->GetTextoSeleccionado(), "Córdoba");
    EXPECT_FALSE(frm.Bot()->cmdBtn(B::kAceptar)->isVisibleTo(&frm));

    // The tab order reads the frame line by line, then the bar.
    std::vector<QWidget*> orden;
    const std::set<QWidget*> campos = {frm.TxtDato(campo::kCalle),
                                       frm.optFiscal(),
                                       frm.optOtros(),
                                       frm.TxtDato(campo::kNumero),
                                       frm.chkSinNro(),
                                       frm.TxtDato(campo::kRuta),
                                       frm.CboProvincia()->CboDatos(),
                                       frm.TxtDato(campo::kObservaciones),
                                       frm.Bot()->cmdBtn(B::kNuevo)};
    QWidget* w = frm.LstDomicilios()->LstDatos();
    for (int i = 0; i < 400 && orden.size() < campos.size(); i++) {
      w = w->nextInFocusChain();
      if (campos.count(w)) orden.push_back(w);
    }
    EXPECT_EQ(orden, (std::vector<QWidget*>{
                         frm.TxtDato(campo::kCalle), frm.optFiscal(), frm.optOtros(),
                         frm.TxtDato(campo::kNumero), frm.chkSinNro(), frm.TxtDato(campo::kRuta),
                         frm.CboProvincia()->CboDatos(), frm.TxtDato(campo::kObservaciones),
                         frm.Bot()->cmdBtn(B::kNuevo)}));
    // Sorted by the user, the list still loads and updates the right rows.
    frm.LstDomicilios()->Ordenar(1, 0);
    Clic(frm, "Av. Belgrano");
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->text(), "1234");
    Pulsar(frm, B::kEditar);
    Escribir(frm.TxtDato(campo::kNumero), "1236");
    Pulsar(frm, B::kAceptar);
    EXPECT_EQ(frm.LstDomicilios()->GetItems(Variant(int32_t{3}))->SubItems(1), "1236");
    EXPECT_EQ(frm.LstDomicilios()->GetItems(Variant(int32_t{1}))->Text(), "Ruta Nacional 9");
    Pulsar(frm, B::kSalir);
  });
  EXPECT_FALSE(frm.isVisible());
}

// Nothing cut: a five-digit number shows whole in its column, and a host's
// description longer than its label's place ("Número" for "Nro") is elided
// with the whole text in its tooltip, its access key still on N.
TEST_F(FrmDomiciliosTest, AFiveDigitNumberAndALongHostLabelShowWhole) {
  db.Execute(
      "insert into 24Domicilios (Cuit, CodDJ, CodDueno, CodReferencia, CodDomicilio, Fiscal, "
      "Calle, Numero, Localidad, Provincia) values ('30712345676', 1, 1, 1, 9, 0, 'Av. Colón', "
      "12345, 'San Luis', 3)");
  Describir(campo::kNumero, "Número de la calle");
  AbrirVentana([&] {
    EXPECT_EQ(frm.LblDato(campo::kNumero)->text(), "&Número de la calle:");
    EXPECT_EQ(frm.LblDato(campo::kNumero)->property("elided"), true);
    // What its tooltip shows.
    auto* numero = qobject_cast<ElidedLabel*>(frm.LblDato(campo::kNumero));
    ASSERT_NE(numero, nullptr);
    EXPECT_EQ(numero->Plain(), "Número de la calle:");
    const std::vector<clipped::Finding> found = clipped::In(frm);
    for (const clipped::Finding& f : found) std::cout << "  " << f.Line() << '\n';
    EXPECT_EQ(clipped::Cut(found), 0u);
    for (const clipped::Finding& f : found) EXPECT_NE(f.text, "12345");
    frm.Bot()->cmdBtn(B::kSalir)->click();
  });
}

TEST_F(FrmDomiciliosTest, TheKeyboardAloneAddsAnAddressAndEscapeCancels) {
  AbrirVentana([&] {
    Activar(frm);
    EXPECT_EQ(QApplication::focusWidget(), frm.LstDomicilios()->LstDatos());
    Foto(frm, "editor-domicilios.png");
    // Moving down the list shows the next address.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Bv. San Juan");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Nuevo, the default
    EXPECT_EQ(frm.Bot()->Estado(), 2);
    EXPECT_FALSE(frm.LstDomicilios()->LstDatos()->isEnabled());
    ASSERT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kCalle));
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "");
    EXPECT_TRUE(frm.optOtros()->isChecked());
    Teclear(QApplication::focusWidget(), "Pje. D'Alessandro");
    // The type's buttons are one stop, then the number box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(QApplication::focusWidget() == frm.optFiscal() ||
                QApplication::focusWidget() == frm.optOtros());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kNumero));
    Teclear(QApplication::focusWidget(), "1-2a,5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(frm.TxtDato(campo::kNumero)->text(), "12");
    QTest::keyClick(&frm, Qt::Key_L, Qt::AltModifier);  // &Localidad
    ASSERT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kLocalidad));
    Teclear(QApplication::focusWidget(), QString::fromUtf8("Río Cuarto"));
    Foto(frm, "editor-domicilios-edicion.png");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Aceptar

    EXPECT_TRUE(Textos().empty());
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    EXPECT_EQ(Filas(), 4);
    EXPECT_EQ(frm.LstDomicilios()->GetISelectedItem()->Text(), "Pje. D'Alessandro");
    EXPECT_EQ(QApplication::focusWidget(), frm.LstDomicilios()->LstDatos());

    // Escape cancels an edit, and never closes the window.
    Pulsar(frm, B::kEditar);
    Escribir(frm.TxtDato(campo::kCalle), "Otra");
    QTest::keyClick(frm.TxtDato(campo::kCalle), Qt::Key_Escape);
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Pje. D'Alessandro");
    QTest::keyClick(frm.LstDomicilios()->LstDatos(), Qt::Key_Escape);
    EXPECT_TRUE(frm.isVisible());
    Pulsar(frm, B::kSalir);
  });
  EXPECT_EQ(Contar("Calle = 'Pje. D''Alessandro' and Numero = 12 and Localidad = 'Río Cuarto' and "
                   "Fiscal = 0 and Provincia = 3 and CodDueno = 1"),
            1);
}

TEST_F(FrmDomiciliosTest, SinNumeroEmptiesAndLocksTheNumberBox) {
  AbrirVentana([&] {
    Pulsar(frm, B::kEditar);
    QLineEdit* numero = frm.TxtDato(campo::kNumero);
    EXPECT_EQ(numero->text(), "1234");
    frm.chkSinNro()->click();
    EXPECT_EQ(numero->text(), "");
    EXPECT_FALSE(numero->isEnabled());
    frm.chkSinNro()->click();
    EXPECT_TRUE(numero->isEnabled());
    EXPECT_EQ(numero->text(), "");
    Pulsar(frm, B::kCancelar);
    EXPECT_EQ(numero->text(), "1234");
    EXPECT_FALSE(numero->isEnabled());
    Pulsar(frm, B::kSalir);
  });
}

TEST_F(FrmDomiciliosTest, ASaveTheEngineRefusesKeepsTheTypingAndTheList) {
  const auto antes = Tabla();
  const CampoDomicilio obs = dom.Campos().Campo(campo::kObservaciones);
  // The last column a save writes is one the table lacks: the save fails
  // half way.
  const auto columna = [&](const std::string& nombre) {
    dom.Set_Campo(campo::kObservaciones, obs.TipoControlDato, nombre, obs.Longitud, true, false, "",
                  obs.Descripcion, "");
  };
  AbrirVentana([&] {
    Pulsar(frm, B::kNuevo);
    frm.optOtros()->click();
    Escribir(frm.TxtDato(campo::kCalle), "Sarmiento");
    Escribir(frm.TxtDato(campo::kLocalidad), "Jesús María");
    Escribir(frm.TxtDato(campo::kObservaciones), "Portón verde");
    columna("NoExiste");
    Pulsar(frm, B::kAceptar);
    columna(obs.NombreCampo);
    ASSERT_EQ(Textos().size(), 1u);
    EXPECT_NE(Textos()[0].find("NoExiste"), std::string::npos) << Textos()[0];
    EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbOKOnly);
    EXPECT_EQ(frm.Bot()->Estado(), 2);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Sarmiento");
    EXPECT_EQ(frm.TxtDato(campo::kObservaciones)->text(), "Portón verde");
    EXPECT_EQ(Filas(), 3);

    // The user retries once the cause is gone.
    Pulsar(frm, B::kAceptar);
    EXPECT_EQ(Filas(), 4);
    EXPECT_EQ(frm.Bot()->Estado(), 0);
    Pulsar(frm, B::kSalir);
  });
  EXPECT_EQ(Contar("Calle = 'Sarmiento' and Observaciones = 'Portón verde'"), 1);
  // The first attempt left no row behind: only the retried one is new.
  dom.CommitearCopia();
  EXPECT_EQ(Tabla().size(), antes.size() + 1);
}

TEST_F(FrmDomiciliosTest, TheLengthLimitsTypingButNeverCutsAStoredText) {
  const CampoDomicilio c = dom.Campos().Campo(campo::kCalle);
  dom.Set_Campo(campo::kCalle, c.TipoControlDato, c.NombreCampo, 5, true, true, "", c.Descripcion,
                "");
  AbrirVentana([&] {
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Av. Belgrano");
    Pulsar(frm, B::kEditar);
    Escribir(frm.TxtDato(campo::kNumero), "1240");
    Pulsar(frm, B::kAceptar);

    Pulsar(frm, B::kNuevo);
    Escribir(frm.TxtDato(campo::kCalle), "Sarmiento");
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Sarmi");
    Pulsar(frm, B::kCancelar);
    Pulsar(frm, B::kSalir);
  });
  EXPECT_EQ(Contar("CodDJ = 1 and Calle = 'Av. Belgrano' and Numero = 1240"), 1);
}

TEST_F(FrmDomiciliosTest, FailingLoadsAndDeletionsAreShownAndLeaveTheListAsItWas) {
  AbrirVentana([&] {
    // Another program removed the third address meanwhile.
    db.Execute("DELETE FROM 24Domicilios WHERE CodDomicilio = 3");
    Clic(frm, "Ruta Nacional 9");
    ASSERT_EQ(Textos().size(), 1u);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "");  // not another address's data
    EXPECT_EQ(Filas(), 3);

    Clic(frm, "Bv. San Juan");
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Bv. San Juan");
    dom.SetTabla("NoHayTabla");
    boxes->SetNextAnswer(msgbox::vbYes);
    Pulsar(frm, B::kEliminarDato);
    dom.SetTabla(SampleAddresses::kTabla);
    ASSERT_EQ(Textos().size(), 3u);
    EXPECT_NE(Textos()[2].find("NoHayTabla"), std::string::npos) << Textos()[2];
    EXPECT_EQ(Filas(), 3);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "Bv. San Juan");
    Pulsar(frm, B::kSalir);
  });
  EXPECT_EQ(Contar("CodDJ = 1 and CodDomicilio = 2"), 1);
}

TEST_F(FrmDomiciliosTest, SingleAddressModeWithTheCompactLayoutHidesTheList) {
  Configurar(SampleAddresses::kSocia);
  for (int slot : {campo::kTelefono, campo::kFax, campo::kEMail, campo::kObservaciones}) {
    Ocultar(slot);
  }
  dom.SetSoloUno(true);
  AbrirVentana([&] {
    Activar(frm);
    EXPECT_EQ(QApplication::focusWidget(), frm.TxtDato(campo::kCalle));
    EXPECT_FALSE(frm.LstDomicilios()->isVisibleTo(&frm));
    EXPECT_EQ(frm.fraDatos()->geometry(), Lugar(QRect(120, 100, 6435, 3075)));
    EXPECT_EQ(frm.height(), Twips::ToPixelsY(3675 - FrmDomicilios::kMarcoVentana, frm));
    EXPECT_EQ(frm.Bot()->Estado(), 2);
    EXPECT_EQ(frm.TxtDato(campo::kCalle)->text(), "O'Higgins");
    Escribir(frm.TxtDato(campo::kNumero), "5530");
    Pulsar(frm, B::kAceptar);  // saves, then closes
  });
  EXPECT_FALSE(frm.isVisible());
  EXPECT_EQ(Contar("Calle = 'O''Higgins' and Numero = 5530 and CodDueno = 2"), 1);
}
