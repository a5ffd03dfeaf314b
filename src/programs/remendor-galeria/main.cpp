/*
** remendor-galeria: the gallery of the library's controls and standard
** windows, each on a page of its own, live on the demonstration data that
** `remendor-db demo` makes.
**
** Without arguments it makes a new sample in a scratch folder; with one, it
** takes that folder (made by `remendor-db demo`). Either way it works on
** copies, which go when it ends. --help and --version answer on standard
** output before Qt starts, so that they work without a display; Qt's own
** options go to Qt; a second argument is a usage error (exit status 2). A
** sample that cannot be read is reported on standard error (exit status 1).
*/
#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "address/ui/FrmDomicilios.h"
#include "common/AppError.h"
#include "gallery/ui/GalleryWindow.h"
#include "platform/MessageBoxService.h"
#include "platform/ui/DesktopSetup.h"
#include "platform/ui/FirstPaint.h"
#include "platform/ui/QtServices.h"
#include "repair/ProgramHelp.h"
#include "samples/SampleGalleryData.h"

namespace {

const char* const kUsage = "Uso: remendor-galeria [CARPETA | --help | --version]\n";

const char* const kAbout =
    "\n"
    "Abre la galería de los controles de la biblioteca: una pestaña por control y por\n"
    "ventana estándar (barra de botones, lista de resultados, combo, listas, árbol,\n"
    "archivos y carpetas, importes, domicilios, ventanas estándar y configuración\n"
    "regional), cada una sobre los datos de la instalación de muestra.\n"
    "CARPETA es una muestra hecha con `remendor-db demo CARPETA`; sin ella la galería\n"
    "crea una nueva en una carpeta temporal. La galería trabaja sobre una copia: la\n"
    "carpeta queda como estaba. Acepta además las opciones propias de Qt\n"
    "(-platform, -style, ...).\n"
    "\n"
    "  --help      muestra esta ayuda\n"
    "  --version   muestra la versión\n"
    "\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    const char* tmp = std::getenv("TMPDIR");
    std::cout << kUsage << kAbout << "La muestra nueva y las copias van a "
              << (tmp && *tmp ? tmp : "/tmp") << " (TMPDIR), en una carpeta remendor-galeria-*.\n";
    return 0;
  }
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << VersionLine("remendor-galeria");
    return 0;
  }

  QApplication app(argc, argv);
  if (argc > 2) {
    std::cerr << "remendor-galeria: argumento de más: " << argv[2] << "\n\n"
              << kUsage << "Más información: remendor-galeria --help\n";
    return 2;
  }
  QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
  DesktopSetup::Apply("remendor-galeria");
  QtServices::InstallAll();

  try {
    SampleGalleryData demo(argc == 2 ? argv[1] : "");
    GalleryWindow ventana(demo,
                          [](QWidget* padre) { return std::make_unique<FrmDomicilios>(padre); });
    FirstPaint::Watch(ventana);
    ventana.show();
    const int estado = QApplication::exec();
    return estado;
  } catch (const AppError& e) {
    std::cerr << "remendor-galeria: error " << e.Number() << ": " << e.Description() << '\n';
    return 1;
  }
}
