/*
** The desktop of the windowed programs. See DesktopSetup.h.
*/
#include "platform/ui/DesktopSetup.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

void DesktopSetup::Apply(const char* program) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  QApplication::setFont(UiFont());
  LoadSpanish(QLibraryInfo::path(QLibraryInfo::TranslationsPath), program);
}

bool DesktopSetup::LoadSpanish(const QString& folder, const char* program) {
  auto* catalogue = new QTranslator(QCoreApplication::instance());
  if (catalogue->load(QString::fromLatin1(kCatalogue), folder) &&
      QCoreApplication::installTranslator(catalogue)) {
    return true;
  }
  delete catalogue;
  std::cerr << program << ": no se pudo leer la traducción de Qt al español ("
            << QDir(folder).filePath(QString::fromLatin1(kCatalogue) + ".qm").toStdString()
            << "; paquete qt6-translations-l10n): los diálogos de Qt se muestran en inglés, "
               "salvo los botones de los mensajes.\n";
  return false;
}

QFont DesktopSetup::UiFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  return font;
}
