/*
** JetSqlValue: how the engine's SQL functions read SQLite values and report
** their failures, shared by JetFunctions.cpp and JetScalarFunctions.cpp.
**
** A number read as text is written as FormatEngineNumber writes it (5,
** 2.5); a text read as a number must be one, blanks around it allowed and
** "." as decimal point. Failures are SQLite errors whose message is the
** Spanish description of the run-time error (the k* texts below).
*/
#pragma once

#include <sqlite3.h>

#include <string>

namespace dao::jetsql {

inline constexpr const char* kTypeMismatch =
    "No coinciden los tipos de datos en la expresión de criterios.";
inline constexpr const char* kInvalidNull = "Uso no válido de Null.";
inline constexpr const char* kDivisionByZero = "División por cero.";
inline constexpr const char* kInvalidCall = "Llamada a procedimiento o argumento no válido.";
inline constexpr const char* kOverflow = "Desbordamiento.";
inline constexpr const char* kInvalidPattern = "Cadena de modelo no válida.";

inline bool IsNull(sqlite3_value* v) {
  return sqlite3_value_type(v) == SQLITE_NULL;
}

// The value as text; Null gives "".
std::string TextOf(sqlite3_value* v);

// A text as a number; false when it is none.
bool ParseNumber(const std::string& text, double& out);

// The value as a number; false for a text that is none, or a blob.
bool NumberOf(sqlite3_value* v, double& out);

void ResultText(sqlite3_context* ctx, const std::string& s);

// A whole number: an integer when it fits in 64 bits, else a double.
void ResultWhole(sqlite3_context* ctx, double whole);

void ResultError(sqlite3_context* ctx, const char* message);

}  // namespace dao::jetsql
