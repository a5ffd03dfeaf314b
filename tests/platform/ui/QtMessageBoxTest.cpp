// The windowed program's message boxes: the dialog each style builds, the
// answer each button gives, and answering ahead without a screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <utility>

#include "platform/MessageBoxService.h"
#include "platform/ScopedService.h"
#include "platform/ui/QtMessageBox.h"

using namespace msgbox;

TEST(QtMessageBox, PlainBoxIsOkOnlyWithoutIconUnderTheProgramsTitle) {
  auto box = QtMessageBox::Build("No se encuentra <novuPath.sys>", vbOKOnly, kAppTitle);
  EXPECT_EQ(box->windowTitle(), "Remendor");
  EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
  EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text(), "No se encuentra <novuPath.sys>");
  EXPECT_EQ(QtMessageBox::Build("x", vbOKOnly, "")->windowTitle(), "Remendor");
}

TEST(QtMessageBox, StylesGiveTheirButtonsIconDefaultAndAnswers) {
  auto box = QtMessageBox::Build("¿Continuar?", vbYesNo + vbCritical + vbDefaultButton2, "Título");
  EXPECT_EQ(box->windowTitle(), "Título");
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
  box->button(QMessageBox::Yes)->click();
  EXPECT_EQ(QtMessageBox::AnswerOf(*box, vbYesNo), vbYes);

  auto ari = QtMessageBox::Build("x", vbAbortRetryIgnore + vbExclamation + vbDefaultButton3, "");
  EXPECT_EQ(ari->icon(), QMessageBox::Warning);
  EXPECT_EQ(static_cast<QAbstractButton*>(ari->defaultButton()), ari->button(QMessageBox::Ignore));
  ari->button(QMessageBox::Retry)->click();
  EXPECT_EQ(QtMessageBox::AnswerOf(*ari, vbAbortRetryIgnore), vbRetry);

  // A default past the last button falls back to the first.
  auto okCancel = QtMessageBox::Build("x", vbOKCancel + vbInformation + vbDefaultButton3, "");
  EXPECT_EQ(static_cast<QAbstractButton*>(okCancel->defaultButton()),
            okCancel->button(QMessageBox::Ok));
  EXPECT_EQ(okCancel->icon(), QMessageBox::Information);
  // Closed without a button: Cancel where there is one, else the last.
  EXPECT_EQ(QtMessageBox::AnswerOf(*okCancel, vbOKCancel), vbCancel);
  auto yesNo = QtMessageBox::Build("x", vbYesNo + vbQuestion, "");
  EXPECT_EQ(yesNo->icon(), QMessageBox::Question);
  EXPECT_EQ(QtMessageBox::AnswerOf(*yesNo, vbYesNo), vbNo);
}

// The buttons read as a Spanish Windows writes them, whatever Qt's own
// catalogue holds (or lacks).
TEST(QtMessageBox, TheButtonsSpeakSpanish) {
  const std::pair<int, const char*> styles[] = {{vbOKOnly, "Aceptar"},
                                                {vbOKCancel, "Aceptar|Cancelar"},
                                                {vbYesNoCancel, "&No|&Sí|Cancelar"},
                                                {vbAbortRetryIgnore, "&Anular|&Omitir|&Reintentar"},
                                                {vbRetryCancel, "&Reintentar|Cancelar"}};
  for (const auto& [style, captions] : styles) {
    const auto box = QtMessageBox::Build("x", style, "");
    QStringList shown;
    for (QAbstractButton* b : box->buttons()) shown << b->text();
    shown.sort();
    EXPECT_EQ(shown.join("|").toStdString(), captions) << style;
  }
}

TEST(QtMessageBox, NextAnswersAnswerBoxesWithoutShowingThem) {
  ScopedService<MessageBoxService> qt(std::make_shared<QtMessageBox>());
  QtMessageBox::SetNextAnswer(vbNo);
  QtMessageBox::SetNextAnswer(vbCancel);
  EXPECT_EQ(MsgBox("¿Seguro?", vbYesNo), vbNo);
  EXPECT_EQ(MsgBox("¿Seguro?", vbYesNoCancel), vbCancel);
  QtMessageBox::ClearNextAnswers();
}
