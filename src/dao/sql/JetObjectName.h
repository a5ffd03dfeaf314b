/*
** JetObjectName: the names Jet refuses to give a new object.
**
** A table, a field, an index, a constraint or an alias may not hold ".",
** "!", "`", "[", "]" or a control character (codes 0 to 31), nor begin
** with a blank, nor be longer than 64 characters: creating one is error
** 3125, "'name' no es un nombre válido...". The rule binds only what is being created: a name that
*a
** file already holds (made elsewhere, or before the rule) is read, queried
** and dropped like any other.
*/
#pragma once

#include <cstddef>
#include <string_view>

namespace dao {

class JetObjectName {
 public:
  static constexpr std::size_t kMaxLength = 64;

  static bool IsValid(std::string_view name);

  // Raises 3125 for a name that IsValid refuses.
  static void CheckNew(std::string_view name);
};

}  // namespace dao
