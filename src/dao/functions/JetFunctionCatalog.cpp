/*
** The Jet library functions' names and registration. See
** JetFunctionCatalog.h.
*/
#include "dao/functions/JetFunctionCatalog.h"

#include <sqlite3.h>

#include <array>

#include "common/TextCase.h"
#include "dao/functions/JetConversionFunctions.h"
#include "dao/functions/JetDateFunctions.h"
#include "dao/functions/JetFormatFunction.h"
#include "dao/functions/JetTextFunctions.h"

namespace dao {

namespace {

constexpr bool kValue = false;
constexpr bool kText = true;

// Date() shares its name with a possible column; it is a function only when
// followed by "(", as every function here.
constexpr std::array<JetFunctionSignature, 69> kFunctions = {{
    {"Count", "count", 1, 1, kValue, true},
    {"Sum", "jet_sum", 1, 1, kValue, true},
    {"Avg", "avg", 1, 1, kValue, true},
    {"Min", "min", 1, 1, kValue, true},
    {"Max", "max", 1, 1, kValue, true},
    {"First", "jet_first", 1, 1, kValue, true},
    {"Last", "jet_last", 1, 1, kValue, true},
    {"Len", "jet_len", 1, 1, kValue, false},
    {"Left", "jet_left", 2, 2, kText, false},
    {"Right", "jet_right", 2, 2, kText, false},
    {"Mid", "jet_mid", 2, 3, kText, false},
    {"UCase", "jet_ucase", 1, 1, kText, false},
    {"LCase", "jet_lcase", 1, 1, kText, false},
    {"Trim", "jet_trim", 1, 1, kText, false},
    {"LTrim", "jet_ltrim", 1, 1, kText, false},
    {"RTrim", "jet_rtrim", 1, 1, kText, false},
    {"InStr", "jet_instr", 2, 4, kValue, false},
    {"IIf", "", 3, 3, kValue, false},
    {"IsNull", "", 1, 1, kValue, false},
    {"Abs", "jet_abs", 1, 1, kValue, false},
    {"Int", "jet_int", 1, 1, kValue, false},
    {"Fix", "jet_fix", 1, 1, kValue, false},
    {"Sgn", "jet_sgn", 1, 1, kValue, false},
    {"Val", "jet_val", 1, 1, kValue, false},
    {"CStr", "jet_cstr", 1, 1, kText, false},
    {"CLng", "jet_clng", 1, 1, kValue, false},
    {"CInt", "jet_cint", 1, 1, kValue, false},
    {"CDbl", "jet_cdbl", 1, 1, kValue, false},
    {"Year", "jet_year", 1, 1, kValue, false},
    {"Month", "jet_month", 1, 1, kValue, false},
    {"Day", "jet_day", 1, 1, kValue, false},
    {"Now", "jet_now", 0, 0, kValue, false},
    {"Time", "jet_time", 0, 0, kValue, false},
    {"Date", "jet_date", 0, 0, kValue, false},
    {"DateAdd", "jet_dateadd", 3, 3, kValue, false},
    {"DateDiff", "jet_datediff", 3, 5, kValue, false},
    {"DatePart", "jet_datepart", 2, 4, kValue, false},
    {"DateSerial", "jet_dateserial", 3, 3, kValue, false},
    {"DateValue", "jet_datevalue", 1, 1, kValue, false},
    {"TimeSerial", "jet_timeserial", 3, 3, kValue, false},
    {"TimeValue", "jet_timevalue", 1, 1, kValue, false},
    {"Weekday", "jet_weekday", 1, 2, kValue, false},
    {"WeekdayName", "jet_weekdayname", 1, 3, kText, false},
    {"MonthName", "jet_monthname", 1, 2, kText, false},
    {"Hour", "jet_hour", 1, 1, kValue, false},
    {"Minute", "jet_minute", 1, 1, kValue, false},
    {"Second", "jet_second", 1, 1, kValue, false},
    {"CCur", "jet_ccur", 1, 1, kValue, false},
    {"CDate", "jet_cdate", 1, 1, kValue, false},
    {"CVDate", "jet_cdate", 1, 1, kValue, false},
    {"CBool", "jet_cbool", 1, 1, kValue, false},
    {"CByte", "jet_cbyte", 1, 1, kValue, false},
    {"CSng", "jet_csng", 1, 1, kValue, false},
    {"CVar", "jet_cvar", 1, 1, kValue, false},
    {"Str", "jet_str", 1, 1, kText, false},
    {"IsNumeric", "jet_isnumeric", 1, 1, kValue, false},
    {"IsDate", "jet_isdate", 1, 1, kValue, false},
    {"Switch", "jet_switch", 2, 127, kValue, false},
    {"Choose", "jet_choose", 2, 127, kValue, false},
    {"String", "jet_string", 2, 2, kText, false},
    {"Space", "jet_space", 1, 1, kText, false},
    {"Chr", "jet_chr", 1, 1, kText, false},
    {"Asc", "jet_asc", 1, 1, kValue, false},
    {"Replace", "jet_replace", 3, 6, kText, false},
    {"StrConv", "jet_strconv", 2, 2, kText, false},
    {"StrComp", "jet_strcomp", 2, 3, kValue, false},
    {"InStrRev", "jet_instrrev", 2, 4, kValue, false},
    {"StrReverse", "jet_strreverse", 1, 1, kText, false},
    {"Format", "jet_format", 1, 4, kText, false},
}};

}  // namespace

const JetFunctionSignature* JetFunctionCatalog::Find(std::string_view name) {
  for (const auto& f : kFunctions) {
    if (TextCase::Equal(name, f.name)) return &f;
  }
  return nullptr;
}

int JetFunctionCatalog::Register(sqlite3* db) {
  int rc = RegisterJetDateFunctions(db);
  if (rc == SQLITE_OK) rc = RegisterJetConversionFunctions(db);
  if (rc == SQLITE_OK) rc = RegisterJetTextFunctions(db);
  if (rc == SQLITE_OK) rc = RegisterJetFormatFunction(db);
  return rc;
}

}  // namespace dao
