/*
** FileFilter: a file dialog's filter written as forms write it, turned
** into the form Qt's file dialogs take.
**
** Forms write description and pattern pairs separated by "|", patterns
** of one pair separated by ";":
**     "Bases de datos (*.mdb)|*.mdb|Todos los archivos|*.*"
** Qt takes one "description (patterns)" per entry, entries separated by
** ";;", patterns by blanks:
**     "Bases de datos (*.mdb);;Todos los archivos (*)"
** Rules:
**   - the patterns are added to the description in brackets; a
**     description that already ends with its own patterns in brackets
**     ("Bases de datos (*.mdb)") gets them once, as Qt writes them. Qt
**     reads the patterns from the last brackets, so a description such as
**     "Datos (*.mdb)" with the patterns "*.mdb;*.mde" still filters both;
**   - "*.*", which means every file to the people who write these filters,
**     becomes "*", since off Windows "*.*" would leave out names without a
**     dot;
**   - a description without a pattern (an odd last piece) or with an empty
**     one shows every file;
**   - an empty filter stays empty: the dialog then shows every file.
**
** DefaultExtension gives the extension a save dialog adds to a name typed
** without one while an entry (in Qt's form) is chosen: the extension of
** the entry's first pattern when it names one ("Textos (*.txt)" gives
** "txt", "Datos (*.mdb *.mde)" "mdb"); none for a pattern that matches
** every file or leaves the extension open ("*", "*.*", "*.d?b").
*/
#pragma once

#include <string>

class FileFilter {
 public:
  static std::string ToQt(const std::string& filter);
  static std::string DefaultExtension(const std::string& entry);
};
