/*
** SqliteFunctions: the one adapter that hands the engine's run time to
** SQLite, on each connection the engine opens.
**
**   collation JET     text comparison that ignores case, accented letters
**                     included (Á = á); ordering puts accented letters beside
**                     their base letter (JetCollation.h)
**   like(p, v[, e])   replaces SQLite's LIKE: Jet's wildcards * ? # and
**                     [charlist] / [!charlist]; % and _ are plain characters;
**                     case ignored as by the JET collation (JetLikePattern.h)
**   every row of JetFunctionCatalog that has an implementation, under its
**                     SQL name, for each argument count it takes
**   the decimal storage's functions (JetDecimal.h)
**
** A call reads SQLite's arguments as JetArgs views, runs the row's
** implementation and gives its JetValue back to SQLite. SQLite calls from C
** code, and a C++ exception must never unwind through those frames: a
** failure of the implementation (its JetFunctionError, an allocation, an
** AppError of a shared helper) becomes the statement's error, with the
** exception's text.
**
** The connection also stops taking "double-quoted" words as texts when they
** name no column (SQLite's leniency): every name the translator writes is
** double-quoted, and a misspelt column must be an error, not a text.
*/
#pragma once

struct sqlite3;

namespace dao {

struct JetFunction;

// Registers the collation and the functions on a connection. Raises AppError
// when SQLite refuses one.
void RegisterJetFunctions(sqlite3* db);

// Registers one catalogue row, which must outlive the connection; returns
// SQLite's code. A row without an implementation registers nothing.
int RegisterJetFunction(sqlite3* db, const JetFunction& function);

}  // namespace dao
