/*
** JetConversionFunctions: Jet's conversions, tests and choices as SQL
** functions.
**
**   jet_ccur jet_cdate jet_cbool jet_cbyte jet_csng jet_cvar   (1 argument)
**   jet_str jet_isnumeric jet_isdate                         (1 argument)
**   jet_switch(cond1, value1, ...)   jet_choose(index, value1, ...)
**
** Texts are read as jetargs::Number and jetargs::Date read them. Rules:
**   CCur    rounds half to even at the fourth decimal, on the number's
**           decimal form (1.00025 is 1.0002); beyond +-922337203685477.5807
**           "Desbordamiento."
**   CDate   a number in the calendar, or a date text; a day serial back
**   CBool   -1 / 0; also the texts "True"/"False" and "Verdadero"/"Falso"
**   CByte   0 .. 255 after rounding half to even
**   CSng    the number as a Single keeps it: 7 significant digits
**   CVar    the value itself, Null included
**   Str     the engine's number text with a leading blank for a number not
**           negative (" 5", "-2.5"); Null gives Null
**   IsNumeric, IsDate  -1 / 0, Null is 0; a number counts as a date when it
**           is a day of the calendar, since dates arrive as their serials
**   Switch  the value after the first true condition (Null counts as
**           false), Null when none is; an odd count of arguments is error 5
**   Choose  the value at the index, its fraction dropped; Null when the
**           index is outside the list; a Null index is "Uso no válido de Null."
** The other conversions raise "Uso no válido de Null." for Null.
*/
#pragma once

struct sqlite3;

namespace dao {

// Returns the first SQLite result code that is not SQLITE_OK.
int RegisterJetConversionFunctions(sqlite3* db);

}  // namespace dao
