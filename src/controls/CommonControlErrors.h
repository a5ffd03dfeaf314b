/*
** The errors that the list and tree widgets report to their callers, with
** the numbers the platform's common controls give them, so that a form
** that traps one can tell which it was:
**   9      an image number outside the control's table
**   35600  a row or column number outside the list
**   35601  a key that is not in the list or tree (element not found)
**   35602  a key that another row or node already has
**   380    a property value the control does not take
**   91     the host's callback object is needed but was never set
*/
#pragma once

#include <string>

#include "common/AppError.h"

namespace ccerr {

inline constexpr int kSubindice = 9;
inline constexpr int kObjetoNoEstablecido = 91;
inline constexpr int kValorNoValido = 380;
inline constexpr int kFueraDeLimites = 35600;
inline constexpr int kNoEncontrado = 35601;
inline constexpr int kClaveRepetida = 35602;

[[noreturn]] inline void FueraDeLimites() {
  throw AppError(kFueraDeLimites, "Índice fuera de los límites");
}

[[noreturn]] inline void NoEncontrado(const std::string& clave) {
  throw AppError(kNoEncontrado, "No se encontró el elemento \"" + clave + "\"");
}

[[noreturn]] inline void ClaveRepetida(const std::string& clave) {
  throw AppError(kClaveRepetida, "La clave \"" + clave + "\" no es única en la colección");
}

[[noreturn]] inline void ValorNoValido() {
  throw AppError(kValorNoValido, "El valor de la propiedad no es válido");
}

[[noreturn]] inline void Subindice(int valor, int maximo) {
  throw AppError(kSubindice, "El subíndice está fuera del intervalo: " + std::to_string(valor) +
                                 " (0 a " + std::to_string(maximo) + ")");
}

}  // namespace ccerr
