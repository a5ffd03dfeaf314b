// The three input controls in a small test form, as an operator sees them:
// a file chosen, a folder open, an amount typed. With REMENDOR_PICKERS_SHOT
// set, the form is saved there as a picture (offscreen, as the README's).
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "controls/ui/NOVUDir.h"
#include "controls/ui/NOVUSearch.h"
#include "controls/ui/ucnXCurrency.h"
#include "platform/DriveService.h"
#include "platform/RecordingFileDialog.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

// What the controls do is their own tests'; this one only builds the form.
TEST(InputControls, ATestFormWithTheThreeControls) {
  TempDir dir;
  for (const char* folder : {"Respaldos/2025", "Respaldos/2026", "Respaldos/Mensuales"}) {
    fs::create_directories(dir.Path() / folder);
  }
  std::ofstream(dir.File("VORA12.mdb")) << "x";
  ScopedService<RecordingMessageBox> boxes;
  ScopedService<RecordingFileDialog> dialog;
  ScopedService<DriveService> drives(
      std::make_shared<FixedDrives>(std::vector<std::string>{"/", dir.Path().string()}));

  QWidget form;
  form.setWindowTitle(QStringLiteral("Controles de entrada"));
  auto* database = new NOVUSearch(&form);
  database->SetCaption("Base de datos:");
  database->SetFiltro("Bases de datos (*.mdb)|*.mdb");
  database->Move(120, 120, 6600, 0);
  dialog->SetNextFileName(dir.File("VORA12.mdb"));
  QTest::mouseClick(database->CmdBuscar(), Qt::LeftButton);

  auto* folder = new NOVUDir(&form);
  folder->SetCaption("Carpeta de respaldo");
  folder->Move(120, 600, 6600, 3660);
  folder->SetPath(dir.File("Respaldos"));

  auto* amount = new ucnXCurrency(&form);
  amount->Move(1320, 4350, 2400, 0);
  (new QLabel(QStringLiteral("Importe:"), &form))
      ->setGeometry(8, amount->y(), 80, amount->height());
  auto* other = new QLineEdit(&form);  // where the focus goes, out of sight
  other->setGeometry(0, 0, 0, 0);
  form.resize(470, 330);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  amount->txt()->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(amount->txt(), "1500,5");
  other->setFocus(Qt::TabFocusReason);
  if (const char* shot = std::getenv("REMENDOR_PICKERS_SHOT")) {
    EXPECT_TRUE(form.grab().save(QString::fromLocal8Bit(shot)));
  }
}
