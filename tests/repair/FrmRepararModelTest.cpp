// The main window's logic through a recording view, without widgets: the
// load order, the installation label, a missing or blank novuPath.sys,
// the busy state around a run, failed runs and the exit. What a run does
// is RepairRunTest's.
#include <stdexcept>

#include "BoxWatcher.h"
#include "RecordingFrmRepararView.h"
#include "RepairFixture.h"
#include "platform/PathSeparator.h"
#include "platform/ScopedService.h"
#include "repair/FrmRepararModel.h"
#include "repair/HostBackup.h"
#include "repair/RepairRun.h"
#include "support/WindowsFolder.h"

namespace {

using Calls = std::vector<std::string>;
using Lines = std::vector<std::pair<std::string, std::string>>;

// A run ends with the focus back on the button that started it.
const Calls kRun = {"HabilitarMigrar 0", "MostrarOcupado 1", "MostrarOcupado 0",
                    "HabilitarMigrar 1", "EnfocarMigrar"};

class FrmRepararModelTest : public RepairFixture {
 protected:
  void SetUp() override {
    RepairFixture::SetUp();
    windowsFolder = std::make_unique<WindowsFolder>();
    windows = windowsFolder->Path();
    // The maker's folder; the host lives in its VORA12 subfolder.
    novu = dir.File("novu");
    install = novu + kPathSeparatorText + "VORA12";
    host = install + kPathSeparatorText + "VORA12.mdb";
    std::filesystem::create_directories(install);
    WriteOneTableMetadata();
  }
  void TearDown() override {
    model.reset();
    windowsFolder.reset();
    RepairFixture::TearDown();
  }

  void NovuPath(const std::string& content) {
    ASSERT_TRUE(windowsFolder->Write("novuPath.sys", content)) << windows;
  }
  // The window's start: the logic made, then its load.
  FrmRepararModel& Load() {
    model = std::make_unique<FrmRepararModel>(view, program);
    model->Form_Load();
    return *model;
  }

  // Put in over the fixture's recorder, and taken out before it.
  ScopedService<BoxWatcher> watcher;
  std::unique_ptr<WindowsFolder> windowsFolder;
  std::string windows, novu;
  RecordingFrmRepararView view;
  std::unique_ptr<FrmRepararModel> model;
};

}  // namespace

TEST_F(FrmRepararModelTest, WithoutAnInstallationTheLoadSaysSoAndMigrateStartsNothing) {
  const struct {
    const char* content;  // nullptr: no file
    const char* cause;
  } cases[] = {{nullptr, "No se encontró el archivo novuPath.sys en la carpeta '"},
               {"", "El archivo novuPath.sys de la carpeta '"},
               {"\r\n/otra/linea\r\n", "El archivo novuPath.sys de la carpeta '"},
               {" \t \r\n", "El archivo novuPath.sys de la carpeta '"}};
  WriteHost();  // present, so that only the missing path can stop a run
  for (const auto& c : cases) {
    windowsFolder->Remove("novuPath.sys");
    if (c.content) NovuPath(c.content);
    watcher->Clear();
    RecordingFrmRepararView v;
    FrmRepararModel m(v, program);
    m.Form_Load();
    ASSERT_EQ(watcher->Boxes().size(), 1u) << c.cause;
    const RecordingMessageBox::Box& box = watcher->Boxes()[0];
    EXPECT_EQ(box.text.rfind(c.cause + windows + "'", 0), 0u) << box.text;
    EXPECT_NE(box.text.find("sin ella no se puede reparar"), std::string::npos) << box.text;
    // The load goes on after the versions: the tooltip still comes last.
    EXPECT_EQ(Calls(v.calls.begin() + 3, v.calls.end()),
              (Calls{"MostrarInstalacion No se encontró la instalación del VORA.",
                     "HabilitarMigrar 0", "TooltipMigrar Realizar la operación seleccionada"}));
    EXPECT_FALSE(m.HayInstalacion());

    // A migrate event can still arrive (the bar raises it for a disabled
    // button when told to): nothing starts.
    v.calls.clear();
    m.Bot_BotonMigrar();
    EXPECT_TRUE(v.calls.empty());
    EXPECT_TRUE(v.lines.lines.empty());
    EXPECT_EQ(watcher->Boxes().size(), 1u);
    EXPECT_FALSE(m.BaseDatos().IsOpen());
  }
  EXPECT_TRUE(HostBackup::List(host).empty());
}

TEST_F(FrmRepararModelTest, LoadSelects26ARunTakesTheSelectedVersionAndTheExitReleases) {
  WriteHost();
  // Only the first line names the folder.
  NovuPath(novu + "\r\n/otra/carpeta\r\n");
  FrmRepararModel& m = Load();
  EXPECT_EQ(view.calls,
            (Calls{"AgregarVersion 26 VORA Versión 26", "AgregarVersion 27 VORA Versión 27",
                   "SeleccionarVersion 26", "MostrarInstalacion " + install,
                   "TooltipMigrar Realizar la operación seleccionada"}));
  EXPECT_FALSE(m.BaseDatos().IsOpen());

  // A run is busy until its line; the window keeps the database open.
  view.SeleccionarVersion("27");
  view.calls.clear();

  m.Bot_BotonMigrar();
  EXPECT_FALSE(m.Trabajando());
  EXPECT_TRUE(watcher->Boxes().empty());
  EXPECT_EQ(view.calls, kRun);
  EXPECT_EQ(view.lines.lines, (Lines{{"info", RepairRun::kSuccessLine}}));
  EXPECT_TRUE(m.BaseDatos().IsOpen());  // kept by the window between runs
  EXPECT_NE(ReadBytes(host)[0], 0);

  view.calls.clear();
  m.Bot_BotonSalir();
  EXPECT_EQ(view.calls, Calls{"Terminar"});
  EXPECT_FALSE(m.BaseDatos().IsOpen());
  Inspect(host, [](dao::Database& db) {
    EXPECT_EQ(Rows(db, "select Version from VersionBase"), std::vector<std::string>{"027"});
  });
}

// The folder is there but holds no database: the open's box shows while
// the run works, and the failed run leaves the next one free to start.
TEST_F(FrmRepararModelTest, BusyWhileTheRunWorksAMigrateMeanwhileIsIgnoredAndTheNextStarts) {
  NovuPath(novu);
  FrmRepararModel& m = Load();
  view.calls.clear();
  bool busy = false, migrateEnabled = true, working = false;
  watcher->onShow = [&] {
    busy = view.busy;
    migrateEnabled = view.migrateEnabled;
    working = m.Trabajando();
    m.Bot_BotonMigrar();  // a second click, from the box's event loop
  };
  m.Bot_BotonMigrar();
  ASSERT_EQ(watcher->Boxes().size(), 1u);
  EXPECT_NE(watcher->Boxes()[0].text.find("VORA12.mdb"), std::string::npos);
  EXPECT_TRUE(busy);
  EXPECT_FALSE(migrateEnabled);
  EXPECT_TRUE(working);
  EXPECT_EQ(view.calls, kRun);  // the second click added nothing
  EXPECT_TRUE(view.lines.lines.empty());
  EXPECT_FALSE(m.Trabajando());
  watcher->onShow = nullptr;
  m.Bot_BotonMigrar();
  EXPECT_EQ(watcher->Boxes().size(), 2u);
}

TEST_F(FrmRepararModelTest, AFailureThatEscapesTheRunBecomesAnErrorLine) {
  // A result list that fails to take the success line: the run itself
  // cannot report that.
  class FailingLines : public RecordedLines {
   public:
    void AgregarInfo(const std::string&) override { throw std::runtime_error("lista llena"); }
  };
  class View : public RecordingFrmRepararView {
   public:
    ResultSink& LineasResultado() override { return failing; }
    FailingLines failing;
  } view;
  WriteHost();
  NovuPath(novu);
  FrmRepararModel m(view, program);
  m.Form_Load();
  view.calls.clear();
  EXPECT_NO_THROW(m.Bot_BotonMigrar());
  EXPECT_EQ(view.failing.lines, (Lines{{"error", "lista llena"}}));
  EXPECT_EQ(view.calls, kRun);
  EXPECT_FALSE(m.Trabajando());
}
