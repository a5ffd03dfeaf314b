/*
** JetFunctions: the SQL functions and the collation through which SQLite
** behaves as Jet does.
**
**   collation JET     text comparison that ignores case, accented letters
**                     included (Á = á); ordering puts accented letters beside
**                     their base letter
**   like(p, v[, e])   replaces SQLite's LIKE: Jet's wildcards * ? # and
**                     [charlist] / [!charlist]; % and _ are plain characters;
**                     case ignored as by the JET collation
**   jet_concat(a, b, ...)  the & operator over a run of operands: Null
**                     counts as empty text, only Nulls give Null, numbers
**                     written as the engine writes them
**   jet_*             the Jet scalar functions that the translator maps
**
** Only the engine calls this, on each connection it opens.
*/
#pragma once

struct sqlite3;

namespace dao {

// Registers the collation and the functions on a connection. Raises AppError
// when SQLite refuses one.
void RegisterJetFunctions(sqlite3* db);

}  // namespace dao
