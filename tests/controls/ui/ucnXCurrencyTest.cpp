// The numeric box under real key presses (its rules are
// ucnXCurrencyModelTest's): keys, pastes and leaving reach the model,
// the focus stays when the model asks, KeyDown, the locked box and the
// height rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "controls/ui/Twips.h"
#include "controls/ui/ucnXCurrency.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"

namespace {

class ucnXCurrencyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(amount);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    FocusOut();  // the box had the focus as the window opened; the tests enter it
  }
  void FocusIn() {
    amount->txt()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(amount->txt()->hasFocus());
  }
  void FocusOut() {
    other->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  void Paste(const char* text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(amount->txt(), Qt::Key_V, Qt::ControlModifier);
  }
  std::string Text() const { return amount->txt()->text().toStdString(); }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& m : boxes->Boxes()) texts.push_back(m.text);
    boxes->Clear();
    return texts;
  }

  // First in, last out: the window's last messages still go to it.
  ScopedService<RecordingMessageBox> boxes;
  QWidget window;
  ucnXCurrency* amount = new ucnXCurrency(&window);
  QLineEdit* other = new QLineEdit(&window);
};

}  // namespace

// "." is typed as the decimal separator, a paste is the box's own and
// still goes through the change handling, leaving formats the value, and
// a value too large keeps the focus in the box.
TEST_F(ucnXCurrencyTest, KeysPastesAndLeavingGoThroughTheRules) {
  EXPECT_EQ(Text(), "0,00");
  QSignalSpy changes(amount, &ucnXCurrency::Change);
  FocusIn();
  EXPECT_EQ(amount->txt()->selectedText(), "0,00");
  QTest::keyClicks(amount->txt(), "1234567.x.891");
  EXPECT_EQ(Text(), "1234567,89");
  // 1, 12, ... 1234567, then ",8" and ",9"; "1234567," is the same value.
  EXPECT_EQ(changes.count(), 9);
  QTest::keyClick(amount->txt(), Qt::Key_Backspace);
  FocusOut();
  EXPECT_EQ(Text(), "1.234.567,80");
  EXPECT_EQ(amount->Text(), Variant::FromCurrency(12345678000));

  FocusIn();
  Paste("$ 20a");
  EXPECT_EQ(Text(), "20,00");
  EXPECT_TRUE(Messages().empty());
  amount->SetNroMax(Variant(1000.0));
  amount->txt()->selectAll();
  Paste("2500");
  EXPECT_EQ(Messages(),
            std::vector<std::string>{"El número ingresado supera el máximo permitido 1000"});
  FocusOut();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Dato incorrecto."});
  EXPECT_TRUE(amount->txt()->hasFocus());
  QTest::keyClick(amount->txt(), Qt::Key_Backspace);  // all selected again
  QTest::keyClicks(amount->txt(), "999,5");
  FocusOut();
  EXPECT_TRUE(other->hasFocus());
  EXPECT_EQ(Text(), "999,50");
}

TEST_F(ucnXCurrencyTest, KeyDownSeesEveryKeyAndCanTakeItAway) {
  std::vector<int> codes;
  QObject::connect(amount, &ucnXCurrency::KeyDown, amount, [&](int16_t& KeyCode, int16_t& Shift) {
    codes.push_back(KeyCode * 10 + Shift);
    if (KeyCode == '5') KeyCode = 0;
  });
  FocusIn();
  QTest::keyClicks(amount->txt(), "152");
  QTest::keyClick(amount->txt(), Qt::Key_Delete);
  QTest::keyClick(amount->txt(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(Text(), "12");
  // Shift's own key-down comes before the A.
  EXPECT_EQ(codes, (std::vector<int>{490, 530, 500, 460, 161, 651}));
}

TEST_F(ucnXCurrencyTest, DisabledBoxIsLockedAndTheControlIsOneBoxHigh) {
  amount->SetEnabled(false);
  EXPECT_TRUE(amount->txt()->isReadOnly());
  EXPECT_TRUE(amount->txt()->isEnabled());
  EXPECT_EQ(amount->txt()->palette().color(QPalette::Base),
            amount->palette().color(QPalette::Button));
  FocusIn();
  QTest::keyClicks(amount->txt(), "79");
  EXPECT_EQ(Text(), "0,00");
  amount->SetEnabled(true);
  EXPECT_FALSE(amount->txt()->isReadOnly());

  amount->Move(0, 0, 3000, 2000);
  EXPECT_EQ(amount->txt()->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(amount->height(), amount->txt()->height());
  EXPECT_EQ(amount->txt()->width(), Twips::ToPixelsX(3000, *amount));
}
