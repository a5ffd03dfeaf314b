// The numeric box under real key presses: typing, pasting, the maximum,
// leaving the box, KeyDown, the locked box and the height rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "controls/ui/Twips.h"
#include "controls/ui/ucnXCurrency.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"

namespace {

const std::string kDemasiado = "El número ingresado supera el máximo permitido ";

class ucnXCurrencyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* capa = new QVBoxLayout(&ventana);
    importe = new ucnXCurrency(&ventana);
    otro = new QLineEdit(&ventana);
    capa->addWidget(importe);
    capa->addWidget(otro);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    // The box had the focus as the window opened; the tests enter it.
    Salir();
  }
  void Entrar() {
    importe->txt()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(importe->txt()->hasFocus());
  }
  void Salir() {
    otro->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  std::string Texto() const { return importe->txt()->text().toStdString(); }
  std::vector<std::string> Mensajes() {
    std::vector<std::string> textos;
    for (const auto& m : cajas->Boxes()) textos.push_back(m.text);
    cajas->Clear();
    return textos;
  }

  // First in, last out: the window's last messages still go to it.
  ScopedService<RecordingMessageBox> cajas;
  QWidget ventana;
  ucnXCurrency* importe = nullptr;
  QLineEdit* otro = nullptr;
};

}  // namespace

// The keys reach the filter (which the model's tests go through), "." is
// typed as the decimal separator, a paste is the box's own and still goes
// through the change handling, and leaving formats the value.
TEST_F(ucnXCurrencyTest, KeysAndPastesGoThroughTheRulesAndLeavingGroupsTheValue) {
  EXPECT_EQ(Texto(), "0,00");
  QSignalSpy cambios(importe, &ucnXCurrency::Change);
  Entrar();
  EXPECT_EQ(importe->txt()->selectedText(), "0,00");
  QTest::keyClicks(importe->txt(), "1234567.x.891");
  EXPECT_EQ(Texto(), "1234567,89");
  // 1, 12, ... 1234567, then ",8" and ",9"; "1234567," is the same value.
  EXPECT_EQ(cambios.count(), 9);
  QTest::keyClick(importe->txt(), Qt::Key_Backspace);
  EXPECT_EQ(Texto(), "1234567,8");
  Salir();
  EXPECT_EQ(Texto(), "1.234.567,80");
  EXPECT_EQ(importe->Text(), Variant::FromCurrency(12345678000));

  Entrar();
  QApplication::clipboard()->setText("$ 20a");
  QTest::keyClick(importe->txt(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Texto(), "20,00");
  EXPECT_TRUE(Mensajes().empty());
}

TEST_F(ucnXCurrencyTest, TypingPastNroMaxIsRefusedAndLeavingWithTooMuchKeepsTheFocus) {
  importe->SetNroMax(Variant(1000.0));
  Entrar();
  QTest::keyClicks(importe->txt(), "10000");
  EXPECT_EQ(Texto(), "1000");
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kDemasiado + "1000"});

  importe->txt()->selectAll();
  QApplication::clipboard()->setText("2500");
  QTest::keyClick(importe->txt(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Texto(), "2500");
  EXPECT_EQ(Mensajes(), std::vector<std::string>{kDemasiado + "1000"});
  Salir();
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Dato incorrecto."});
  EXPECT_TRUE(importe->txt()->hasFocus());
  EXPECT_EQ(Texto(), "2500");

  QTest::keyClick(importe->txt(), Qt::Key_Backspace);  // all selected again
  QTest::keyClicks(importe->txt(), "999,5");
  Salir();
  EXPECT_TRUE(otro->hasFocus());
  EXPECT_EQ(Texto(), "999,50");
}

TEST_F(ucnXCurrencyTest, KeyDownSeesEveryKeyAndCanTakeItAway) {
  std::vector<int> codigos;
  QObject::connect(importe, &ucnXCurrency::KeyDown, importe, [&](int16_t& KeyCode, int16_t& Shift) {
    codigos.push_back(KeyCode * 10 + Shift);
    if (KeyCode == '5') KeyCode = 0;
  });
  Entrar();
  QTest::keyClicks(importe->txt(), "152");
  QTest::keyClick(importe->txt(), Qt::Key_Delete);
  QTest::keyClick(importe->txt(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(Texto(), "12");
  // Shift's own key-down comes before the A.
  EXPECT_EQ(codigos, (std::vector<int>{490, 530, 500, 460, 161, 651}));
}

TEST_F(ucnXCurrencyTest, DisabledBoxIsLockedAndTheControlIsOneBoxHigh) {
  importe->SetEnabled(false);
  EXPECT_TRUE(importe->txt()->isReadOnly());
  EXPECT_TRUE(importe->txt()->isEnabled());
  EXPECT_EQ(importe->txt()->palette().color(QPalette::Base),
            importe->palette().color(QPalette::Button));
  importe->SetNroMax(Variant(5.0));
  Entrar();
  QTest::keyClicks(importe->txt(), "79");
  EXPECT_EQ(Texto(), "0,00");
  EXPECT_TRUE(Mensajes().empty());
  importe->SetEnabled(true);
  EXPECT_FALSE(importe->txt()->isReadOnly());

  importe->Move(0, 0, 3000, 2000);
  EXPECT_EQ(importe->txt()->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(importe->height(), importe->txt()->height());
  EXPECT_EQ(importe->txt()->width(), Twips::ToPixelsX(3000, *importe));
}
