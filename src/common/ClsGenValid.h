/*
** ClsGenValid: checks of the Argentine identifiers a user types: the CUIT
** (tax number, 11 digits), the CBU (bank account key, two blocks of 8 and 14
** digits entered as 23 characters with any one character between them) and
** the OXN staff number (legajo, 5 digits and 2 check digits).
**
** The caller stores the value in Dato and calls one check; no check changes
** Dato or shows anything. Dato is read as text under the regional settings;
** Null reads as the empty text, so it fails every check instead of raising.
**
** The CUIT and the CBU are weighed digit by digit, so they must be digits
** only: a sign, a separator or a blank inside them is refused (for the CBU
** with the "numbers only" message), even where such a text would pass as a
** number. The staff number is computed from numeric values and takes what
** the library's numeric test takes.
*/
#pragma once

#include <string>

#include "common/Variant.h"

class ClsGenValid {
 public:
  Variant Dato;

  // "" when Dato is a valid CBU, otherwise the message to show.
  std::string CBU_EsValida() const;
  bool ValidarLegajoOXN() const;
  bool ValidarCUIT() const;

 private:
  // Modulus-11 test of the check digit of an 11-digit CUIT.
  static bool ValidarDigitoCUIT(const std::string& cuit);
  std::string DatoText() const;
};
