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

TEST_F(QtWindowsTest, TheSplashClosesOnlyWhenUnloadedTheAboutBoxOnAClickOnAnyPart) {
  graph.AcercaDe_Mostrar("Release 3", "Versión 27", "PRE -BETA 2", true, "V.O.R.A.",
                         "Declaraciones juradas de sueldos", QtPicture::From(IconPixmap()));
  auto* about = TopLevel<FrmXAcercaDe>("frmXAcercaDe");
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  EXPECT_EQ(about->windowTitle().toStdString(), "Acerca De...");
  EXPECT_EQ(about->LblTitulo1()->text() + "|" + about->txtTitulo(1)->text() + "|" +
                about->lblVersion()->text() + "|" + about->lblRelease()->text(),
            "V.O.R.A.|Declaraciones juradas de sueldos|Versión 27|Release 3");
  EXPECT_EQ(about->LblBeta()->text(), about->LblBeta2()->text());
  EXPECT_FALSE(about->lblDerechos()->isVisible());
  EXPECT_FALSE(about->Img()->pixmap().isNull());
  ExpectCentred(*about);

  graph.AcercaDe_Actualizar("Abriendo la base de datos...");
  EXPECT_EQ(about->lblEstado()->text().toStdString(), "Abriendo la base de datos...");
  Snapshot(*about, "ventana-acerca-de.png");
  QTest::mouseClick(about->Img(), Qt::LeftButton);
  QTest::mouseClick(about->CmdFondo(), Qt::LeftButton);
  about->close();
  EXPECT_TRUE(about->isVisible());
  graph.AcercaDe_Descargar();
  EXPECT_EQ(TopLevel<FrmXAcercaDe>("frmXAcercaDe"), nullptr);

  // The about box, unlike the splash, closes on a click on any part.
  for (const char* part : {"LblTitulo1", "lblEstado", "CmdFondo", "txtTitulo(1)"}) {
    graph.AcercaDe_Mostrar("R", "V", "B", false, "N", "D", nullptr);
    auto* box = TopLevel<FrmXAcercaDe>("frmXAcercaDe");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->lblDerechos()->isVisible());
    QTest::mouseClick(box->findChild<QWidget*>(QLatin1String(part)), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible()) << part;
    EXPECT_EQ(graph.AcercaDe(), nullptr);
  }
}

TEST_F(QtWindowsTest, TheWelcomeOpensHelpWithF1AndReturnsTheStartChoice) {
  FakeDesktop desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "Open");
  std::filesystem::create_directories(dir.Path() / "ayuda");
  std::ofstream(dir.File("ayuda/4100.html")) << "<p>Inicio</p>";
  bool seen = false;
  WhenModalOpens([&] {
    auto* welcome = qobject_cast<FrmXInicioMensaje*>(QApplication::activeModalWidget());
    ASSERT_NE(welcome, nullptr);
    seen = true;
    EXPECT_EQ(welcome->lblNombreFrente()->text().toStdString(), "¡ Bienvenido a VORA 27!");
    EXPECT_EQ(welcome->lblNombreFondo()->text(), welcome->lblNombreFrente()->text());
    EXPECT_EQ(welcome->lblMensaje()->text().toStdString(), FrmXInicioMensajeModel::kMensaje);
    EXPECT_EQ(welcome->btnAyuda()->text() + "|" + welcome->btnInicio()->text() + "|" +
                  welcome->chkNoMostrar()->text(),
              QString::fromUtf8("Ver ayuda|Salir y ejecutar el sistema|No mostrar esta ventana "
                                "cada vez que inicia el sistema"));
    ExpectCentred(*welcome);
    Snapshot(*welcome, "ventana-inicio-mensaje.png");
    QTest::mouseClick(welcome->btnAyuda(), Qt::LeftButton);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QCoreApplication::processEvents();  // the F1 the button sent
    QTest::keyClick(welcome->chkNoMostrar(), Qt::Key_F1);
    QTest::mouseClick(welcome->chkNoMostrar(), Qt::LeftButton);
    QTest::mouseClick(welcome->btnInicio(), Qt::LeftButton);
  });
  EXPECT_FALSE(graph.InicioMensaje_Mostrar("VORA 27", 4100));  // ticked: not again
  EXPECT_TRUE(seen);
  ASSERT_EQ(desktop.opened.size(), 2);
  EXPECT_EQ(desktop.opened[0],
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
  bool onScreen = false;
  graph.Cerrando_Mostrar(QtPicture::From(IconPixmap()), [&] {
    auto* notice = TopLevel<FrmXCerrando>("frmXCerrando");
    ASSERT_NE(notice, nullptr);
    onScreen = true;
    EXPECT_EQ(notice->Label2()->text() + "|" + notice->Label1()->text(),
              "Espere mientras se cierra el sistema...|Recuerde realizar diariamente un respaldo "
              "de la información.");
    EXPECT_FALSE(notice->picIcono()->pixmap().isNull());
    ExpectCentred(*notice);
    Snapshot(*notice, "ventana-cerrando.png");
  });
  EXPECT_TRUE(onScreen);
  EXPECT_EQ(TopLevel<FrmXCerrando>("frmXCerrando"), nullptr);
}

// The routine's rules are a_c_graphTest's; here, what each kind of real
// widget makes of Text, Value and Enabled.
TEST_F(QtWindowsTest, DisablingAGroupBoxClearsItsOwnControls) {
  QWidget window;
  auto* frame = new QGroupBox(&window);
  auto* lineEdit = new QLineEdit(QStringLiteral("Calle Falsa 123"), frame);
  auto* checkBox = new QCheckBox(frame);
  checkBox->setChecked(true);
  auto* combo = new QComboBox(frame);
  combo->addItems({QStringLiteral("Fiscal"), QStringLiteral("Legal")});
  auto* option = new QRadioButton(frame);
  option->setChecked(true);
  auto* label = new QLabel(QStringLiteral("Calle:"), frame);
  auto* deep = new QLineEdit(QStringLiteral("adentro"), new QGroupBox(frame));

  QtGraphicObject oCont(*frame);
  graph.HabilitarControlesContenedor(oCont, false);
  EXPECT_FALSE(frame->isEnabled());
  EXPECT_TRUE(lineEdit->text().isEmpty());
  EXPECT_FALSE(checkBox->isChecked());
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_FALSE(option->isChecked());
  EXPECT_EQ(label->text(), QStringLiteral("Calle:"));
  EXPECT_TRUE(label->testAttribute(Qt::WA_ForceDisabled));
  EXPECT_EQ(deep->text(), QStringLiteral("adentro"));
  EXPECT_FALSE(deep->testAttribute(Qt::WA_ForceDisabled));
  graph.HabilitarControlesContenedor(oCont, true);
  EXPECT_TRUE(lineEdit->isEnabled());
  EXPECT_TRUE(checkBox->isEnabled());

  // What a label lacks, and a window's own properties.
  QtGraphicObject object(*label);
  EXPECT_FALSE(a_c_graph::DarPropiedad(object, "Text").encontrada);
  EXPECT_FALSE(a_c_graph::DarPropiedad(object, "Value").encontrada);
  QtGraphicObject root(window);
  EXPECT_FALSE(a_c_graph::DarPropiedad(root, "Parent").encontrada);
  EXPECT_EQ(ErrorOf([&] { QtGraphicObject(*frame).Controls(); }), 438);
}

TEST_F(QtWindowsTest, AnMdiChildIsCentredInItsAreaOrLeftWhereItIs) {
  QMdiArea area;
  area.resize(800, 600);
  area.show();
  auto* child = new QWidget;
  QMdiSubWindow* sub = area.addSubWindow(child);
  sub->resize(300, 200);
  sub->move(5, 7);
  sub->show();
  QtFormWindow form(*child);
  ASSERT_TRUE(form.MDIChild());
  graph.CentrarFormulario(form);
  EXPECT_EQ(sub->pos(), QPoint(5, 7));
  QtFormWindow frame(area);
  graph.CentrarFormulario(form, &frame);
  const QPoint expected((area.viewport()->width() - 300) / 2,
                        (area.viewport()->height() - 200) / 2);
  EXPECT_LE((sub->pos() - expected).manhattanLength(), 2);
}

// The places are TilingTest's; here, that the picture is drawn at them.
TEST_F(QtWindowsTest, DarMosaicoTilesAtFullAndHalfSize) {
  // Left half red, right half blue: the colours tell the tiles apart.
  QPixmap source(8, 8);
  source.fill(Qt::blue);
  QPainter(&source).fillRect(0, 0, 4, 8, Qt::red);
  const QtPicture image(source);
  for (const int scale : {100, 50}) {
    const QImage a = QtPicture::PixmapOf(graph.DarMosaico(image, 20, 10, scale).get()).toImage();
    ASSERT_EQ(a.size(), QSize(20, 10));
    const int tile = 8 * scale / 100;
    for (const int x : {0, 3, 4, 5, 7, 9, 13, 17, 18, 19}) {
      const QColor c = a.pixelColor(x, 5);
      EXPECT_EQ(c.red() > c.blue(), x % tile < tile / 2) << scale << " " << x;
      EXPECT_EQ(c.alpha(), 255) << x;
    }
  }
}

TEST_F(QtWindowsTest, TheTiledBackgroundCoversTheWidgetAtAnySize) {
  QPixmap source(48, 48);
  source.fill(QColor(230, 236, 245));
  QPainter(&source).drawEllipse(QPoint(34, 14), 6, 6);
  TiledBackground background;
  EXPECT_EQ(ErrorOf([&] { background.SetImagen(source, 0); }), 5);
  background.SetImagen(source, 75);
  (new QLabel(QStringLiteral("Fondo en mosaico al 75 %"), &background))->move(12, 12);
  for (const QSize size : {QSize(173, 97), QSize(480, 260), QSize(1, 1)}) {
    background.resize(size);
    background.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&background));
    const QImage painted = background.Fondo().toImage();
    ASSERT_EQ(painted.size(), size);
    // The corner farthest from the first tile is painted too.
    EXPECT_EQ(painted.pixelColor(size.width() - 1, size.height() - 1).alpha(), 255);
    if (size.width() == 480) Snapshot(background, "fondo-mosaico.png");
  }
}

#include "QtWindowsTest.moc"
