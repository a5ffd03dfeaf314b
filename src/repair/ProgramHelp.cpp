/*
** The common parts of the programs' helps. See ProgramHelp.h.
*/
#include "repair/ProgramHelp.h"

#ifndef REMENDOR_VERSION
#error "The build names the version: REMENDOR_VERSION"
#endif

std::string VersionLine(const std::string& program) {
  return program + " " + REMENDOR_VERSION + "\n";
}

std::string WhereItLooks(const std::string& windowsFolder, const std::string& programFolder) {
#ifdef _WIN32
  const std::string where = "  novuPath.sys   en la carpeta de Windows (" + windowsFolder + ").\n";
#else
  const std::string windows =
      windowsFolder.empty() ? "WINDIR no está definida" : "ahora " + windowsFolder;
  const std::string where =
      "  novuPath.sys   en la carpeta de Windows; fuera de Windows, en la carpeta que\n"
      "                 nombra la variable de entorno WINDIR (" +
      windows + ").\n";
#endif
  return "Dónde busca:\n" + where +
         "                 Su primera línea es la carpeta de la instalación.\n"
         "  Remendor.mdb   los metadatos de reparación, junto al programa (" +
         programFolder +
         ");\n"
         "                 si el operador puede escribirlos, cada reparación los\n"
         "                 desencripta y los vuelve a encriptar en su lugar; si no,\n"
         "                 los lee de una copia privada, sin cambiarlos.\n";
}
