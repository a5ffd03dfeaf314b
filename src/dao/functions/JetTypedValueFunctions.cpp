/*
** Values given their Jet type's meaning. See JetTypedValueFunctions.h.
*/
#include "dao/functions/JetTypedValueFunctions.h"

#include <sqlite3.h>

#include <cmath>

#include "common/ValueFormat.h"
#include "common/Variant.h"
#include "dao/functions/JetCallback.h"
#include "dao/functions/JetDateSerial.h"
#include "dao/functions/JetFunctionArgs.h"
#include "dao/functions/JetSqlValue.h"

namespace dao {

namespace {

bool IsNumber(sqlite3_value* v) {
  const int storage = sqlite3_value_type(v);
  return storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
}

void DateText(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (!IsNumber(argv[0])) return sqlite3_result_value(ctx, argv[0]);
  const Variant date = Variant::FromDate(sqlite3_value_double(argv[0]));
  jetsql::ResultText(ctx, ValueFormat::ToText(date));
}

void TextDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (jetsql::IsNull(argv[0]) || IsNumber(argv[0])) return sqlite3_result_value(ctx, argv[0]);
  double serial = 0;
  if (jetargs::Date(ctx, argv[0], serial)) sqlite3_result_double(ctx, serial);
}

void Time(sqlite3_context* ctx, int, sqlite3_value**) {
  const double now = JetDateSerial::Now();
  sqlite3_result_double(ctx, now - std::floor(now));
}

}  // namespace

int RegisterJetTypedValueFunctions(sqlite3* db) {
  static const JetFunctionEntry kEntries[] = {
      {"jet_datetext", 1, Guarded<DateText>},
      {"jet_textdate", 1, Guarded<TextDate>},
  };
  const int rc = RegisterDeterministic(db, kEntries);
  if (rc != SQLITE_OK) return rc;
  return sqlite3_create_function(db, "jet_time", 0, SQLITE_UTF8, nullptr, Guarded<Time>, nullptr,
                                 nullptr);
}

}  // namespace dao
