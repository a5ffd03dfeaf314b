/*
** JetScalarFunctions: the Jet functions of text, conversion and date, and
** the First / Last aggregates, as SQL functions named jet_<function>.
**
**   jet_len jet_left jet_right jet_mid jet_ucase jet_lcase jet_trim
**   jet_ltrim jet_rtrim jet_instr jet_abs jet_int jet_fix jet_sgn jet_val
**   jet_cstr jet_clng jet_cint jet_cdbl jet_year jet_month jet_day
**   jet_now jet_date jet_first jet_last
**
** Characters are counted as characters, not bytes. Registered by
** RegisterJetFunctions.
*/
#pragma once

struct sqlite3;

namespace dao {

// Returns the first SQLite result code that is not SQLITE_OK.
int RegisterJetScalarFunctions(sqlite3* db);

}  // namespace dao
