/*
** JetCallback: the one way the engine's SQL functions are handed to SQLite.
**
** SQLite calls them from its C code, and a C++ exception must never unwind
** through those frames. Every registered function runs inside Guarded,
** which turns an exception (an allocation failure, an AppError from a
** shared helper) into the statement's error, with the exception's text.
*/
#pragma once

#include <sqlite3.h>

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

}  // namespace dao
