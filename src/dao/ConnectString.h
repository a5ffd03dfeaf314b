/*
** ConnectString: reads a value from a connect string such as
** ";PWD=secret" or ";DATABASE=C:\Datos\Novu.mdb;PWD=x". Keys are matched
** ignoring case; a value runs to the next ";". A missing key gives "".
*/
#pragma once

#include <string>
#include <string_view>

#include "common/TextCase.h"

namespace dao {

inline std::string ConnectValue(std::string_view connect, std::string_view key) {
  size_t pos = 0;
  while (pos <= connect.size()) {
    size_t end = connect.find(';', pos);
    if (end == std::string_view::npos) end = connect.size();
    std::string_view part = connect.substr(pos, end - pos);
    size_t eq = part.find('=');
    if (eq != std::string_view::npos && TextCase::Equal(part.substr(0, eq), key)) {
      return std::string(part.substr(eq + 1));
    }
    pos = end + 1;
  }
  return std::string();
}

}  // namespace dao
