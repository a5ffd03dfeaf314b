/*
** JetFunctionError: how a run-time function fails. Its text is the Spanish
** description of the run time's error (the k* texts below); the adapter that
** registers the functions makes it the statement's error, and the engine
** reads the one that has a number of its own (a type mismatch, 3464) from
** that text (SqliteErrors.h). Nothing turns a failure into Null.
*/
#pragma once

#include <stdexcept>

namespace dao {

class JetFunctionError : public std::runtime_error {
 public:
  explicit JetFunctionError(const char* message) : std::runtime_error(message) {}
};

namespace jetfn {

inline constexpr const char* kTypeMismatch =
    "No coinciden los tipos de datos en la expresión de criterios.";
inline constexpr const char* kInvalidNull = "Uso no válido de Null.";
inline constexpr const char* kDivisionByZero = "División por cero.";
inline constexpr const char* kInvalidCall = "Llamada a procedimiento o argumento no válido.";
inline constexpr const char* kOverflow = "Desbordamiento.";
inline constexpr const char* kInvalidPattern = "Cadena de modelo no válida.";

[[noreturn]] inline void Fail(const char* message) {
  throw JetFunctionError(message);
}

}  // namespace jetfn

}  // namespace dao
