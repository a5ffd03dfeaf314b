/*
** remendor: the repair program. It opens its one window, FrmReparar, and
** ends when that window closes (by its exit button or by the system menu).
**
** Without arguments the program opens the window, as it always did. Its
** own options are --help and --version, alone; they answer on standard
** output before Qt starts, so that they work without a display. Anything
** else goes to Qt first, which takes its own options (-platform, -style,
** ...); an argument left over is a usage error (exit status 2), not
** something quietly ignored.
**
** The installation comes from novuPath.sys in the Windows folder, which off
** Windows is the folder named by the environment variable WINDIR; the
** repair metadata lies beside the executable.
**
** REMENDOR_EXIT_AT_FIRST_PAINT makes it end at its window's first paint,
** for the start-up benchmark (FirstPaint).
*/
#include <QApplication>
#include <iostream>
#include <string>

#include "platform/MessageBoxService.h"
#include "platform/PlatformFolders.h"
#include "platform/ui/DesktopSetup.h"
#include "platform/ui/FirstPaint.h"
#include "platform/ui/QtServices.h"
#include "repair/ProgramFolder.h"
#include "repair/ProgramHelp.h"
#include "repair/ui/FrmReparar.h"

namespace {

const char* const kUsage = "Uso: remendor [--help | --version]\n";

const char* const kAbout =
    "\n"
    "Abre la ventana que repara la base de datos de la instalación de VORA:\n"
    "muestra la instalación que nombra novuPath.sys; el operador elige la versión\n"
    "y pulsa el botón de migrar (arriba en la barra). La reparación pone en 0 los\n"
    "importes nulos, reconstruye las tablas que los metadatos marcan, guarda la\n"
    "versión y deja la base encriptada; la lista de resultados dice cómo terminó.\n"
    "Sin argumentos abre la ventana; acepta además las opciones propias de Qt\n"
    "(-platform, -style, ...).\n"
    "\n"
    "  --help      muestra esta ayuda\n"
    "  --version   muestra la versión\n"
    "\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kUsage << kAbout
              << WhereItLooks(platform::WindowsDirectory(), ProgramFolder(argv[0]));
    return 0;
  }
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << VersionLine("remendor");
    return 0;
  }

  QApplication app(argc, argv);
  if (argc > 1) {
    std::cerr << "remendor: argumento desconocido: " << argv[1] << "\n\n"
              << kUsage << "Más información: remendor --help\n";
    return 2;
  }
  QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
  DesktopSetup::Apply("remendor");
  QtServices::InstallAll();

  FrmReparar ventana;
  FirstPaint::Watch(ventana);
  ventana.show();
  return QApplication::exec();
}
