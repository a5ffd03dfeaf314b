// Entry point of the widget tests: GoogleTest drives the cases, a
// QApplication on the offscreen platform gives the widgets their screen,
// set up as the programs set up theirs (Qt in Spanish, the one UI font),
// so that what the tests measure and picture is what an operator sees.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/ui/DesktopSetup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  DesktopSetup::Apply("prueba");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
