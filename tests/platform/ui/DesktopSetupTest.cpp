// The desktop every windowed program sets up (the tests' entry point sets
// it up the same way): Qt in Spanish whatever LANG says, with a notice and
// Spanish message buttons where Qt's catalogue is missing, the operator's
// number and date formats, and the one UI face.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLocale>

#include "platform/ui/DesktopSetup.h"
#include "support/TempDir.h"

TEST(DesktopSetup, QtSpeaksSpanishWhateverTheMachinesLanguage) {
  // LANG is C.UTF-8 or unset wherever the tests run; Qt's texts are
  // Spanish all the same.
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Ver en:");
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), "&Nombre de fichero:");
  EXPECT_EQ(QLocale().name(), "es_AR");
  EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), "1.234,50");
}

TEST(DesktopSetup, AMissingCatalogueIsToldAndTheProgramGoesOn) {
  TempDir empty;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(
      DesktopSetup::LoadSpanish(QString::fromStdString(empty.Path().string()), "remendor"));
  const std::string notice = testing::internal::GetCapturedStderr();
  EXPECT_NE(notice.find("remendor: "), std::string::npos) << notice;
  EXPECT_NE(notice.find(empty.File("qtbase_es.qm")), std::string::npos) << notice;
  EXPECT_NE(notice.find("qt6-translations-l10n"), std::string::npos) << notice;
  // What was loaded before stays.
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Ver en:");
}

TEST(DesktopSetup, EveryWindowTakesTheOneUiFace) {
  const QFont face = QApplication::font();
  EXPECT_DOUBLE_EQ(face.pointSizeF(), 8.25);
  EXPECT_EQ(QFontInfo(face).family(), "Liberation Sans");
  EXPECT_EQ(face, DesktopSetup::UiFont());
}
