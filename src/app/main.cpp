/*
** remendor: the repair program. It opens its one window, FrmReparar, and
** ends when that window closes (by its exit button or by the system menu).
**
** The program takes no command-line arguments: anything after the program
** name is left alone (Qt's own options aside). The installation comes from
** novuPath.sys in the Windows folder, which off Windows is the folder named
** by the environment variable WINDIR; the repair metadata lies beside the
** executable.
*/
#include <QApplication>

#include "host/ui/QtFileDialog.h"
#include "host/ui/QtFileExplorer.h"
#include "host/ui/QtInputBox.h"
#include "host/ui/QtMessageBox.h"
#include "repair/ui/FrmReparar.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
  QtMessageBox::Install();
  QtFileDialog::Install();
  QtInputBox::Install();
  QtFileExplorer::Install();

  FrmReparar ventana;
  ventana.show();
  return QApplication::exec();
}
