// The main window's wiring on a sample installation, under simulated
// input: the load into the widgets, a repair from the click to the
// database and the exit, the tab order, whole texts, the start-up without
// novuPath.sys, the busy state and an error line. The logic behind them
// (load order, messages, the busy rule, a second click) is tested without
// widgets in tests/repair/FrmRepararModelTest.cpp.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>

#include "controls/ui/NOVUBot.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/NOVUInfoRep.h"
#include "repair/BoxWatcher.h"
#include "repair/RepairFixture.h"
#include "repair/ui/FrmReparar.h"
#include "samples/SampleInstallation.h"
#include "support/ClippedTexts.h"
#include "support/RunTool.h"

namespace {

namespace fs = std::filesystem;

class FrmRepararTest : public RepairFixture {
 protected:
  void SetUp() override {
    RepairFixture::SetUp();
    // Each test repairs with its own copy of the metadata.
    fs::copy_file(BinDir() + "/Remendor.mdb", metadata);
    windows = dir.File("windows");
    fs::create_directories(windows);
    ::setenv("WINDIR", windows.c_str(), 1);
  }
  void TearDown() override {
    window.reset();
    ::unsetenv("WINDIR");
  }

  // A sample installation that novuPath.sys names; returns the host path.
  std::string Sample() {
    const std::string sample = SampleInstallation::Create(dir.File("muestra"), kolm, {200, 50});
    ::setenv("WINDIR", dir.File("muestra/windows").c_str(), 1);
    return sample;
  }
  void Open() {
    window = std::make_unique<FrmReparar>(program);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  QToolButton* Button(int index) { return window->Bot()->cmdBtn(index); }
  NOVUInfoRep& Lines() { return *window->Resultado(); }

  std::string windows;
  ScopedService<BoxWatcher> watcher;  // over the fixture's recorder
  std::unique_ptr<FrmReparar> window;
};

}  // namespace

TEST_F(FrmRepararTest, RepairsTheSampleInstallationFromTheClickToTheDatabaseThroughItsTabOrder) {
  host = Sample();
  Open();
  EXPECT_EQ(window->windowTitle().toStdString(), "Reparador de Bases de datos VORA");
  EXPECT_EQ(window->LblinstAplicativo()->text().toStdString(),
            fs::path(host).parent_path().string());
  EXPECT_EQ(Button(28)->toolTip().toStdString(), "Realizar la operación seleccionada");
  for (const auto& info : NOVUBotModel::Botones()) {
    EXPECT_EQ(Button(info.indice)->isVisible(), info.indice == 28 || info.indice == 30);
  }
  // The tab order runs through the bar (whose layout puts Salir before
  // Migrar), the combo and the list.
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  const std::vector<QWidget*> order = {Button(30), Button(28), window->CboVersiones()->CboDatos(),
                                       window->Resultado()->LstInfo(), Button(30)};
  EXPECT_EQ(QApplication::focusWidget(), order[0]);
  for (size_t k = 1; k < order.size(); ++k) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), order[k]) << "tab " << k;
  }

  // The version the combo shows is the one the run stamps.
  QTest::keyClick(window->CboVersiones()->CboDatos(), Qt::Key_Down);
  ASSERT_EQ(window->CboVersiones()->GetTextoSeleccionado(), "VORA Versión 27");
  QTest::mouseClick(Button(28), Qt::LeftButton);
  ASSERT_EQ(Lines().CantidadLineas(), 1);
  EXPECT_EQ(Lines().TextoLinea(0), "Reparación de base de datos exitosa");
  EXPECT_EQ(Lines().ImagenLinea(0), "Informacion");
  EXPECT_TRUE(watcher->Boxes().empty());
  if (const char* shot = std::getenv("REMENDOR_WINDOW_SHOT")) window->grab().save(shot);

  // The exit right after a run, with the database still held, ends the
  // program's event loop (a guard ends it with 1 if nothing else does).
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  guard.start(10000);
  QTimer::singleShot(0, window.get(), [this] { QTest::mouseClick(Button(30), Qt::LeftButton); });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window->isVisible());
  Inspect(host, [](dao::Database& db) {
    EXPECT_EQ(Rows(db, "select Version from VersionBase"), std::vector<std::string>{"027"});
  });
}

// Nothing cut, with a sample's installation and with one deep in a long
// folder path, which the label must show whole or say it does not.
TEST_F(FrmRepararTest, EveryTextShowsWholeEvenWithALongInstallationPath) {
  Sample();
  const std::string deep[] = {
      "/home/operador/Documentos/Estudio Contable Pérez y Asociados/Clientes del año 2024/"
      "Liquidaciones de sueldos y jornales/Aplicativos de la AFIP",
      "/srv/aplicativos/estudio-contable-perez-y-asociados/clientes-2024/liquidaciones/afip"};
  for (int k = 0; k < 3; ++k) {
    if (k > 0) {
      std::ofstream(windows + "/novuPath.sys") << deep[k - 1] << "\r\n";
      ::setenv("WINDIR", windows.c_str(), 1);
    }
    Open();
    const std::vector<clipped::Finding> found = clipped::In(*window);
    for (const clipped::Finding& f : found) std::cout << "  " << f.Line() << '\n';
    EXPECT_EQ(clipped::Cut(found), 0u) << window->LblinstAplicativo()->text().toStdString();
  }
  EXPECT_TRUE(watcher->Boxes().empty());
}

// Without novuPath.sys the window opens and cannot migrate. The open's box
// for a folder without the database shows while the run works; a host
// without a table of the run gives an error line.
TEST_F(FrmRepararTest, WithoutAnInstallationNoMigrateBusyWhileARunWorksAndAnErrorLine) {
  Open();
  EXPECT_EQ(watcher->Boxes().size(), 1u);
  EXPECT_EQ(window->LblinstAplicativo()->text().toStdString(),
            "No se encontró la instalación del VORA.");
  EXPECT_FALSE(Button(28)->isEnabled());

  watcher->Clear();
  fs::create_directories(dir.Path() / "vacia/VORA12");
  std::ofstream(windows + "/novuPath.sys") << dir.File("vacia");
  Open();
  bool waitCursor = false, migrateEnabled = true;
  watcher->onShow = [&] {
    waitCursor =
        QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    migrateEnabled = Button(28)->isEnabled();
  };
  QTest::mouseClick(Button(28), Qt::LeftButton);
  ASSERT_EQ(watcher->Boxes().size(), 1u);
  EXPECT_TRUE(waitCursor);
  EXPECT_FALSE(migrateEnabled);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(Button(28)->isEnabled());

  Inspect(Sample(), [](dao::Database& db) { db.Execute("DROP TABLE 22Cuiles"); });
  Open();
  QTest::mouseClick(Button(28), Qt::LeftButton);
  ASSERT_EQ(Lines().CantidadLineas(), 1);
  EXPECT_EQ(Lines().ImagenLinea(0), "Error");
  EXPECT_NE(Lines().TextoLinea(0).find("22Cuiles"), std::string::npos) << Lines().TextoLinea(0);
}
