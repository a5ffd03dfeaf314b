/*
** AddressKey: the key of an address in the editor's list: "A"
** followed by the address code in decimal. A key always begins with a
** letter because the list refuses keys that are numbers.
*/
#pragma once

#include <cstdint>
#include <string>

class AddressKey {
 public:
  static std::string DesdeCodigo(int32_t codigo) { return "A" + std::to_string(codigo); }
  // The code after the first character; type mismatch (13) when the rest
  // is no whole number, overflow (6) when it does not fit a Long.
  static int32_t CodigoDesdeClave(const std::string& clave);
};
