/*
** Names of new objects. See JetObjectName.h.
*/
#include "dao/sql/JetObjectName.h"

#include <string>

#include "dao/sql/JetErrors.h"

namespace dao {

bool JetObjectName::IsValid(std::string_view name) {
  if (name.empty() || name.front() == ' ') return false;
  std::size_t characters = 0;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || c == '.' || c == '!' || c == '`' || c == '[' || c == ']') return false;
    // Names are UTF-8: continuation bytes are no characters of their own.
    if ((u & 0xC0) != 0x80) ++characters;
  }
  return characters <= kMaxLength;
}

void JetObjectName::CheckNew(std::string_view name) {
  if (!IsValid(name)) jeterr::Raise(jeterr::msg::kInvalidName, {std::string(name)});
}

}  // namespace dao
