/*
** DesktopSetup: how every windowed program sets up the desktop it draws
** on, once its QApplication exists and before its first window.
**
**   - Qt's own texts speak Spanish, whatever the machine's LANG says, since
**     every text of the system is Spanish anyway: the file dialog, the
**     input box and everything else Qt draws for the program come from
**     Qt's catalogue qtbase_es.qm, read from Qt's translations folder
**     (Debian's qt6-translations-l10n). Where the catalogue is missing or
**     unreadable the program says so once on standard error, naming the
**     file and the package, and goes on: Qt's dialogs then speak English,
**     except the buttons of message and input boxes, which the program
**     names itself (QtMessageBox, QtInputBox).
**   - Qt's default locale is the operator's (es_AR): the numbers and dates
**     that the program's widgets write through QLocale. The file dialog's
**     dates and sizes follow the machine's own locale, which Qt reads from
**     the environment and which the program leaves alone.
**   - One face for every window, UiFont: the places in twips were made for
**     an 8-point sans-serif, so the face is Liberation Sans (Arial's
**     widths, on Debian's fonts-liberation), or Arial where that is what
**     the machine has, at 8.25 points; titles take larger sizes of it.
*/
#pragma once

#include <QFont>
#include <QString>

class DesktopSetup {
 public:
  static constexpr const char* kCatalogue = "qtbase_es";

  // All of the above; `program` names the program in the notice.
  static void Apply(const char* program);
  // Installs Qt's Spanish catalogue from `folder`; false, after the notice,
  // when it is not there.
  static bool LoadSpanish(const QString& folder, const char* program);
  static QFont UiFont();
};
