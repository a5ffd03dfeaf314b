/*
** Names of new objects. See JetObjectName.h.
*/
#include "dao/sql/JetObjectName.h"

#include <string>

#include "dao/sql/JetErrors.h"

namespace dao {

bool JetObjectName::IsValid(std::string_view name) {
  if (name.empty() || name.front() == ' ') return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || c == '.' || c == '!' || c == '`' || c == '[' || c == ']') return false;
  }
  return true;
}

void JetObjectName::CheckNew(std::string_view name) {
  if (!IsValid(name)) jeterr::Raise(jeterr::msg::kInvalidName, {std::string(name)});
}

}  // namespace dao
