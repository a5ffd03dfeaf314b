// The button bar's widget under simulated input: its buttons placed from
// the twips, their icons and events, and the keys of its window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "controls/NOVUBotModel.h"
#include "controls/ui/ControlIcons.h"
#include "controls/ui/NOVUBot.h"
#include "controls/ui/Twips.h"
#include "graphics/ui/QtPicture.h"

namespace {

using M = NOVUBotModel;

class NOVUBotWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    PropertyStore ajustes;
    ajustes.Write("migrar", true);
    ajustes.Write("salir", true);
    ajustes.Write("stretch", false);
    ventana.resize(400, 400);
    texto = new QLineEdit(&ventana);  // where a form's operator types
    bot = new NOVUBot(ajustes, &ventana);
    bot->Move(4440, 0, 1500, 4335);
    ventana.show();
    QApplication::setActiveWindow(&ventana);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
  }

  QWidget ventana;
  QLineEdit* texto = nullptr;
  NOVUBot* bot = nullptr;
};

}  // namespace

TEST(NOVUBot, EveryButtonHasItsDrawing) {
  for (const auto& info : M::Botones()) {
    EXPECT_TRUE(ControlIcons::Exists(info.icono)) << info.icono;
  }
}

TEST_F(NOVUBotWidget, PlacesItsButtonsFromTheTwipsWithTheWidthForcedTo800) {
  EXPECT_EQ(bot->WidthTwips(), 800);
  EXPECT_EQ(bot->width(), Twips::ToPixelsX(800, *bot));
  QToolButton* migrar = bot->cmdBtn(28);
  EXPECT_TRUE(migrar->isVisible());
  EXPECT_FALSE(bot->cmdBtn(1)->isVisible());
  EXPECT_EQ(migrar->geometry(), Twips::ToPixels(QRect(80, 80, 555, 555), *bot));
  EXPECT_EQ(migrar->accessibleName(), "Iniciar la migración");
  EXPECT_FALSE(migrar->icon().isNull());
  EXPECT_EQ(bot->Img()->geometry(), bot->rect());

  bot->HacerOperacion(M::kOpTooltip, M::kMigrar, "Realizar la operación seleccionada");
  EXPECT_EQ(migrar->toolTip(), "Realizar la operación seleccionada");
  EXPECT_EQ(migrar->accessibleName(), "Realizar la operación seleccionada");

  // The picture behind the buttons, then none.
  QPixmap fondo(8, 8);
  fondo.fill(Qt::blue);
  bot->SetImage(QtPicture::From(fondo));
  EXPECT_EQ(bot->Img()->pixmap().toImage().pixelColor(4, 4), QColor(Qt::blue));
  EXPECT_TRUE(bot->Propiedades().IsChanged("Image"));
  bot->SetImage(nullptr);
  EXPECT_TRUE(bot->Img()->pixmap().isNull());
}

TEST_F(NOVUBotWidget, ClicksRaiseTheButtonsEventsUnlessTheBarIsDisabled) {
  QSignalSpy migrar(bot, &NOVUBot::BotonMigrar);
  QSignalSpy salir(bot, &NOVUBot::BotonSalir);
  QSignalSpy imagen(bot, &NOVUBot::ClickImagen);
  QTest::mouseClick(bot->cmdBtn(28), Qt::LeftButton);
  QTest::mouseClick(bot->Img(), Qt::LeftButton, {}, QPoint(2, bot->Img()->height() - 2));
  EXPECT_EQ(migrar.count(), 1);
  EXPECT_EQ(salir.count(), 0);
  EXPECT_EQ(imagen.count(), 1);

  bot->SetEnabled(false);
  QTest::mouseClick(bot->cmdBtn(28), Qt::LeftButton);
  EXPECT_EQ(migrar.count(), 1);
  EXPECT_TRUE(bot->Propiedades().IsChanged("Enabled"));
}

// Each press raises the event of its own row and no other, so that 22
// presses raising 22 events leave every spy at one.
TEST_F(NOVUBotWidget, EveryButtonRaisesItsOwnEvent) {
  std::vector<std::unique_ptr<QSignalSpy>> espias;
  for (const auto& info : M::Botones()) {
    espias.push_back(
        std::make_unique<QSignalSpy>(bot, ("2" + std::string(info.evento) + "()").c_str()));
    ASSERT_TRUE(espias.back()->isValid()) << info.evento;
  }
  for (size_t k = 0; k < M::Botones().size(); ++k) {
    bot->HacerOperacion(M::kOpPulsar, M::Botones()[k].indice);
    EXPECT_EQ(espias[k]->count(), 1) << M::Botones()[k].evento;
  }
  for (const auto& espia : espias) EXPECT_EQ(espia->count(), 1);
}

TEST_F(NOVUBotWidget, EnterAndEscapePressTheShownDefaultAndCancelButtons) {
  QSignalSpy aceptar(bot, &NOVUBot::BotonAceptar);
  QSignalSpy cancelar(bot, &NOVUBot::BotonCancelar);
  QSignalSpy nuevo(bot, &NOVUBot::BotonNuevo);
  QSignalSpy enviado(texto, &QLineEdit::returnPressed);
  texto->setFocus();
  QTest::keyClick(texto, Qt::Key_Return);  // no default button yet: the key is the form's
  EXPECT_EQ(aceptar.count() + nuevo.count(), 0);
  EXPECT_EQ(enviado.count(), 1);
  // But a focused bar button takes Enter, as a command button does.
  QSignalSpy migrar(bot, &NOVUBot::BotonMigrar);
  bot->cmdBtn(28)->setFocus();
  QTest::keyClick(bot->cmdBtn(28), Qt::Key_Return);
  EXPECT_EQ(migrar.count(), 1);
  EXPECT_EQ(enviado.count(), 1);

  bot->SetBot_Editar(true);  // offers the pair
  bot->SetEstado(2);
  texto->setFocus();
  QTest::keyClick(texto, Qt::Key_Return);
  QTest::keyClick(texto, Qt::Key_Escape);
  EXPECT_EQ(aceptar.count(), 1);
  EXPECT_EQ(cancelar.count(), 1);
  // A bar button with the focus takes Enter itself.
  bot->cmdBtn(20)->setFocus();
  QTest::keyClick(bot->cmdBtn(20), Qt::Key_Return);
  EXPECT_EQ(aceptar.count(), 1);
  EXPECT_EQ(cancelar.count(), 2);

  bot->SetBot_Nuevo(true);
  bot->SetEstado(0);
  texto->setFocus();
  QTest::keyClick(texto, Qt::Key_Enter);
  EXPECT_EQ(nuevo.count(), 1);
}
