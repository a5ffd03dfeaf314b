/*
** JetTypedValueFunctions: the SQL functions through which the translation
** gives a value the meaning its Jet type has, where SQLite only sees a
** number.
**
**   jet_datetext(x)  a Date read as text: the regional text of the date
**                    (short date, with the long time when there is a time
**                    part; the time alone when the date part is 0), as the
**                    library's own conversion (ValueFormat::ToText) writes
**                    it. Null stays Null; a text (a date column holding
**                    text) is left as it is.
**   jet_textdate(x)  a text compared with a Date: the serial of the date
**                    the text is under the regional settings; a text that
**                    is no date raises "No coinciden los tipos de datos en
**                    la expresión de criterios." (3464), as Jet does. Null
**                    stays Null, a number stays the number.
**   jet_time()       Jet's Time(): the time of day now, on day 0.
**
** Registered by RegisterJetFunctions.
*/
#pragma once

struct sqlite3;

namespace dao {

// Returns the first SQLite result code that is not SQLITE_OK.
int RegisterJetTypedValueFunctions(sqlite3* db);

}  // namespace dao
