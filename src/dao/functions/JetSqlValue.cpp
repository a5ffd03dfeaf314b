/*
** Reading SQLite values as Jet does. See JetSqlValue.h.
*/
#include "dao/functions/JetSqlValue.h"

#include <cmath>
#include <cstdlib>

#include "common/Variant.h"

namespace dao::jetsql {

std::string TextOf(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      return std::to_string(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
      return FormatEngineNumber(sqlite3_value_double(v));
    case SQLITE_NULL:
      return std::string();
    default: {
      const auto* p = static_cast<const char*>(sqlite3_value_blob(v));
      return std::string(p ? p : "", static_cast<size_t>(sqlite3_value_bytes(v)));
    }
  }
}

bool ParseNumber(const std::string& text, double& out) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const size_t last = text.find_last_not_of(" \t");
  const std::string core = text.substr(first, last - first + 1);
  // strtod would also take "inf", "nan" and hexadecimal; Jet takes none.
  if (core.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
  char* end = nullptr;
  out = std::strtod(core.c_str(), &end);
  return end == core.c_str() + core.size() && std::isfinite(out);
}

bool NumberOf(sqlite3_value* v, double& out) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      out = static_cast<double>(sqlite3_value_int64(v));
      return true;
    case SQLITE_FLOAT:
      out = sqlite3_value_double(v);
      return true;
    case SQLITE_TEXT:
      return ParseNumber(TextOf(v), out);
    default:
      return false;
  }
}

void ResultText(sqlite3_context* ctx, const std::string& s) {
  sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void ResultWhole(sqlite3_context* ctx, double whole) {
  if (std::fabs(whole) < 9.2e18)
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(whole));
  else
    sqlite3_result_double(ctx, whole);
}

void ResultError(sqlite3_context* ctx, const char* message) {
  sqlite3_result_error(ctx, message, -1);
}

}  // namespace dao::jetsql
