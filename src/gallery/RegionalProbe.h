/*
** RegionalProbe: what the regional checks of a_c_w make of a machine's
** settings, told without showing anything: each check's outcome, the text
** its probe gave and the message it would have shown.
**
** The checks show their message through the message-box seam; the probe
** runs them with a recording service put in its place for the call and
** takes the message from it, then puts the previous service back, also
** when a check raises.
*/
#pragma once

#include <string>

#include "common/RegionalSettings.h"

struct RegionalOutcome {
  bool numerosValidos = false;
  bool fechaValida = false;
  std::string numeroProbado;   // 1500.33 as "0,000.00" writes it
  std::string fechaProbada;    // "10/12/90" read, then written as a short date
  std::string mensajeNumeros;  // empty when the check passed
  std::string mensajeFecha;
};

class RegionalProbe {
 public:
  static RegionalOutcome Probar(const RegionalSettings& rs = RegionalSettings::FromMachine());
  // The settings as an operator reads them, one line.
  static std::string Describir(const RegionalSettings& rs);
};
