/*
** The errors that the list and tree controls report to their callers, with
** the numbers the platform's common controls give them, so that a form
** that traps one can tell which it was:
**   9      an image number outside the control's table
**   35600  a row or column number outside the list
**   35601  a key that is not in the list or tree (element not found)
**   35602  a key that another row or node already has
**   380    a property value the control does not take
**   91     the container's callback object is needed but was never set
*/
#pragma once

#include <string>

#include "common/AppError.h"

namespace ccerr {

inline constexpr int kSubscript = 9;
inline constexpr int kObjectNotSet = 91;
inline constexpr int kInvalidValue = 380;
inline constexpr int kOutOfBounds = 35600;
inline constexpr int kNotFound = 35601;
inline constexpr int kDuplicateKey = 35602;

[[noreturn]] inline void OutOfBounds() {
  throw AppError(kOutOfBounds, "Índice fuera de los límites");
}

[[noreturn]] inline void NotFound(const std::string& key) {
  throw AppError(kNotFound, "No se encontró el elemento \"" + key + "\"");
}

[[noreturn]] inline void DuplicateKey(const std::string& key) {
  throw AppError(kDuplicateKey, "La clave \"" + key + "\" no es única en la colección");
}

[[noreturn]] inline void InvalidValue() {
  throw AppError(kInvalidValue, "El valor de la propiedad no es válido");
}

[[noreturn]] inline void Subscript(int value, int maximum) {
  throw AppError(kSubscript, "El subíndice está fuera del intervalo: " + std::to_string(value) +
                                 " (0 a " + std::to_string(maximum) + ")");
}

}  // namespace ccerr
