/*
** AddressKey: list keys. See AddressKey.h.
*/
#include "address/AddressKey.h"

#include <charconv>

#include "common/AppError.h"

int32_t AddressKey::CodigoDesdeClave(const std::string& clave) {
  const char* begin = clave.data() + (clave.empty() ? 0 : 1);
  const char* end = clave.data() + clave.size();
  int32_t codigo = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, codigo);
  if (ec == std::errc::result_out_of_range) throw AppError(rterr::kOverflow, "Desbordamiento");
  if (ec != std::errc() || ptr != end || begin == end) {
    throw AppError(rterr::kTypeMismatch, "No coinciden los tipos: clave '" + clave + "'");
  }
  return codigo;
}
