/*
** Jet's conversions, tests and choices. See JetConversionFunctions.h.
*/
#include "dao/functions/JetConversionFunctions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/Variant.h"
#include "dao/functions/JetCallback.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetFunctionArgs.h"
#include "dao/functions/JetSqlValue.h"

namespace dao {

namespace {

using namespace jetsql;
using namespace jetargs;

constexpr double kCurrencyLimit = 922337203685477.5807;

// Rounds half to even at the fourth decimal, deciding on the shortest
// decimal text of the double: 1.00015 must round as written, not as its
// binary neighbour 1.000149999... would.
double RoundCurrency(double value) {
  char buf[512];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  if (ec != std::errc()) return std::nearbyint(value * 10000) / 10000;
  const std::string text(buf, end);
  const std::size_t dot = text.find('.');
  if (dot == std::string::npos || text.size() - dot - 1 <= 4) return value;
  const std::string kept = text.substr(0, dot) + text.substr(dot + 1, 4);
  const std::string tail = text.substr(dot + 5);
  long long units = std::strtoll(kept.c_str(), nullptr, 10);
  const bool exactHalf = tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos;
  if (tail[0] > '5' || (tail[0] == '5' && !exactHalf) || (exactHalf && units % 2 == 1)) ++units;
  const double rounded = static_cast<double>(units) / 10000;
  return value < 0 ? -rounded : rounded;
}

void CCur(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d = 0;
  if (!Number(ctx, argv[0], d)) return;
  if (std::fabs(d) > kCurrencyLimit) return ResultError(ctx, kOverflow);
  sqlite3_result_double(ctx, RoundCurrency(d));
}

void CDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double serial = 0;
  if (Date(ctx, argv[0], serial)) sqlite3_result_double(ctx, serial);
}

bool NamedTruth(const std::string& text, int& out) {
  static const struct {
    const char* name;
    int value;
  } kNames[] = {{"True", -1}, {"False", 0}, {"Verdadero", -1}, {"Falso", 0}};
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::string core = text.substr(first, text.find_last_not_of(' ') - first + 1);
  for (const auto& n : kNames) {
    if (JetCollation::Compare(core, n.name) == 0) {
      out = n.value;
      return true;
    }
  }
  return false;
}

void CBool(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return ResultError(ctx, kInvalidNull);
  int named = 0;
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && NamedTruth(TextOf(argv[0]), named))
    return sqlite3_result_int(ctx, named);
  double d = 0;
  if (Number(ctx, argv[0], d)) sqlite3_result_int(ctx, d != 0 ? -1 : 0);
}

void CByte(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d = 0;
  if (!Number(ctx, argv[0], d)) return;
  d = std::nearbyint(d);
  if (d < 0 || d > 255) return ResultError(ctx, kOverflow);
  sqlite3_result_int(ctx, static_cast<int>(d));
}

void CSng(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d = 0;
  if (!Number(ctx, argv[0], d)) return;
  if (std::fabs(d) > 3.402823466e38) return ResultError(ctx, kOverflow);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7g", d);
  sqlite3_result_double(ctx, std::strtod(buf, nullptr));
}

void CVar(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_value(ctx, argv[0]);
}

void Str(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double d = 0;
  if (!Number(ctx, argv[0], d)) return;
  ResultText(ctx, (d >= 0 ? " " : "") + FormatEngineNumber(d));
}

void IsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_int(ctx, ReadNumber(argv[0]) ? -1 : 0);
}

void IsDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_result_int(ctx, ReadDate(argv[0]) ? -1 : 0);
}

void Switch(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc % 2 != 0) return ResultError(ctx, kInvalidCall);
  for (int i = 0; i < argc; i += 2) {
    if (IsNull(argv[i])) continue;
    const auto truth = ReadNumber(argv[i]);
    if (!truth) return ResultError(ctx, kTypeMismatch);
    if (*truth != 0) return sqlite3_result_value(ctx, argv[i + 1]);
  }
  sqlite3_result_null(ctx);
}

void Choose(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc < 2) return ResultError(ctx, kInvalidCall);
  double index = 0;
  if (!Number(ctx, argv[0], index)) return;
  index = std::trunc(index);
  if (index < 1 || index > argc - 1) return sqlite3_result_null(ctx);
  sqlite3_result_value(ctx, argv[static_cast<int>(index)]);
}

}  // namespace

int RegisterJetConversionFunctions(sqlite3* db) {
  static const JetFunctionEntry kEntries[] = {
      {"jet_ccur", 1, Guarded<CCur>},      {"jet_cdate", 1, Guarded<CDate>},
      {"jet_cbool", 1, Guarded<CBool>},    {"jet_cbyte", 1, Guarded<CByte>},
      {"jet_csng", 1, Guarded<CSng>},      {"jet_cvar", 1, Guarded<CVar>},
      {"jet_str", 1, Guarded<Str>},        {"jet_isnumeric", 1, Guarded<IsNumeric>},
      {"jet_isdate", 1, Guarded<IsDate>},  {"jet_switch", -1, Guarded<Switch>},
      {"jet_choose", -1, Guarded<Choose>},
  };
  return RegisterDeterministic(db, kEntries);
}

}  // namespace dao
