/*
** JetTextFunctions: Jet's text functions beyond Left, Mid, InStr and the
** like, as SQL functions.
**
**   jet_string(n, char)       n times the first character of a text, or of
**                             the character of a code (taken modulo 256)
**   jet_space(n)
**   jet_chr(code) jet_asc(text)   codes of the Windows Latin-1 code page
**                             (Chr(128) is "€"); a character outside it is
**                             code 63 ("?"), as the conversion to that code
**                             page writes it
**   jet_replace(text, find, with[, start[, count[, compare]]])  the text
**                             from `start` on, with `count` (-1: all)
**                             occurrences replaced
**   jet_strconv(text, conversion)  1 upper, 2 lower, 3 each word capitalised
**   jet_strcomp(a, b[, compare])   -1, 0, 1
**   jet_instrrev(text, find[, start[, compare]])  start -1 is the end
**   jet_strreverse(text)
**
** Characters are counted as characters, not bytes. Comparisons ignore case
** as the JET collation does (the database's text comparison), unless
** `compare` is 0 (binary); 1, 2 and -1 also ask for text comparison.
** Null: a Null text gives Null; a Null count, position, code or conversion
** is "Uso no válido de Null."; a negative count, a position below 1, an
** empty text where a character is needed, a code outside 0 .. 255 or an
** unknown conversion is error 5; a result longer than SQLite's text limit
** is "Desbordamiento.".
*/
#pragma once

struct sqlite3;

namespace dao {

// Returns the first SQLite result code that is not SQLITE_OK.
int RegisterJetTextFunctions(sqlite3* db);

}  // namespace dao
