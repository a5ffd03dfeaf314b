// The address control on Qt, offscreen, on the sample data, on a host
// form: its two children placed in twips by the resize rule, the button's
// caption and tooltip, the summary; and one owner's addresses end to end
// on real widgets: the button opens the editor window, the user adds
// addresses with accents and an apostrophe, a fiscal one in a chosen
// province among them, deletes one after confirming, and the summary follows.
// The editor's rules are FrmDomiciliosModelTest's, the undo
// UcnDomModelTest's. With REMENDOR_ADDRESS_SHOTS set to a folder, the
// host form is saved there as a picture.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include "address/EditorFixture.h"
#include "address/ui/EditorQt.h"
#include "address/ui/UcnDom.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/Twips.h"

namespace {

using namespace editor_qt;
using B = NOVUBotModel;

class UcnDomTest : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    auto* name = new QLabel(QString::fromUtf8("CONSTRUCCIONES DEL PLATA S.A."), &host);
    name->setGeometry(Twips::ToPixels(QRect(120, 120, 4000, 300), host));
    control = new UcnDom(&host);
    host.resize(Twips::ToPixels(QRect(0, 0, 5440, 1560), host).size());
  }
  void TearDown() override {
    control->Modelo().SetDb(dao::Database());
    EditorFixture::TearDown();
  }
  // Each opening gets a fresh window, and the test's user acts in it.
  void OpenRealEditors() {
    control->SetFabricaEditor([this](QWidget* parent) {
      auto editor = std::make_unique<FrmDomicilios>(parent);
      FrmDomicilios* v = editor.get();
      WhenShown(*v, [this, v] { user(*v); });
      return editor;
    });
  }
  void ChooseProvince(FrmDomicilios& v, const char* text) {
    QComboBox* combo = v.CboProvincia()->CboDatos();
    combo->setCurrentIndex(combo->findText(QString::fromUtf8(text)));
  }
  void Fill(FrmDomicilios& v, const char* street, const char* number, const char* town) {
    Type(v.TxtDato(campo::kCalle), QString::fromUtf8(street));
    Type(v.TxtDato(campo::kNumero), QString::fromUtf8(number));
    Type(v.TxtDato(campo::kLocalidad), QString::fromUtf8(town));
  }

  QWidget host;
  UcnDom* control = nullptr;
  std::function<void(FrmDomicilios&)> user;
};

}  // namespace

TEST_F(UcnDomTest, ChildrenFollowTheResizeRuleAndTheSummaryShows) {
  EXPECT_EQ(control->cmd().text(), "...");
  EXPECT_EQ(control->cmd().toolTip(), "Modificar Domicilio");
  EXPECT_FALSE(control->cmd().isEnabled());  // no editor to open yet
  EXPECT_TRUE(control->txt().isReadOnly());
  control->Move(0, 0, 4000, 500);
  EXPECT_EQ(control->cmd().geometry(), Twips::ToPixels(QRect(3665, 0, 315, 285), *control));
  EXPECT_EQ(control->txt().geometry(), Twips::ToPixels(QRect(0, 0, 4645, 320), *control));
  control->Move(0, 0, 4000, 300);
  EXPECT_TRUE(control->txt().isHidden());

  control->Move(120, 480, 5200, 960);
  EXPECT_EQ(control->txt().geometry(), Twips::ToPixels(QRect(0, 0, 4845, 960), *control));
  control->SetFabricaEditor(
      [](QWidget*) { return std::make_unique<RecordingFrmDomiciliosView>(); });
  Configure(control->Modelo(), SampleAddresses::kEmpresa);
  control->Modelo().Refrescar();
  host.show();
  EXPECT_EQ(control->txt().toPlainText().toStdString(),
            "Av. Belgrano 1234, Córdoba\nBv. San Juan 850, Córdoba\nRuta Nacional 9 , Villa "
            "María");
  EXPECT_TRUE(control->cmd().isEnabled());
  Snapshot(host, "control-domicilios.png");
}

TEST_F(UcnDomTest, TheButtonOpensTheEditorAndTheSummaryFollowsItsSession) {
  UcnDomModel& m = control->Modelo();
  Configure(m, SampleAddresses::kSinDomicilios);
  control->Move(120, 480, 5200, 960);
  OpenRealEditors();
  host.show();
  m.Refrescar();
  EXPECT_EQ(control->txt().toPlainText(), "");
  user = [&](FrmDomicilios& v) {
    EXPECT_EQ(v.Bot()->Estado(), 1);  // nothing to browse
    Press(v, B::kNuevo);
    Fill(v, "Pasaje O'Brien", "120", "San Martín de los Andes");
    ChooseProvince(v, "Neuquén");
    v.optFiscal()->click();
    Press(v, B::kAceptar);
    Press(v, B::kNuevo);
    Fill(v, "Güemes", "7", "Ñorquinco");
    v.optOtros()->click();
    Press(v, B::kAceptar);
    EXPECT_EQ(v.LstDomicilios()->GetCantFilas(), 2);
    ClickRow(v, "Güemes");
    boxes->SetNextAnswer(msgbox::vbYes);
    Press(v, B::kEliminarDato);
    boxes->SetNextAnswer(msgbox::vbNo);
    Press(v, B::kEliminarTodos);  // the user thinks better of it
    EXPECT_EQ(v.LstDomicilios()->GetCantFilas(), 1);
    Press(v, B::kSalir);
  };
  QSignalSpy beforeOpening(control, &UcnDom::AntesDeAbrir);
  QTest::mouseClick(&control->cmd(), Qt::LeftButton);
  EXPECT_EQ(beforeOpening.count(), 1);
  EXPECT_TRUE(m.HayDomicilio());
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{FrmDomiciliosModel::kConfirmaUno,
                                                  FrmDomiciliosModel::kConfirmaTodos}));
  EXPECT_EQ(control->txt().toPlainText(), "Pasaje O'Brien 120, San Martín de los Andes");
  // A second opening gets a window of its own, loaded anew.
  user = [&](FrmDomicilios& v) {
    EXPECT_EQ(v.LstDomicilios()->GetCantFilas(), 1);
    Press(v, B::kSalir);
  };
  control->cmd().click();
  EXPECT_EQ(beforeOpening.count(), 2);
  EXPECT_EQ(Count("Cuit = '30654321098' and CodDJ = 2 and CodDueno = 3 and Fiscal = 1 and "
                  "Provincia = 20 and Calle = 'Pasaje O''Brien' and Numero = 120"),
            1);
}
