/*
** The Jet library functions' names and registration. See
** JetFunctionCatalog.h.
*/
#include "dao/JetFunctionCatalog.h"

#include <sqlite3.h>

#include <array>

#include "dao/JetConversionFunctions.h"
#include "dao/JetDateFunctions.h"
#include "dao/JetFormatFunction.h"
#include "dao/JetTextFunctions.h"
#include "dao/JetTokenCursor.h"

namespace dao {

namespace {

constexpr JetExprKind kValue = JetExprKind::Value;
constexpr JetExprKind kText = JetExprKind::Text;

constexpr std::array<JetFunctionSignature, 35> kFunctions = {{
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
    if (JetKeywordEquals(name, f.name)) return &f;
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
