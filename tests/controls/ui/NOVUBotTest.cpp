// The button bar's widget under simulated input (its rules are
// NOVUBotModelTest's): its buttons placed from the twips, their icons and
// events, and the keys of its window.
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

// A bar offering Migrar and Salir beside a line edit, where a form's
// operator types.
class NOVUBotWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    PropertyStore stored;
    stored.Write("migrar", true);
    stored.Write("salir", true);
    stored.Write("stretch", false);
    window.resize(400, 400);
    bot = new NOVUBot(stored, &window);
    bot->Move(4440, 0, 1500, 4335);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void Press(QWidget* w, Qt::Key key) {
    w->setFocus();
    QTest::keyClick(w, key);
  }

  QWidget window;
  QLineEdit* edit = new QLineEdit(&window);
  NOVUBot* bot = nullptr;
};

}  // namespace

TEST(NOVUBot, EveryButtonHasItsDrawing) {
  for (const auto& info : M::Botones()) EXPECT_TRUE(ControlIcons::Exists(info.icono)) << info.icono;
}

TEST_F(NOVUBotWidget, PlacesItsButtonsFromTheTwipsWithTheWidthForcedTo800) {
  EXPECT_EQ(bot->WidthTwips(), 800);
  EXPECT_EQ(bot->width(), Twips::ToPixelsX(800, *bot));
  QToolButton* migrar = bot->cmdBtn(28);
  EXPECT_TRUE(migrar->isVisible());
  EXPECT_FALSE(bot->cmdBtn(1)->isVisible());
  EXPECT_EQ(migrar->geometry(), Twips::ToPixels(QRect(80, 80, 555, 555), *bot));
  EXPECT_FALSE(migrar->icon().isNull());
  EXPECT_EQ(bot->Img()->geometry(), bot->rect());
  bot->HacerOperacion(M::kOpTooltip, M::kMigrar, "Realizar la operación seleccionada");
  EXPECT_EQ(migrar->toolTip(), "Realizar la operación seleccionada");
  EXPECT_EQ(migrar->accessibleName(), "Realizar la operación seleccionada");

  // The picture behind the buttons, then none.
  QPixmap background(8, 8);
  background.fill(Qt::blue);
  bot->SetImage(QtPicture::From(background));
  EXPECT_EQ(bot->Img()->pixmap().toImage().pixelColor(4, 4), QColor(Qt::blue));
  bot->SetImage(nullptr);
  EXPECT_TRUE(bot->Img()->pixmap().isNull());
}

// Each press raises the event of its own row and no other, so that 22
// presses raising 22 events leave every spy at one. Clicks do too, on a
// button and on the picture, unless the bar is disabled.
TEST_F(NOVUBotWidget, EveryButtonRaisesItsOwnEventUnlessTheBarIsDisabled) {
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (const auto& info : M::Botones()) {
    spies.push_back(
        std::make_unique<QSignalSpy>(bot, ("2" + std::string(info.evento) + "()").c_str()));
    ASSERT_TRUE(spies.back()->isValid()) << info.evento;
  }
  for (size_t k = 0; k < M::Botones().size(); ++k) {
    bot->HacerOperacion(M::kOpPulsar, M::Botones()[k].indice);
    EXPECT_EQ(spies[k]->count(), 1) << M::Botones()[k].evento;
  }
  for (const auto& spy : spies) EXPECT_EQ(spy->count(), 1);

  QSignalSpy migrar(bot, &NOVUBot::BotonMigrar);
  QSignalSpy picture(bot, &NOVUBot::ClickImagen);
  QTest::mouseClick(bot->cmdBtn(28), Qt::LeftButton);
  QTest::mouseClick(bot->Img(), Qt::LeftButton, {}, QPoint(2, bot->Img()->height() - 2));
  EXPECT_EQ(migrar.count(), 1);
  EXPECT_EQ(picture.count(), 1);
  bot->SetEnabled(false);
  QTest::mouseClick(bot->cmdBtn(28), Qt::LeftButton);
  EXPECT_EQ(migrar.count(), 1);
}

// Enter reaches a focused bar button by its key press when no default
// button claims it, and by the window's keys otherwise.
TEST_F(NOVUBotWidget, EnterAndEscapePressTheShownDefaultAndCancelButtons) {
  QSignalSpy aceptar(bot, &NOVUBot::BotonAceptar);
  QSignalSpy cancelar(bot, &NOVUBot::BotonCancelar);
  QSignalSpy migrar(bot, &NOVUBot::BotonMigrar);
  QSignalSpy sent(edit, &QLineEdit::returnPressed);
  Press(edit, Qt::Key_Return);  // no default button yet: the key is the form's
  EXPECT_EQ(sent.count(), 1);
  Press(bot->cmdBtn(28), Qt::Key_Return);
  EXPECT_EQ(migrar.count(), 1);

  bot->SetBot_Editar(true);  // offers the pair
  bot->SetEstado(2);
  Press(edit, Qt::Key_Enter);
  Press(edit, Qt::Key_Escape);
  EXPECT_EQ(aceptar.count(), 1);
  EXPECT_EQ(cancelar.count(), 1);
  Press(bot->cmdBtn(20), Qt::Key_Return);
  EXPECT_EQ(aceptar.count(), 1);
  EXPECT_EQ(cancelar.count(), 2);
  EXPECT_EQ(sent.count(), 1);
}
