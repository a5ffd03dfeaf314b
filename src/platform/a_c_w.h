/*
** a_c_w: the library's class for the Windows installation itself: the
** Windows folder and the system folder, each ending in the separator, and
** the two text routines behind them; the checks of the regional formats the
** maker's applications are built for; the installation of their barcode
** fonts. No stored state.
**
** A folder the platform cannot give comes back as an empty text, which
** callers then use as a relative path (the current folder).
**
** The regional checks only warn: they change no setting. They probe the
** settings they are given (the machine's by default) with the date text
** "10/12/90" and the number 1500.33, and show their fixed message through
** the message-box seam when the probe fails.
**
** InstalarFuente copies the TrueType file into the platform's fonts folder
** when it is not there yet, then registers it through the font-platform seam
** (FontPlatform.h), whatever the outcome of each step. It traps nothing: a
** copy that fails is raised (AppError 70, or 76 for a missing source
** folder), and leaves no partial file behind.
*/
#pragma once

#include <cstdint>
#include <string>

#include "common/RegionalSettings.h"

class a_c_w {
 public:
  std::string DirWindows() const;
  std::string DirSystemWindows() const;

  // pString up to, not including, its first character of code 0.
  static std::string SacarUltimo(const std::string& pString);
  // Makes PPath end in the separator: trailing blanks are dropped first,
  // unless it already ends in the separator (then it is left untouched).
  static void agregarBarra(std::string& PPath);

  // True when numbers format with "," as decimal and "." as thousands
  // separator; otherwise shows kMensajeNumeros and returns false.
  bool ChkNumerosValidos(const RegionalSettings& rs = RegionalSettings::FromMachine()) const;
  // True when dates format as day/month/four-digit year with "/"; otherwise
  // shows kMensajeFecha and returns false.
  bool ChkFechaValida(const RegionalSettings& rs = RegionalSettings::FromMachine()) const;

  // Installs the barcode font of Tipo (1: "3of9.ttf", any other: "bar25IT.ttf")
  // from the folder Path.
  void InstalarFuente(const std::string& Path, int32_t Tipo) const;

  static const char* const kMensajeNumeros;
  static const char* const kMensajeFecha;

 private:
  static bool ValidarFormatoFecha(const RegionalSettings& rs);
  static bool ValidarFormatoNumero(const RegionalSettings& rs);
};
