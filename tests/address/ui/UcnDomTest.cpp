// The address control on Qt, offscreen, on the sample data: its two
// children placed in twips by the resize rule, the button's caption and
// tooltip, and a whole session through the button: the editor opened on
// an owner, an address added, a second fiscal one refused, an edit, a
// confirmed deletion, the summary, and ResetearCopia bringing it back.
// With REMENDOR_ADDRESS_SHOTS set to a folder, the host form is saved
// there as a picture.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <cstdlib>

#include "address/EditorFixture.h"
#include "address/ui/UcnDom.h"
#include "controls/ui/Twips.h"

namespace {

using D = SampleAddresses;

class UcnDomTest : public EditorFixture {
 protected:
  void TearDown() override {
    control.Modelo().SetDb(dao::Database());
    EditorFixture::TearDown();
  }

  UcnDom control;
};

}  // namespace

TEST_F(UcnDomTest, TheSummaryBoxAndTheButtonFollowTheResizeRule) {
  EXPECT_EQ(control.cmd().text(), "...");
  EXPECT_EQ(control.cmd().toolTip(), "Modificar Domicilio");
  EXPECT_FALSE(control.cmd().isEnabled());  // no editor to open yet
  EXPECT_TRUE(control.txt().isReadOnly());

  control.Move(0, 0, 4000, 960);
  EXPECT_EQ(control.cmd().geometry(), Twips::ToPixels(QRect(3665, 0, 315, 285), control));
  EXPECT_EQ(control.txt().geometry(), Twips::ToPixels(QRect(0, 0, 3645, 960), control));
  control.Move(0, 0, 4000, 500);
  EXPECT_EQ(control.txt().geometry(), Twips::ToPixels(QRect(0, 0, 4645, 320), control));
  control.Move(0, 0, 4000, 300);
  EXPECT_TRUE(control.txt().isHidden());
}

TEST_F(UcnDomTest, ASessionThroughTheButtonAndItsUndo) {
  UcnDomModel& m = control.Modelo();
  Configurar(m, D::kSinDomicilios);
  m.Refrescar();
  const QString antes = control.txt().toPlainText();
  EXPECT_EQ(antes, "");

  boxes->SetNextAnswer(msgbox::vbYes);
  std::vector<std::string> visto;
  control.SetFabricaEditor([&](QWidget*) {
    auto v = std::make_unique<RecordingFrmDomiciliosView>();
    RecordingFrmDomiciliosView* w = v.get();
    w->usuario = [&, w](FrmDomiciliosModel& frm) {
      frm.Bot_BotonNuevo();
      w->Escribir(campo::kCalle, "Pasaje O'Brien");
      w->Escribir(campo::kNumero, "120");
      w->Escribir(campo::kLocalidad, "San Martín de los Andes");
      w->SeleccionarProvincia("20");
      w->SetFiscal(true);
      frm.Bot_BotonAceptar();

      frm.Bot_BotonNuevo();
      w->Escribir(campo::kCalle, "Güemes");
      w->Escribir(campo::kNumero, "7");
      w->Escribir(campo::kLocalidad, "Neuquén");
      w->SetFiscal(true);
      frm.Bot_BotonAceptar();  // refused: a fiscal one exists
      w->SetFiscal(false);
      frm.Bot_BotonAceptar();

      frm.LstDomicilios_ItemClick(0);
      frm.Bot_BotonEditar();
      w->Escribir(campo::kNumero, "125");
      frm.Bot_BotonAceptar();

      frm.LstDomicilios_ItemClick(1);
      frm.Bot_BotonEliminarDato();
      for (const auto& e : w->lista) visto.push_back(e.Texto + " " + e.Numero);
      frm.Bot_BotonSalir();
    };
    return v;
  });
  QSignalSpy antesDeAbrir(&control, &UcnDom::AntesDeAbrir);
  control.cmd().click();

  EXPECT_EQ(antesDeAbrir.count(), 1);
  EXPECT_EQ(visto, (std::vector<std::string>{"Pasaje O'Brien 125"}));
  std::vector<std::string> textos = Textos();
  EXPECT_EQ(textos, (std::vector<std::string>{AddressRecords::kYaHayFiscal,
                                              FrmDomiciliosModel::kConfirmaUno}));
  EXPECT_EQ(control.txt().toPlainText(), "Pasaje O'Brien 125, San Martín de los Andes");
  EXPECT_TRUE(m.HayDomicilio());
  EXPECT_EQ(Contar("Cuit = '30654321098' and CodDJ = 2 and CodDueno = 3 and Fiscal = 1 and "
                   "Provincia = 20"),
            1);

  m.ResetearCopia();
  m.Refrescar();
  EXPECT_EQ(control.txt().toPlainText(), antes);
  EXPECT_FALSE(m.HayDomicilio());
}

TEST_F(UcnDomTest, AHostFormShowsTheOwnersAddresses) {
  QWidget host;
  host.setWindowTitle(QString::fromUtf8("Titular"));
  QLabel nombre(QString::fromUtf8("CONSTRUCCIONES DEL PLATA S.A."), &host);
  nombre.setGeometry(Twips::ToPixels(QRect(120, 120, 4000, 300), host));
  UcnDom* dom = new UcnDom(&host);
  dom->Move(120, 480, 5200, 960);
  dom->SetFabricaEditor([](QWidget*) { return std::make_unique<RecordingFrmDomiciliosView>(); });
  Configurar(dom->Modelo(), D::kEmpresa);
  dom->Modelo().Refrescar();
  host.resize(Twips::ToPixels(QRect(0, 0, 5440, 1560), host).size());
  host.show();
  EXPECT_EQ(dom->txt().toPlainText().toStdString(),
            "Av. Belgrano 1234, Córdoba\nBv. San Juan 850, Córdoba\nRuta Nacional 9 , Villa "
            "María");
  EXPECT_TRUE(dom->cmd().isEnabled());
  if (const char* carpeta = std::getenv("REMENDOR_ADDRESS_SHOTS")) {
    host.grab().save(QString::fromLocal8Bit(carpeta) + "/control-domicilios.png");
  }
  dom->Modelo().SetDb(dao::Database());
}
