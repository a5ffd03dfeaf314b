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

#include "dao/JetCallback.h"
#include "dao/JetCollation.h"
#include "dao/JetDecimal.h"
#include "dao/JetErrors.h"
#include "dao/JetFunctionCatalog.h"
#include "dao/JetLikePattern.h"
#include "dao/JetScalarFunctions.h"
#include "dao/JetSqlValue.h"
#include "dao/JetTypedValueFunctions.h"

namespace dao {

namespace {

using namespace jetsql;

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

// One step of /, \, Mod or ^ on the value so far: nullptr, or the error
// that stops the run.
using Step = const char* (*)(double& value, double right);

const char* DivideStep(double& a, double b) {
  if (b == 0) return kDivisionByZero;
  a /= b;
  return nullptr;
}

// \ and Mod round both operands to whole numbers first.
const char* IntegerDivideStep(double& a, double b) {
  a = std::nearbyint(a), b = std::nearbyint(b);
  if (b == 0) return kDivisionByZero;
  a = std::trunc(a / b);
  return nullptr;
}

const char* ModuloStep(double& a, double b) {
  a = std::nearbyint(a), b = std::nearbyint(b);
  if (b == 0) return kDivisionByZero;
  a = std::fmod(a, b);
  return nullptr;
}

const char* PowerStep(double& a, double b) {
  const double r = std::pow(a, b);
  if (std::isnan(r)) return kInvalidCall;
  if (std::isinf(r)) return kOverflow;
  a = r;
  return nullptr;
}

// a op b op c ...: taken left to right, each step on the value so far, as
// the nested calls of one operator would be: a Null operand makes the rest
// Null before any check of the other operand, an error stops the run. The
// translator writes a run of one operator as one call.
template <Step step, bool whole>
void Fold(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc < 2) {
    ResultError(ctx, kInvalidCall);
    return;
  }
  double value = 0;
  for (int i = 1; i < argc; i++) {
    double right = 0;
    if (IsNull(argv[0]) || IsNull(argv[i])) {
      sqlite3_result_null(ctx);
      return;
    }
    if ((i == 1 && !NumberOf(argv[0], value)) || !NumberOf(argv[i], right)) {
      ResultError(ctx, kTypeMismatch);
      return;
    }
    if (const char* error = step(value, right)) {
      ResultError(ctx, error);
      return;
    }
  }
  if (whole)
    ResultWhole(ctx, value);
  else
    sqlite3_result_double(ctx, value);
}

// The truth of a value: 1 true, 0 false, -1 Null; -2 not convertible.
int TruthOf(sqlite3_value* v) {
  if (IsNull(v)) return -1;
  double d = 0;
  if (!NumberOf(v, d)) return -2;
  return d != 0 ? 1 : 0;
}

// XOR, EQV and IMP with Jet's Null rules, a run taken left to right; the
// results are truth values.
template <int (*Rule)(int, int)>
void Logical(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc < 2) {
    ResultError(ctx, kInvalidCall);
    return;
  }
  int a = TruthOf(argv[0]);
  for (int i = 1; i < argc && a != -2; i++) {
    const int b = TruthOf(argv[i]);
    a = b == -2 ? -2 : Rule(a, b);
  }
  if (a == -2)
    ResultError(ctx, kTypeMismatch);
  else if (a < 0)
    sqlite3_result_null(ctx);
  else
    sqlite3_result_int(ctx, a);
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
      {"jet_div", -1, Guarded<Fold<DivideStep, false>>},
      {"jet_idiv", -1, Guarded<Fold<IntegerDivideStep, true>>},
      {"jet_mod", -1, Guarded<Fold<ModuloStep, true>>},
      {"jet_pow", -1, Guarded<Fold<PowerStep, false>>},
      {"jet_xor", -1, Guarded<Logical<XorRule>>},
      {"jet_eqv", -1, Guarded<Logical<EqvRule>>},
      {"jet_imp", -1, Guarded<Logical<ImpRule>>},
  };
  check(RegisterDeterministic(db, kEntries));
  check(RegisterJetScalarFunctions(db));
  check(RegisterJetTypedValueFunctions(db));
  check(JetFunctionCatalog::Register(db));
  check(RegisterJetDecimalFunctions(db));
}

}  // namespace dao
