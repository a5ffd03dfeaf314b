// The three input controls in a small test form, as an operator sees them:
// a file chosen, a folder open, an amount typed. With REMENDOR_PICKERS_SHOT
// set, the form is saved there as a picture (offscreen, as the README's).
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "controls/ui/NOVUDir.h"
#include "controls/ui/NOVUSearch.h"
#include "controls/ui/ucnXCurrency.h"
#include "platform/DriveService.h"
#include "platform/RecordingFileDialog.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(InputControls, ATestFormWithTheThreeControls) {
  TempDir dir;
  for (const char* carpeta : {"Respaldos/2025", "Respaldos/2026", "Respaldos/Mensuales"}) {
    fs::create_directories(dir.Path() / carpeta);
  }
  std::ofstream(dir.File("VORA12.mdb")) << "x";
  ScopedService<RecordingMessageBox> cajas;
  ScopedService<RecordingFileDialog> dialogo;
  ScopedService<DriveService> unidades(
      std::make_shared<FixedDrives>(std::vector<std::string>{"/", dir.Path().string()}));

  QWidget form;
  form.setWindowTitle(QStringLiteral("Controles de entrada"));
  auto* base = new NOVUSearch(&form);
  base->SetCaption("Base de datos:");
  base->SetFiltro("Bases de datos (*.mdb)|*.mdb");
  base->Move(120, 120, 6600, 0);
  dialogo->SetNextFileName(dir.File("VORA12.mdb"));
  QTest::mouseClick(base->CmdBuscar(), Qt::LeftButton);

  auto* destino = new NOVUDir(&form);
  destino->SetCaption("Carpeta de respaldo");
  destino->Move(120, 600, 6600, 3660);
  destino->SetPath(dir.File("Respaldos"));

  auto* importe = new ucnXCurrency(&form);
  importe->Move(1320, 4350, 2400, 0);
  auto* etiqueta = new QLabel(QStringLiteral("Importe:"), &form);
  etiqueta->setGeometry(8, importe->y(), 80, importe->height());
  auto* otro = new QLineEdit(&form);
  otro->setGeometry(0, 0, 0, 0);
  form.resize(470, 330);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  importe->txt()->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(importe->txt(), "1500,5");
  otro->setFocus(Qt::TabFocusReason);

  EXPECT_EQ(base->NombreArchivo(), dir.File("VORA12.mdb"));
  EXPECT_EQ(destino->Path(), dir.File("Respaldos"));
  EXPECT_EQ(importe->txt()->text(), "1.500,50");
  EXPECT_TRUE(cajas->Boxes().empty());

  if (const char* destinoFoto = std::getenv("REMENDOR_PICKERS_SHOT")) {
    EXPECT_TRUE(form.grab().save(QString::fromLocal8Bit(destinoFoto)));
  }
}
