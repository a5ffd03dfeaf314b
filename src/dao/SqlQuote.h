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

// Case-insensitive comparison of names, as the engine matches them (ASCII
// letters; the names the system uses are ASCII).
inline bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i++) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

}  // namespace dao
