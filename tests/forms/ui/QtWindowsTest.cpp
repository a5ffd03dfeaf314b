// The standard windows on Qt, under simulated input: that each window's
// widgets carry what its logic tells them and send back what the operator
// does (the logic itself is StandardWindowsTest's), the routines on real
// widgets and the tiled background. With REMENDOR_FORMS_SHOTS set to a
// folder, the windows are saved there as pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "controls/ui/ControlIcons.h"
#include "dao/DBEngine.h"
#include "forms/FrmXInicioMensajeModel.h"
#include "forms/a_c_graph.h"
#include "forms/ui/FrmXAcercaDe.h"
#include "forms/ui/FrmXCerrando.h"
#include "forms/ui/FrmXInicioMensaje.h"
#include "forms/ui/FrmXMensaje.h"
#include "forms/ui/QtFormWindow.h"
#include "forms/ui/QtWindowFactory.h"
#include "forms/ui/TiledBackground.h"
#include "graphics/ui/QtGraphicObject.h"
#include "graphics/ui/QtPicture.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

// Receives the pages that the desktop is asked to open.
class FakeDesktop : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

namespace {

template <typename T>
T* TopLevel(const char* name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(name) && w->isVisible()) return qobject_cast<T*>(w);
  }
  return nullptr;
}

void Snapshot(QWidget& w, const char* file) {
  if (const char* folder = std::getenv("REMENDOR_FORMS_SHOTS"))
    w.grab().save(QString::fromLocal8Bit(folder) + "/" + file);
}

// Runs `action` once the modal window it waits for is up; a guard ends
// any modal window left open, so that a failing test cannot hang.
void WhenModalOpens(std::function<void()> action) {
  QTimer::singleShot(0, [action] { action(); });
  QTimer::singleShot(10000, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
}

// The window's centre lies near its screen's centre: the window is placed
// before it is shown, when the window system's frame is not known yet.
void ExpectCentred(const QWidget& w) {
  const QPoint centre = w.frameGeometry().center();
  const QPoint screen = w.screen()->geometry().center();
  EXPECT_LE((centre - screen).manhattanLength(), 8) << centre.x() << "," << centre.y();
}

QPixmap IconPixmap() {
  return ControlIcons::Icon(QStringLiteral("bot_respaldo"), 64).pixmap(64, 64);
}

class QtWindowsTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScopedService<RecordingMessageBox> boxes;
  QtWindowFactory factory;
  a_c_graph graph{factory, dir.File("ayuda")};
};

}  // namespace

TEST_F(QtWindowsTest, TheSplashShowsProgressAndOnlyUnloadingClosesIt) {
  graph.AcercaDe_Mostrar("Release 3", "Versión 27", "PRE -BETA 2", true, "V.O.R.A.",
                         "Declaraciones juradas de sueldos", QtPicture::From(IconPixmap()));
  auto* acerca = TopLevel<FrmXAcercaDe>("frmXAcercaDe");
  ASSERT_NE(acerca, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(acerca));
  EXPECT_EQ(acerca->windowTitle().toStdString(), "Acerca De...");
  EXPECT_EQ(acerca->LblTitulo1()->text() + "|" + acerca->txtTitulo(1)->text() + "|" +
                acerca->lblVersion()->text() + "|" + acerca->lblRelease()->text(),
            "V.O.R.A.|Declaraciones juradas de sueldos|Versión 27|Release 3");
  EXPECT_EQ(acerca->LblBeta()->text(), acerca->LblBeta2()->text());
  EXPECT_FALSE(acerca->lblDerechos()->isVisible());
  EXPECT_FALSE(acerca->Img()->pixmap().isNull());
  ExpectCentred(*acerca);

  graph.AcercaDe_Actualizar("Abriendo la base de datos...");
  EXPECT_EQ(acerca->lblEstado()->text().toStdString(), "Abriendo la base de datos...");
  Snapshot(*acerca, "ventana-acerca-de.png");
  QTest::mouseClick(acerca->Img(), Qt::LeftButton);
  QTest::mouseClick(acerca->CmdFondo(), Qt::LeftButton);
  acerca->close();
  EXPECT_TRUE(acerca->isVisible());
  graph.AcercaDe_Descargar();
  EXPECT_EQ(TopLevel<FrmXAcercaDe>("frmXAcercaDe"), nullptr);
}

TEST_F(QtWindowsTest, TheAboutBoxClosesOnAClickOnAnyPart) {
  for (const char* parte : {"LblTitulo1", "lblEstado", "CmdFondo", "txtTitulo(1)"}) {
    graph.AcercaDe_Mostrar("R", "V", "B", false, "N", "D", nullptr);
    auto* acerca = TopLevel<FrmXAcercaDe>("frmXAcercaDe");
    ASSERT_NE(acerca, nullptr);
    EXPECT_TRUE(acerca->lblDerechos()->isVisible());
    QTest::mouseClick(acerca->findChild<QWidget*>(QLatin1String(parte)), Qt::LeftButton);
    EXPECT_FALSE(acerca->isVisible()) << parte;
    EXPECT_EQ(graph.AcercaDe(), nullptr);
  }
}

TEST_F(QtWindowsTest, TheWelcomeOpensHelpWithF1AndReturnsTheStartChoice) {
  FakeDesktop escritorio;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &escritorio, "Open");
  std::filesystem::create_directories(dir.Path() / "ayuda");
  std::ofstream(dir.File("ayuda/4100.html")) << "<p>Inicio</p>";
  bool visto = false;
  WhenModalOpens([&] {
    auto* inicio = qobject_cast<FrmXInicioMensaje*>(QApplication::activeModalWidget());
    ASSERT_NE(inicio, nullptr);
    visto = true;
    EXPECT_EQ(inicio->lblNombreFrente()->text().toStdString(), "¡ Bienvenido a VORA 27!");
    EXPECT_EQ(inicio->lblNombreFondo()->text(), inicio->lblNombreFrente()->text());
    EXPECT_EQ(inicio->lblMensaje()->text().toStdString(), FrmXInicioMensajeModel::kMensaje);
    EXPECT_EQ(inicio->btnAyuda()->text() + "|" + inicio->btnInicio()->text() + "|" +
                  inicio->chkNoMostrar()->text(),
              QString::fromUtf8("Ver ayuda|Salir y ejecutar el sistema|No mostrar esta ventana "
                                "cada vez que inicia el sistema"));
    ExpectCentred(*inicio);
    Snapshot(*inicio, "ventana-inicio-mensaje.png");
    QTest::mouseClick(inicio->btnAyuda(), Qt::LeftButton);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QCoreApplication::processEvents();  // the F1 the button sent
    QTest::keyClick(inicio->chkNoMostrar(), Qt::Key_F1);
    QTest::mouseClick(inicio->chkNoMostrar(), Qt::LeftButton);
    QTest::mouseClick(inicio->btnInicio(), Qt::LeftButton);
  });
  EXPECT_FALSE(graph.InicioMensaje_Mostrar("VORA 27", 4100));  // ticked: not again
  EXPECT_TRUE(visto);
  ASSERT_EQ(escritorio.opened.size(), 2);
  EXPECT_EQ(escritorio.opened[0],
            QUrl::fromLocalFile(QString::fromStdString(dir.File("ayuda/4100.html"))));
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

  // Started with Return, the default; then closed by its frame, which
  // keeps the answer.
  WhenModalOpens([] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
  EXPECT_TRUE(graph.InicioMensaje_Mostrar("VORA 27", 4100));
  WhenModalOpens([] { QApplication::activeModalWidget()->close(); });
  EXPECT_TRUE(graph.InicioMensaje_Mostrar("VORA 27", 4100));
  EXPECT_TRUE(boxes->Boxes().empty());
}

// Not showing it again is StandardWindowsTest's; here, that the tick and
// the button reach the logic, which stores the code.
TEST_F(QtWindowsTest, TheMessagesTickAndButtonReachTheLogic) {
  dao::Database db = dao::DBEngine::CreateDatabase(dir.File("app.mdb"), "");
  db.Execute("CREATE TABLE Configuracion (CodItem LONG)");
  bool seen = false;
  WhenModalOpens([&] {
    auto* message = qobject_cast<FrmXMensaje*>(QApplication::activeModalWidget());
    ASSERT_NE(message, nullptr);
    seen = true;
    EXPECT_EQ(message->windowTitle().toStdString(), "Novedades");
    EXPECT_EQ(message->lblMensaje()->text().toStdString(), "Nuevo régimen de asignaciones.");
    EXPECT_EQ(message->btnAceptar()->text() + "|" + message->chkNoVolver()->text(),
              "&Aceptar|No volver a mostrar este mensaje en el futuro.");
    ExpectCentred(*message);
    Snapshot(*message, "ventana-mensaje.png");
    QTest::mouseClick(message->chkNoVolver(), Qt::LeftButton);
    QTest::mouseClick(message->btnAceptar(), Qt::LeftButton);
  });
  graph.MensajePantalla_Mostrar(12, "Novedades", "Nuevo régimen de asignaciones.", db);
  EXPECT_TRUE(seen);
  EXPECT_EQ(db.OpenRecordset("select CodItem from Configuracion").Fields(0).Value().ToLong(), 12);
}

TEST_F(QtWindowsTest, TheClosingNoticeIsOnScreenWhileTheWorkRuns) {
  bool enPantalla = false;
  graph.Cerrando_Mostrar(QtPicture::From(IconPixmap()), [&] {
    auto* cerrando = TopLevel<FrmXCerrando>("frmXCerrando");
    ASSERT_NE(cerrando, nullptr);
    enPantalla = true;
    EXPECT_EQ(cerrando->Label2()->text() + "|" + cerrando->Label1()->text(),
              "Espere mientras se cierra el sistema...|Recuerde realizar diariamente un respaldo "
              "de la información.");
    EXPECT_FALSE(cerrando->picIcono()->pixmap().isNull());
    ExpectCentred(*cerrando);
    Snapshot(*cerrando, "ventana-cerrando.png");
  });
  EXPECT_TRUE(enPantalla);
  EXPECT_EQ(TopLevel<FrmXCerrando>("frmXCerrando"), nullptr);
}

// The routine's rules are a_c_graphTest's; here, what each kind of real
// widget makes of Text, Value and Enabled.
TEST_F(QtWindowsTest, DisablingAGroupBoxClearsItsOwnControls) {
  QWidget ventana;
  auto* marco = new QGroupBox(&ventana);
  auto* texto = new QLineEdit(QStringLiteral("Calle Falsa 123"), marco);
  auto* casilla = new QCheckBox(marco);
  casilla->setChecked(true);
  auto* lista = new QComboBox(marco);
  lista->addItems({QStringLiteral("Fiscal"), QStringLiteral("Legal")});
  auto* opcion = new QRadioButton(marco);
  opcion->setChecked(true);
  auto* etiqueta = new QLabel(QStringLiteral("Calle:"), marco);
  auto* profundo = new QLineEdit(QStringLiteral("adentro"), new QGroupBox(marco));

  QtGraphicObject oCont(*marco);
  graph.HabilitarControlesContenedor(oCont, false);
  EXPECT_FALSE(marco->isEnabled());
  EXPECT_TRUE(texto->text().isEmpty());
  EXPECT_FALSE(casilla->isChecked());
  EXPECT_EQ(lista->currentIndex(), -1);
  EXPECT_FALSE(opcion->isChecked());
  EXPECT_EQ(etiqueta->text(), QStringLiteral("Calle:"));
  EXPECT_TRUE(etiqueta->testAttribute(Qt::WA_ForceDisabled));
  EXPECT_EQ(profundo->text(), QStringLiteral("adentro"));
  EXPECT_FALSE(profundo->testAttribute(Qt::WA_ForceDisabled));
  graph.HabilitarControlesContenedor(oCont, true);
  EXPECT_TRUE(texto->isEnabled());
  EXPECT_TRUE(casilla->isEnabled());

  // What a label lacks, and a window's own properties.
  QtGraphicObject objeto(*etiqueta);
  EXPECT_FALSE(a_c_graph::DarPropiedad(objeto, "Text").encontrada);
  EXPECT_FALSE(a_c_graph::DarPropiedad(objeto, "Value").encontrada);
  QtGraphicObject raiz(ventana);
  EXPECT_FALSE(a_c_graph::DarPropiedad(raiz, "Parent").encontrada);
  EXPECT_EQ(ErrorOf([&] { QtGraphicObject(*marco).Controls(); }), 438);
}

TEST_F(QtWindowsTest, AnMdiChildIsCentredInItsAreaOrLeftWhereItIs) {
  QMdiArea area;
  area.resize(800, 600);
  area.show();
  auto* hija = new QWidget;
  QMdiSubWindow* sub = area.addSubWindow(hija);
  sub->resize(300, 200);
  sub->move(5, 7);
  sub->show();
  QtFormWindow formulario(*hija);
  ASSERT_TRUE(formulario.MDIChild());
  graph.CentrarFormulario(formulario);
  EXPECT_EQ(sub->pos(), QPoint(5, 7));
  QtFormWindow marco(area);
  graph.CentrarFormulario(formulario, &marco);
  const QPoint esperado((area.viewport()->width() - 300) / 2,
                        (area.viewport()->height() - 200) / 2);
  EXPECT_LE((sub->pos() - esperado).manhattanLength(), 2);
}

// The places are TilingTest's; here, that the picture is drawn at them.
TEST_F(QtWindowsTest, DarMosaicoTilesAtFullAndHalfSize) {
  // Left half red, right half blue: the colours tell the tiles apart.
  QPixmap origen(8, 8);
  origen.fill(Qt::blue);
  QPainter(&origen).fillRect(0, 0, 4, 8, Qt::red);
  const QtPicture imagen(origen);
  for (const int escala : {100, 50}) {
    const QImage a = QtPicture::PixmapOf(graph.DarMosaico(imagen, 20, 10, escala).get()).toImage();
    ASSERT_EQ(a.size(), QSize(20, 10));
    const int tile = 8 * escala / 100;
    for (const int x : {0, 3, 4, 5, 7, 9, 13, 17, 18, 19}) {
      const QColor c = a.pixelColor(x, 5);
      EXPECT_EQ(c.red() > c.blue(), x % tile < tile / 2) << escala << " " << x;
      EXPECT_EQ(c.alpha(), 255) << x;
    }
  }
}

TEST_F(QtWindowsTest, TheTiledBackgroundCoversTheWidgetAtAnySize) {
  QPixmap origen(48, 48);
  origen.fill(QColor(230, 236, 245));
  QPainter(&origen).drawEllipse(QPoint(34, 14), 6, 6);
  TiledBackground fondo;
  EXPECT_EQ(ErrorOf([&] { fondo.SetImagen(origen, 0); }), 5);
  fondo.SetImagen(origen, 75);
  (new QLabel(QStringLiteral("Fondo en mosaico al 75 %"), &fondo))->move(12, 12);
  for (const QSize tam : {QSize(173, 97), QSize(480, 260), QSize(1, 1)}) {
    fondo.resize(tam);
    fondo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fondo));
    const QImage hecho = fondo.Fondo().toImage();
    ASSERT_EQ(hecho.size(), tam);
    // The corner farthest from the first tile is painted too.
    EXPECT_EQ(hecho.pixelColor(tam.width() - 1, tam.height() - 1).alpha(), 255);
    if (tam.width() == 480) Snapshot(fondo, "fondo-mosaico.png");
  }
}

#include "QtWindowsTest.moc"
