/*
** SqlQuote: writes a name as an SQLite identifier ("name", with inner
** quotes doubled), the one way the engine spells names in the SQL it builds.
*/
#pragma once

#include <string>
#include <string_view>

namespace dao {

inline std::string QuoteIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

}  // namespace dao
