/*
** The SQL functions and the collation through which SQLite behaves as Jet.
** See JetFunctions.h for the list, JetSqlTranslator.h for where each is
** used.
**
** Values are read as Jet reads them (JetSqlValue.h). A failure raises an
** SQLite error whose message is the Spanish description of the run-time
** error ("División por cero.", "Uso no válido de Null.", ...); nothing
** turns a failure into Null.
**
** The connection also stops taking "double-quoted" words as texts when they
** name no column (SQLite's leniency): every name the translator writes is
** double-quoted, and a misspelt column must be an error, not a text.
*/
#include "dao/JetFunctions.h"

#include <sqlite3.h>

#include <cmath>
#include <memory>
#include <string>

#include "dao/JetDecimal.h"
#include "dao/functions/JetCallback.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetFunctionCatalog.h"
#include "dao/functions/JetLikePattern.h"
#include "dao/functions/JetScalarFunctions.h"
#include "dao/functions/JetSqlValue.h"
#include "dao/functions/JetTypedValueFunctions.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

using namespace jetsql;

// Two numeric operands; false when the result is already set (Null or an
// error).
bool Operands(sqlite3_context* ctx, sqlite3_value** argv, double& a, double& b) {
  if (IsNull(argv[0]) || IsNull(argv[1])) {
    sqlite3_result_null(ctx);
    return false;
  }
  if (!NumberOf(argv[0], a) || !NumberOf(argv[1], b)) {
    ResultError(ctx, kTypeMismatch);
    return false;
  }
  return true;
}

// --- collation and LIKE -------------------------------------------------

int JetCompare(void*, int na, const void* a, int nb, const void* b) {
  return JetCollation::Compare(
      std::string_view(static_cast<const char*>(a), static_cast<size_t>(na)),
      std::string_view(static_cast<const char*>(b), static_cast<size_t>(nb)));
}

void DeletePattern(void* p) {
  delete static_cast<JetLikePattern*>(p);
}

// like(pattern, text): SQLite calls it for "text LIKE pattern".
void Like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc == 3) {
    sqlite3_result_error(ctx, "La cláusula ESCAPE no se admite en LIKE.", -1);
    return;
  }
  if (IsNull(argv[0]) || IsNull(argv[1])) {
    sqlite3_result_null(ctx);
    return;
  }
  // A constant pattern is compiled once per statement.
  if (auto* cached = static_cast<JetLikePattern*>(sqlite3_get_auxdata(ctx, 0))) {
    sqlite3_result_int(ctx, cached->Matches(TextOf(argv[1])) ? 1 : 0);
    return;
  }
  auto compiled = JetLikePattern::Compile(TextOf(argv[0]));
  if (!compiled) {
    ResultError(ctx, kInvalidPattern);
    return;
  }
  auto pattern = std::make_unique<JetLikePattern>(std::move(*compiled));
  sqlite3_result_int(ctx, pattern->Matches(TextOf(argv[1])) ? 1 : 0);
  sqlite3_set_auxdata(ctx, 0, pattern.release(), DeletePattern);
}

// --- operators ----------------------------------------------------------

// a & b & ...: Null counts as empty text; only Nulls give Null. The
// translator writes a run of & as one call.
void Concat(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  bool allNull = true;
  std::string joined;
  for (int i = 0; i < argc; i++) {
    if (IsNull(argv[i])) continue;
    allNull = false;
    joined += TextOf(argv[i]);
  }
  if (allNull) {
    sqlite3_result_null(ctx);
  } else {
    ResultText(ctx, joined);
  }
}

// a + b + ... where a side is known text, taken left to right: two texts
// are joined, otherwise the numbers are added; a Null makes the rest Null.
// The translator writes a run of such + as one call.
void Add(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc == 0 || IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  bool isText = sqlite3_value_type(argv[0]) == SQLITE_TEXT;
  std::string text = isText ? TextOf(argv[0]) : std::string();
  double number = 0;
  if (!isText && !NumberOf(argv[0], number)) {
    ResultError(ctx, kTypeMismatch);
    return;
  }
  for (int i = 1; i < argc; i++) {
    if (IsNull(argv[i])) {
      sqlite3_result_null(ctx);
      return;
    }
    if (isText && sqlite3_value_type(argv[i]) == SQLITE_TEXT) {
      text += TextOf(argv[i]);
      continue;
    }
    double right = 0;
    if ((isText && !ParseNumber(text, number)) || !NumberOf(argv[i], right)) {
      ResultError(ctx, kTypeMismatch);
      return;
    }
    isText = false;
    number += right;
  }
  if (isText) {
    ResultText(ctx, text);
  } else {
    sqlite3_result_double(ctx, number);
  }
}

void Divide(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double a = 0, b = 0;
  if (!Operands(ctx, argv, a, b)) return;
  if (b == 0)
    ResultError(ctx, kDivisionByZero);
  else
    sqlite3_result_double(ctx, a / b);
}

// \ and Mod round both operands to whole numbers first.
void IntegerDivide(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double a = 0, b = 0;
  if (!Operands(ctx, argv, a, b)) return;
  a = std::nearbyint(a), b = std::nearbyint(b);
  if (b == 0)
    ResultError(ctx, kDivisionByZero);
  else
    ResultWhole(ctx, std::trunc(a / b));
}

void Modulo(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double a = 0, b = 0;
  if (!Operands(ctx, argv, a, b)) return;
  a = std::nearbyint(a), b = std::nearbyint(b);
  if (b == 0)
    ResultError(ctx, kDivisionByZero);
  else
    ResultWhole(ctx, std::fmod(a, b));
}

void Power(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double a = 0, b = 0;
  if (!Operands(ctx, argv, a, b)) return;
  const double r = std::pow(a, b);
  if (std::isnan(r))
    ResultError(ctx, kInvalidCall);
  else if (std::isinf(r))
    ResultError(ctx, kOverflow);
  else
    sqlite3_result_double(ctx, r);
}

// The truth of a value: 1 true, 0 false, -1 Null; -2 not convertible.
int TruthOf(sqlite3_value* v) {
  if (IsNull(v)) return -1;
  double d = 0;
  if (!NumberOf(v, d)) return -2;
  return d != 0 ? 1 : 0;
}

// XOR, EQV and IMP with Jet's Null rules; the results are truth values.
template <int (*Rule)(int, int)>
void Logical(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const int a = TruthOf(argv[0]), b = TruthOf(argv[1]);
  if (a == -2 || b == -2) {
    ResultError(ctx, kTypeMismatch);
    return;
  }
  const int r = Rule(a, b);
  if (r < 0)
    sqlite3_result_null(ctx);
  else
    sqlite3_result_int(ctx, r);
}

int XorRule(int a, int b) {
  return a < 0 || b < 0 ? -1 : a != b;
}
int EqvRule(int a, int b) {
  return a < 0 || b < 0 ? -1 : a == b;
}
int ImpRule(int a, int b) {
  if (a == 0 || b == 1) return 1;
  if (a < 0 || b < 0) return -1;
  return 0;
}

}  // namespace

void RegisterJetFunctions(sqlite3* db) {
  auto check = [db](int rc) {
    if (rc != SQLITE_OK) {
      jeterr::Raise(jeterr::msg::kFunctionsNotReady, {sqlite3_errmsg(db)});
    }
  };
  check(sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr));
  check(sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr));
  check(sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, JetCompare));

  static const JetFunctionEntry kEntries[] = {
      {"like", 2, Guarded<Like>},
      {"like", 3, Guarded<Like>},
      {"jet_concat", -1, Guarded<Concat>},
      {"jet_add", -1, Guarded<Add>},
      {"jet_div", 2, Guarded<Divide>},
      {"jet_idiv", 2, Guarded<IntegerDivide>},
      {"jet_mod", 2, Guarded<Modulo>},
      {"jet_pow", 2, Guarded<Power>},
      {"jet_xor", 2, Guarded<Logical<XorRule>>},
      {"jet_eqv", 2, Guarded<Logical<EqvRule>>},
      {"jet_imp", 2, Guarded<Logical<ImpRule>>},
  };
  check(RegisterDeterministic(db, kEntries));
  check(RegisterJetScalarFunctions(db));
  check(RegisterJetTypedValueFunctions(db));
  check(JetFunctionCatalog::Register(db));
  check(RegisterJetDecimalFunctions(db));
}

}  // namespace dao
