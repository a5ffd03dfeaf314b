#include "gallery/ui/WindowsPage.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "common/AppError.h"
#include "controls/ui/ControlIcons.h"
#include "forms/a_c_graph.h"
#include "forms/ui/QtWindowFactory.h"
#include "gallery/GalleryReports.h"
#include "graphics/ui/QtPicture.h"
#include "platform/MessageBoxService.h"

namespace {

constexpr int32_t kMensajeGaleria = 1;
constexpr int32_t kAyudaGaleria = 0;

std::shared_ptr<QtPicture> Dibujo() {
  return QtPicture::From(ControlIcons::Icon(QStringLiteral("bot_respaldo"), 64).pixmap(64, 64));
}

}  // namespace

WindowsPage::WindowsPage(std::function<dao::Database&()> propia, const std::string& carpetaAyuda,
                         QWidget* parent)
    : GalleryPage("ventanas", parent),
      fabrica_(std::make_unique<QtWindowFactory>()),
      graph_(std::make_unique<a_c_graph>(*fabrica_, carpetaAyuda)),
      propia_(std::move(propia)) {
  connect(Boton("Acerca de...", "La ventana de información del programa.", 0),
          &QPushButton::clicked, this, [this] {
            graph_->AcercaDe_Mostrar("Release 1", "Galería", "", false, "Remendor",
                                     "Galería de los controles de la biblioteca", Dibujo());
          });
  connect(Boton("Pantalla de inicio",
                "La misma ventana mientras un programa arranca: muestra su avance y se cierra "
                "sola.",
                1),
          &QPushButton::clicked, this, &WindowsPage::Splash);
  connect(Boton("Bienvenida", "La ventana de bienvenida, con su ayuda (F1 o «Ver ayuda»).", 2),
          &QPushButton::clicked, this, [this] {
            const bool mostrar =
                graph_->InicioMensaje_Mostrar("Galería de controles de Remendor", kAyudaGaleria);
            respuesta_->setText(
                QString::fromStdString(GalleryReports::Welcome(graph_->WelcomeStarted(), mostrar)));
          });
  connect(Boton("Mensaje de una vez",
                "Se muestra hasta que se marca «No volver a mostrar»; la respuesta queda en la "
                "tabla Configuracion.",
                3),
          &QPushButton::clicked, this, [this] {
            // The button is the operator's: the engine's errors are told.
            try {
              graph_->MensajePantalla_Mostrar(
                  kMensajeGaleria, "Aviso de la galería",
                  "Este mensaje vuelve cada vez que se pulsa el botón, hasta que se marque "
                  "la casilla de abajo antes de aceptar.",
                  propia_());
              respuesta_->setText(QString::fromUtf8("El mensaje de una vez se cerró."));
            } catch (const AppError& e) {
              MsgBox(e.Description());
            }
          });
  connect(Boton("Aviso de cierre", "El aviso que se muestra mientras un programa termina.", 4),
          &QPushButton::clicked, this, [this] {
            graph_->Cerrando_Mostrar(Dibujo(), [] {
              // The closing work a program would do while the notice shows.
              QEventLoop espera;
              QTimer::singleShot(1500, &espera, &QEventLoop::quit);
              espera.exec();
            });
            respuesta_->setText(QString::fromUtf8("El aviso de cierre terminó."));
          });
  respuesta_ = Etiqueta(QString(), QRect(120, 5200, 10500, 400));
}

WindowsPage::~WindowsPage() = default;

QPushButton* WindowsPage::Boton(const char* texto, const char* explicacion, int fila) {
  auto* boton = new QPushButton(QString::fromUtf8(texto), Area());
  Ubicar(*boton, QRect(120, 120 + fila * 900, 2800, 480));
  Etiqueta(QString::fromUtf8(explicacion), QRect(3100, 120 + fila * 900, 7500, 700));
  return boton;
}

void WindowsPage::Splash() {
  graph_->AcercaDe_Mostrar("Release 1", "Galería", "", true, "Remendor",
                           "Galería de los controles de la biblioteca", Dibujo());
  const char* const pasos[] = {"Abriendo la base de datos...", "Leyendo la configuración...",
                               "Cargando los controles...", "Listo."};
  int demora = 0;
  for (const char* paso : pasos) {
    demora += 700;
    QTimer::singleShot(demora, this, [this, paso] { graph_->AcercaDe_Actualizar(paso); });
  }
  QTimer::singleShot(demora + 700, this, [this] { graph_->AcercaDe_Descargar(); });
}
