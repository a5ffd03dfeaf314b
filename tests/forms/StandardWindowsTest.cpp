// The standard windows' logic on fake widgets: what each window is told,
// in order, and what the operator's actions make of it; the one-time
// message against a real database of the engine.
#include <gtest/gtest.h>

#include <algorithm>

#include "dao/DBEngine.h"
#include "forms/FakeWindows.h"
#include "forms/HelpPages.h"
#include "forms/a_c_graph.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/ErrorOf.h"
#include "support/FakePicture.h"
#include "support/TempDir.h"

namespace {

bool Contiene(const Log& log, const std::string& linea) {
  return std::find(log.begin(), log.end(), linea) != log.end();
}

class StandardWindowsTest : public ::testing::Test {
 protected:
  dao::Database BaseConConfiguracion() {
    dao::Database db = dao::DBEngine::CreateDatabase(dir.File("app.mdb"), "");
    db.Execute("CREATE TABLE Configuracion (CodItem LONG)");
    return db;
  }
  long Filas(dao::Database& db) {
    return db.OpenRecordset("select count(*) from Configuracion").Fields(0).Value().ToLong();
  }

  TempDir dir;
  ScopedService<RecordingMessageBox> cajas;
  FakeWindowFactory fabrica;
  a_c_graph graph{fabrica, dir.File("ayuda")};
  std::shared_ptr<const Picture> dibujo = FakePicture::Of(1, 1);
};

}  // namespace

TEST_F(StandardWindowsTest, TheSplashLoadsOnceReportsProgressAndClosesOnlyWhenUnloaded) {
  graph.AcercaDe_Mostrar("Release 3", "Versión 27", "BETA 2", true, "V.O.R.A.", "Declaraciones",
                         dibujo);
  EXPECT_EQ(fabrica.log, (Log{"lblRelease=Release 3", "lblVersion=Versión 27", "LblBeta=BETA 2",
                              "LblTitulo1=V.O.R.A.", "txtTitulo(1)=Declaraciones", "Img",
                              "al frente", "sin aviso", "sin cerrar", "Show"}));
  EXPECT_EQ(fabrica.acercaDe->ventana.left_, (15360 - 6000) / 2);
  EXPECT_EQ(fabrica.acercaDe->ventana.top_, (11520 - 3600) / 2);

  fabrica.log.clear();
  graph.AcercaDe_Actualizar("Abriendo la base de datos...");
  EXPECT_EQ(fabrica.log, (Log{"lblEstado=Abriendo la base de datos...", "DoEvents"}));
  // A splash ignores clicks and the window system's close.
  fabrica.acercaDeModelo->Click();
  EXPECT_FALSE(fabrica.acercaDeModelo->Form_QueryUnload());
  ASSERT_NE(graph.AcercaDe(), nullptr);

  fabrica.log.clear();
  graph.AcercaDe_Descargar();
  EXPECT_EQ(fabrica.log, (Log{"Unload"}));
  EXPECT_EQ(graph.AcercaDe(), nullptr);
  // Unloaded, it is not loaded again by a late progress line.
  graph.AcercaDe_Actualizar("tarde");
  graph.AcercaDe_Descargar();
  EXPECT_EQ(fabrica.log, (Log{"Unload"}));
  EXPECT_EQ(fabrica.hechas, 1);
}

TEST_F(StandardWindowsTest, TheAboutBoxShowsItsNoticeAndAClickClosesIt) {
  graph.AcercaDe_Mostrar("R", "V", "B", false, "N", "D", nullptr);
  EXPECT_TRUE(Contiene(fabrica.log, "aviso"));
  // Without a frame to close it by, it shows a button that closes it.
  EXPECT_TRUE(Contiene(fabrica.log, "cerrar"));
  EXPECT_TRUE(Contiene(fabrica.log, "Img=Nothing"));
  // Shown again while open: new texts, no second load.
  fabrica.log.clear();
  graph.AcercaDe_Mostrar("R2", "V", "B", false, "N", "D", nullptr);
  EXPECT_FALSE(Contiene(fabrica.log, "al frente"));
  EXPECT_TRUE(Contiene(fabrica.log, "lblRelease=R2"));
  EXPECT_EQ(fabrica.hechas, 1);

  fabrica.acercaDeModelo->Click();
  EXPECT_EQ(fabrica.log.back(), "Unload");
  EXPECT_EQ(graph.AcercaDe(), nullptr);
  // Shown after it closed: a new window, loaded anew.
  graph.AcercaDe_Mostrar("R", "V", "B", false, "N", "D", nullptr);
  EXPECT_EQ(fabrica.hechas, 2);
  EXPECT_TRUE(fabrica.acercaDeModelo->Form_QueryUnload());
  EXPECT_EQ(graph.AcercaDe(), nullptr);
}

TEST_F(StandardWindowsTest, TheWelcomeAnswersWithTheStartButtonsChoice) {
  const struct {
    bool pulsaInicio;
    bool noMostrar;
    bool resultado;
  } casos[] = {{true, false, true}, {true, true, false}, {false, false, false}};
  for (const auto& caso : casos) {
    fabrica.log.clear();
    fabrica.alInicio = [&](FrmXInicioMensajeModel& modelo, FakeInicioMensaje& vista) {
      vista.noMostrar = caso.noMostrar;
      if (caso.pulsaInicio) modelo.btnInicio_Click();
    };
    a_c_graph nuevo(fabrica);
    EXPECT_EQ(nuevo.InicioMensaje_Mostrar("VORA", 1234), caso.resultado);
    EXPECT_EQ(nuevo.WelcomeStarted(), caso.pulsaInicio);
    EXPECT_EQ(fabrica.log[0], "lblNombre=¡ Bienvenido a VORA!");
    EXPECT_EQ(fabrica.log[1], std::string("lblMensaje=") + FrmXInicioMensajeModel::kMensaje);
    EXPECT_EQ(fabrica.log[2], "Show vbModal");
    EXPECT_EQ(fabrica.mostrada.left_, (15360 - 7800) / 2);
  }
  // A close without the start button keeps the answer of the last start.
  fabrica.alInicio = [](FrmXInicioMensajeModel& modelo, FakeInicioMensaje&) {
    modelo.btnInicio_Click();
  };
  EXPECT_TRUE(graph.InicioMensaje_Mostrar("VORA", 0));
  fabrica.alInicio = nullptr;
  EXPECT_TRUE(graph.InicioMensaje_Mostrar("VORA", 0));
  // ... and what closed it tells the two apart.
  EXPECT_FALSE(graph.WelcomeStarted());
}

TEST_F(StandardWindowsTest, HelpOpensTheContextsPageOrSaysThereIsNone) {
  fabrica.alInicio = [&](FrmXInicioMensajeModel& modelo, FakeInicioMensaje& vista) {
    EXPECT_EQ(modelo.HelpContextID(), 77);
    modelo.btnAyuda_Click();
    modelo.TeclaF1();  // the F1 the button sent
    std::filesystem::create_directories(dir.Path() / "ayuda");
    std::ofstream(dir.File("ayuda/index.html")) << "<p>ayuda</p>";
    modelo.TeclaF1();
    std::ofstream(dir.File("ayuda/77.html")) << "<p>inicio</p>";
    modelo.TeclaF1();
    vista.abrirPuede = false;
    modelo.TeclaF1();
  };
  graph.InicioMensaje_Mostrar("VORA", 77);
  const Log esperado = {"Show vbModal",
                        "MousePointer=11",
                        "SendKeys {F1}",
                        "MousePointer=0",
                        "ayuda " + dir.File("ayuda/index.html"),
                        "ayuda " + dir.File("ayuda/77.html"),
                        "ayuda " + dir.File("ayuda/77.html")};
  EXPECT_EQ(Log(fabrica.log.begin() + 2, fabrica.log.end()), esperado);
  ASSERT_EQ(cajas->Boxes().size(), 2u);
  EXPECT_EQ(cajas->Boxes()[0].text,
            "No se encontró la ayuda del sistema en la carpeta '" + dir.File("ayuda") + "'.");
  EXPECT_EQ(cajas->Boxes()[1].text,
            "No se pudo abrir la ayuda del sistema (" + dir.File("ayuda/77.html") + ").");
}

TEST_F(StandardWindowsTest, AMessageTickedOnceIsNeverShownAgain) {
  dao::Database db = BaseConConfiguracion();
  fabrica.alMensaje = [](FrmXMensajeModel& modelo, FakeMensaje& vista) {
    vista.noVolver = true;
    modelo.btnAceptar_Click();
  };
  Variant r = graph.MensajePantalla_Mostrar(7, "Aviso", "Lea esto.", db);
  EXPECT_EQ(r.Type(), Variant().Type());
  EXPECT_EQ(fabrica.log, (Log{"Caption=Aviso", "lblMensaje=Lea esto.", "Show vbModal", "Unload"}));
  EXPECT_EQ(fabrica.mostrada.left_, (15360 - 6000) / 2);
  EXPECT_EQ(Filas(db), 1);

  fabrica.log.clear();
  graph.MensajePantalla_Mostrar(7, "Aviso", "Lea esto.", db);
  EXPECT_TRUE(fabrica.log.empty());
  EXPECT_EQ(Filas(db), 1);
  dao::Recordset fila = db.OpenRecordset("select * from Configuracion");
  EXPECT_EQ(fila.Fields("CodItem").Value().ToLong(), 7);
}

TEST_F(StandardWindowsTest, AMessageNotTickedOrClosedComesBack) {
  dao::Database db = BaseConConfiguracion();
  fabrica.alMensaje = [](FrmXMensajeModel& modelo, FakeMensaje&) { modelo.btnAceptar_Click(); };
  graph.MensajePantalla_Mostrar(-3, "T", "M", db);
  fabrica.alMensaje = nullptr;  // closed by the window system
  graph.MensajePantalla_Mostrar(-3, "T", "M", db);
  EXPECT_EQ(std::count(fabrica.log.begin(), fabrica.log.end(), "Show vbModal"), 2);
  EXPECT_EQ(Filas(db), 0);
  // Another code is another message.
  db.Execute("INSERT INTO Configuracion (CodItem) VALUES (8)");
  fabrica.log.clear();
  graph.MensajePantalla_Mostrar(-3, "T", "M", db);
  EXPECT_TRUE(Contiene(fabrica.log, "Show vbModal"));
}

TEST_F(StandardWindowsTest, EngineErrorsOfTheMessageReachTheCaller) {
  dao::Database db = dao::DBEngine::CreateDatabase(dir.File("sin.mdb"), "");
  EXPECT_NE(ErrorOf([&] { graph.MensajePantalla_Mostrar(1, "T", "M", db); }), 0);
  EXPECT_TRUE(fabrica.log.empty());

  // The table goes away while the window is open: the save's error closes
  // the window and reaches the caller afterwards.
  db.Execute("CREATE TABLE Configuracion (CodItem LONG)");
  fabrica.alMensaje = [&](FrmXMensajeModel& modelo, FakeMensaje& vista) {
    db.Execute("DROP TABLE Configuracion");
    vista.noVolver = true;
    modelo.btnAceptar_Click();
  };
  EXPECT_NE(ErrorOf([&] { graph.MensajePantalla_Mostrar(1, "T", "M", db); }), 0);
  EXPECT_EQ(fabrica.log.back(), "Unload");
}

TEST_F(StandardWindowsTest, TheClosingNoticeRunsTheWorkWhileShownThenCloses) {
  bool enPantalla = false;
  graph.Cerrando_Mostrar(dibujo, [&] {
    enPantalla = Contiene(fabrica.log, "Refresh") && !Contiene(fabrica.log, "Unload");
    fabrica.log.push_back("trabajo");
  });
  EXPECT_TRUE(enPantalla);
  EXPECT_EQ(fabrica.log, (Log{"picIcono", "Label1.Refresh", "Show vbModal", "Refresh",
                              "Label1.Refresh", "trabajo", "Unload"}));
  EXPECT_EQ(fabrica.mostrada.top_, (11520 - 1500) / 2);

  // Without a listener, and with one that fails: it closes all the same.
  fabrica.log.clear();
  graph.Cerrando_Mostrar(nullptr);
  EXPECT_EQ(fabrica.log.back(), "Unload");
  graph.Cerrando_Mostrar(dibujo, [] { throw AppError(3044, "Ruta no válida"); });
  EXPECT_EQ(fabrica.log.back(), "Unload");
  ASSERT_EQ(cajas->Boxes().size(), 1u);
  EXPECT_EQ(cajas->Boxes()[0].text, "Ruta no válida");
}

TEST_F(StandardWindowsTest, AHelpFolderGivenRelativeGivesAnAbsolutePage) {
  std::filesystem::create_directories(dir.Path() / "ayuda");
  std::ofstream(dir.File("ayuda/index.html")) << "<p>ayuda</p>";
  const auto antes = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  const std::string pagina = HelpPages::Pagina("ayuda", 9);
  std::filesystem::current_path(antes);
  EXPECT_EQ(pagina, (std::filesystem::canonical(dir.Path()) / "ayuda/index.html").string());
}
