// The address control on Qt, offscreen, on the sample data: its two
// children placed in twips by the resize rule, the button's caption and
// tooltip, and the summary on a host form (a whole session through the
// button is OneOwnersAddressesTest's). With REMENDOR_ADDRESS_SHOTS set to
// a folder, the host form is saved there as a picture.
#include <gtest/gtest.h>

#include <QLabel>

#include "address/EditorFixture.h"
#include "address/ui/EditorQt.h"
#include "address/ui/UcnDom.h"
#include "controls/ui/Twips.h"

namespace {

class UcnDomTest : public EditorFixture {};

}  // namespace

TEST_F(UcnDomTest, ChildrenFollowTheResizeRuleAndTheSummaryShowsOnAHostForm) {
  QWidget host;
  UcnDom* control = new UcnDom(&host);
  EXPECT_EQ(control->cmd().text(), "...");
  EXPECT_EQ(control->cmd().toolTip(), "Modificar Domicilio");
  EXPECT_FALSE(control->cmd().isEnabled());  // no editor to open yet
  EXPECT_TRUE(control->txt().isReadOnly());
  control->Move(0, 0, 4000, 500);
  EXPECT_EQ(control->cmd().geometry(), Twips::ToPixels(QRect(3665, 0, 315, 285), *control));
  EXPECT_EQ(control->txt().geometry(), Twips::ToPixels(QRect(0, 0, 4645, 320), *control));
  control->Move(0, 0, 4000, 300);
  EXPECT_TRUE(control->txt().isHidden());

  QLabel nombre(QString::fromUtf8("CONSTRUCCIONES DEL PLATA S.A."), &host);
  nombre.setGeometry(Twips::ToPixels(QRect(120, 120, 4000, 300), host));
  control->Move(120, 480, 5200, 960);
  EXPECT_EQ(control->txt().geometry(), Twips::ToPixels(QRect(0, 0, 4845, 960), *control));
  control->SetFabricaEditor(
      [](QWidget*) { return std::make_unique<RecordingFrmDomiciliosView>(); });
  Configurar(control->Modelo(), SampleAddresses::kEmpresa);
  control->Modelo().Refrescar();
  host.resize(Twips::ToPixels(QRect(0, 0, 5440, 1560), host).size());
  host.show();
  EXPECT_EQ(control->txt().toPlainText().toStdString(),
            "Av. Belgrano 1234, Córdoba\nBv. San Juan 850, Córdoba\nRuta Nacional 9 , Villa "
            "María");
  EXPECT_TRUE(control->cmd().isEnabled());
  editor_qt::Foto(host, "control-domicilios.png");
  control->Modelo().SetDb(dao::Database());
}
