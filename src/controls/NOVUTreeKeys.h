/*
** NOVUTreeKeys: the keys of the lazy tree's nodes.
**
** A key is "A" followed by codes, each written with at least six digits,
** zero-padded ("A000012000007"); a code of more than six digits is
** written whole, and then the fixed positions that ClavesDesdeKey reads no
** longer line up. A value is first read as a number from the start of its
** regional text form, as the platform's Val reads it ("12abc" is 12, "x"
** is 0); a fraction rounds half away from zero.
**
** ClavesDesdeKey reads the codes back, deepest first: element 0 is the
** last six characters (the node's own code); a key of 13 or more
** characters adds characters 2-7 (the first code after "A"); one of 21 or
** more adds characters 8-13. So a 19-character key (two values and a code)
** gives two elements and a 25-character key three; longer keys give no
** more.
*/
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Variant.h"

class NOVUTreeKeys {
 public:
  // The number at the start of `texto`, as the platform's Val reads it:
  // blanks anywhere are skipped, then a sign, digits, a "." fraction and
  // an exponent; "&H" and "&O" read hexadecimal and octal.
  static double Val(std::string_view texto);
  // Val of the value's regional text form (Null is AppError 94).
  static double ValorDe(const Variant& valor);
  // One code as written in a key: at least six digits.
  static std::string Codigo(double valor);
  // "A", the values (outermost first), then the code.
  static std::string Clave(const std::vector<Variant>& valores, const Variant& codigo);
  // "A", then the codes from the last element down to the first.
  static std::string ClaveNodo(const std::vector<double>& codigos);
  static std::vector<double> ClavesDesdeKey(const std::string& clave);
};
