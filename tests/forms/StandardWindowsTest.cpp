// The standard windows' logic on fake widgets: what each window is told,
// in order, and what the operator's actions make of it; the one-time
// message against a real database of the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "common/NativePath.h"
#include "dao/DBEngine.h"
#include "forms/FakeWindows.h"
#include "forms/HelpPages.h"
#include "forms/a_c_graph.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/ErrorOf.h"
#include "support/FakePicture.h"
#include "support/QueryResults.h"
#include "support/TempDir.h"

namespace {

bool Contains(const Log& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

class StandardWindowsTest : public ::testing::Test {
 protected:
  long ConfiguracionRows(dao::Database& db) {
    return FirstNumber(db, "select count(*) from Configuracion");
  }

  TempDir dir;
  ScopedService<RecordingMessageBox> boxes;
  FakeWindowFactory factory;
  a_c_graph graph{factory, dir.File("ayuda")};
  std::shared_ptr<const Picture> picture = FakePicture::Of(1, 1);
};

}  // namespace

// The splash loads once, reports progress and closes only when unloaded;
// the about box shows its notice, and a click closes it.
TEST_F(StandardWindowsTest, TheSplashClosesOnlyWhenUnloadedTheAboutBoxOnAClick) {
  graph.AcercaDe_Mostrar("Release 3", "Versión 27", "BETA 2", true, "V.O.R.A.", "Declaraciones",
                         picture);
  EXPECT_EQ(factory.log, (Log{"lblRelease=Release 3", "lblVersion=Versión 27", "LblBeta=BETA 2",
                              "LblTitulo1=V.O.R.A.", "txtTitulo(1)=Declaraciones", "Img",
                              "al frente", "sin aviso", "sin cerrar", "Show"}));
  EXPECT_EQ(factory.about->window.left, (15360 - 6000) / 2);
  EXPECT_EQ(factory.about->window.top, (11520 - 3600) / 2);

  factory.log.clear();
  graph.AcercaDe_Actualizar("Abriendo la base de datos...");
  EXPECT_EQ(factory.log, (Log{"lblEstado=Abriendo la base de datos...", "DoEvents"}));
  // A splash ignores clicks and the window system's close.
  factory.aboutModel->Click();
  EXPECT_FALSE(factory.aboutModel->Form_QueryUnload());
  ASSERT_NE(graph.AcercaDe(), nullptr);

  factory.log.clear();
  graph.AcercaDe_Descargar();
  EXPECT_EQ(factory.log, (Log{"Unload"}));
  EXPECT_EQ(graph.AcercaDe(), nullptr);
  // Unloaded, it is not loaded again by a late progress line.
  graph.AcercaDe_Actualizar("tarde");
  graph.AcercaDe_Descargar();
  EXPECT_EQ(factory.log, (Log{"Unload"}));
  EXPECT_EQ(factory.made, 1);

  // The about box shows its notice and a click closes it.
  graph.AcercaDe_Mostrar("R", "V", "B", false, "N", "D", nullptr);
  EXPECT_TRUE(Contains(factory.log, "aviso"));
  // Without a frame to close it by, it shows a button that closes it.
  EXPECT_TRUE(Contains(factory.log, "cerrar"));
  EXPECT_TRUE(Contains(factory.log, "Img=Nothing"));
  // Shown again while open: new texts, no second load.
  factory.log.clear();
  graph.AcercaDe_Mostrar("R2", "V", "B", false, "N", "D", nullptr);
  EXPECT_FALSE(Contains(factory.log, "al frente"));
  EXPECT_TRUE(Contains(factory.log, "lblRelease=R2"));
  EXPECT_EQ(factory.made, 2);

  factory.aboutModel->Click();
  EXPECT_EQ(factory.log.back(), "Unload");
  EXPECT_EQ(graph.AcercaDe(), nullptr);
  // Shown after it closed: a new window, loaded anew.
  graph.AcercaDe_Mostrar("R", "V", "B", false, "N", "D", nullptr);
  EXPECT_EQ(factory.made, 3);
  EXPECT_TRUE(factory.aboutModel->Form_QueryUnload());
  EXPECT_EQ(graph.AcercaDe(), nullptr);
}

TEST_F(StandardWindowsTest, TheWelcomeAnswersWithTheStartButtonsChoice) {
  // Whether the start button is pressed, the tick, and the answer.
  const std::tuple<bool, bool, bool> cases[] = {
      {true, false, true}, {true, true, false}, {false, false, false}};
  for (const auto& [pressesStart, ticked, result] : cases) {
    factory.log.clear();
    factory.onWelcome = [&](FrmXInicioMensajeModel& model, FakeView& view) {
      view.ticked = ticked;
      if (pressesStart) model.btnInicio_Click();
    };
    a_c_graph fresh(factory);
    EXPECT_EQ(fresh.InicioMensaje_Mostrar("VORA", 1234), result);
    EXPECT_EQ(fresh.WelcomeStarted(), pressesStart);
    EXPECT_EQ(Log(factory.log.begin(), factory.log.begin() + 3),
              (Log{"Titulo=¡ Bienvenido a VORA!",
                   std::string("lblMensaje=") + FrmXInicioMensajeModel::kMensaje, "Show vbModal"}));
    EXPECT_EQ(factory.shown.left, (15360 - 7800) / 2);
  }
  // A close without the start button keeps the answer of the last start.
  factory.onWelcome = [](FrmXInicioMensajeModel& model, FakeView&) { model.btnInicio_Click(); };
  EXPECT_TRUE(graph.InicioMensaje_Mostrar("VORA", 0));
  factory.onWelcome = nullptr;
  EXPECT_TRUE(graph.InicioMensaje_Mostrar("VORA", 0));
  // ... and what closed it tells the two apart.
  EXPECT_FALSE(graph.WelcomeStarted());
}

TEST_F(StandardWindowsTest, HelpOpensTheContextsPageOrSaysThereIsNone) {
  factory.onWelcome = [&](FrmXInicioMensajeModel& model, FakeView& view) {
    EXPECT_EQ(model.HelpContextID(), 77);
    model.btnAyuda_Click();
    model.TeclaF1();  // the F1 the button sent
    std::filesystem::create_directories(dir.Path() / "ayuda");
    std::ofstream(dir.File("ayuda/index.html")) << "<p>ayuda</p>";
    model.TeclaF1();
    std::ofstream(dir.File("ayuda/77.html")) << "<p>inicio</p>";
    model.TeclaF1();
    view.canOpenHelp = false;
    model.TeclaF1();
  };
  graph.InicioMensaje_Mostrar("VORA", 77);
  const Log expected = {"Show vbModal",
                        "MousePointer=11",
                        "SendKeys {F1}",
                        "MousePointer=0",
                        "ayuda " + dir.File("ayuda/index.html"),
                        "ayuda " + dir.File("ayuda/77.html"),
                        "ayuda " + dir.File("ayuda/77.html")};
  EXPECT_EQ(Log(factory.log.begin() + 2, factory.log.end()), expected);
  ASSERT_EQ(boxes->Boxes().size(), 2u);
  EXPECT_EQ(boxes->Boxes()[0].text,
            "No se encontró la ayuda del sistema en la carpeta '" + dir.File("ayuda") + "'.");
  EXPECT_EQ(boxes->Boxes()[1].text,
            "No se pudo abrir la ayuda del sistema (" + dir.File("ayuda/77.html") + ").");
}

// Engine errors of the message reach the caller, also when the save of
// the tick fails while the window is open (it closes all the same).
TEST_F(StandardWindowsTest, AMessageTickedOnceIsNeverShownAgainAndItsEngineErrorsReachTheCaller) {
  dao::Database db = dao::DBEngine::CreateDatabase(dir.File("app.mdb"), "");
  EXPECT_NE(ErrorOf([&] { graph.MensajePantalla_Mostrar(1, "T", "M", db); }), 0);
  EXPECT_TRUE(factory.log.empty());
  db.Execute("CREATE TABLE Configuracion (CodItem LONG)");
  // Not ticked, or closed by the window system: it comes back.
  factory.onMessage = [](FrmXMensajeModel& model, FakeView&) { model.btnAceptar_Click(); };
  graph.MensajePantalla_Mostrar(7, "Aviso", "Lea esto.", db);
  factory.onMessage = nullptr;
  graph.MensajePantalla_Mostrar(7, "Aviso", "Lea esto.", db);
  EXPECT_EQ(std::count(factory.log.begin(), factory.log.end(), "Show vbModal"), 2);
  EXPECT_EQ(ConfiguracionRows(db), 0);

  factory.onMessage = [](FrmXMensajeModel& model, FakeView& view) {
    view.ticked = true;
    model.btnAceptar_Click();
  };
  factory.log.clear();
  EXPECT_EQ(graph.MensajePantalla_Mostrar(7, "Aviso", "Lea esto.", db).Type(), Variant().Type());
  EXPECT_EQ(factory.log, (Log{"Titulo=Aviso", "lblMensaje=Lea esto.", "Show vbModal", "Unload"}));
  EXPECT_EQ(factory.shown.left, (15360 - 6000) / 2);
  EXPECT_EQ(db.OpenRecordset("select CodItem from Configuracion").Fields(0).Value().ToLong(), 7);
  factory.log.clear();
  graph.MensajePantalla_Mostrar(7, "Aviso", "Lea esto.", db);
  EXPECT_TRUE(factory.log.empty());
  EXPECT_EQ(ConfiguracionRows(db), 1);
  // Another code is another message.
  graph.MensajePantalla_Mostrar(-3, "T", "M", db);
  EXPECT_TRUE(Contains(factory.log, "Show vbModal"));

  factory.onMessage = [&](FrmXMensajeModel& model, FakeView& view) {
    db.Execute("DROP TABLE Configuracion");
    view.ticked = true;
    model.btnAceptar_Click();
  };
  EXPECT_NE(ErrorOf([&] { graph.MensajePantalla_Mostrar(1, "T", "M", db); }), 0);
  EXPECT_EQ(factory.log.back(), "Unload");
}

TEST_F(StandardWindowsTest, TheClosingNoticeRunsTheWorkWhileShownThenCloses) {
  bool onScreen = false;
  graph.Cerrando_Mostrar(picture, [&] {
    onScreen = Contains(factory.log, "Refresh") && !Contains(factory.log, "Unload");
    factory.log.push_back("trabajo");
  });
  EXPECT_TRUE(onScreen);
  EXPECT_EQ(factory.log, (Log{"picIcono", "Label1.Refresh", "Show vbModal", "Refresh",
                              "Label1.Refresh", "trabajo", "Unload"}));
  EXPECT_EQ(factory.shown.top, (11520 - 1500) / 2);

  // Without a listener, and with one that fails: it closes all the same.
  factory.log.clear();
  graph.Cerrando_Mostrar(nullptr);
  EXPECT_EQ(factory.log.back(), "Unload");
  graph.Cerrando_Mostrar(picture, [] { throw AppError(3044, "Ruta no válida"); });
  EXPECT_EQ(factory.log.back(), "Unload");
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(boxes->Boxes()[0].text, "Ruta no válida");
}

TEST_F(StandardWindowsTest, AHelpFolderGivenRelativeGivesAnAbsolutePage) {
  std::filesystem::create_directories(dir.Path() / "ayuda");
  std::ofstream(dir.File("ayuda/index.html")) << "<p>ayuda</p>";
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  const std::string page = HelpPages::Pagina("ayuda", 9);
  std::filesystem::current_path(before);
  EXPECT_EQ(page,
            NativePath::ToUtf8(
                (std::filesystem::canonical(dir.Path()) / "ayuda/index.html").make_preferred()));
}
