/*
** JetCallback: the one way the engine's SQL functions are handed to SQLite.
**
** SQLite calls them from its C code, and a C++ exception must never unwind
** through those frames. Every registered function runs inside Guarded,
** which turns an exception (an allocation failure, an AppError from a
** shared helper) into the statement's error, with the exception's text.
** A family of functions is registered from a table of JetFunctionEntry
** rows through RegisterDeterministic.
*/
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <exception>

namespace dao {

using JetCallback = void (*)(sqlite3_context*, int, sqlite3_value**);

template <JetCallback F>
void Guarded(sqlite3_context* ctx, int argc, sqlite3_value** argv) noexcept {
  try {
    F(ctx, argc, argv);
  } catch (const std::exception& e) {
    sqlite3_result_error(ctx, e.what(), -1);
  } catch (...) {
    sqlite3_result_error(ctx, "Error interno del motor de base de datos.", -1);
  }
}

// One scalar function of a family: its SQL name, argument count and body
// (already wrapped in Guarded).
struct JetFunctionEntry {
  const char* name;
  int args;
  JetCallback fn;
};

// Registers each entry as a deterministic UTF-8 function; the first
// failure's SQLite code, or SQLITE_OK.
template <std::size_t N>
int RegisterDeterministic(sqlite3* db, const JetFunctionEntry (&entries)[N]) {
  for (const JetFunctionEntry& e : entries) {
    const int rc = sqlite3_create_function(db, e.name, e.args, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                           nullptr, e.fn, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

}  // namespace dao
