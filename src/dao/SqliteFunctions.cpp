/*
** The run time registered into SQLite. See SqliteFunctions.h.
*/
#include "dao/SqliteFunctions.h"

#include <sqlite3.h>

#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dao/JetDecimal.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetFunctionCatalog.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetLikePattern.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

// Runs `work`, turning any exception into the statement's error.
template <class Work>
void Guarded(sqlite3_context* ctx, Work&& work) noexcept {
  try {
    work();
  } catch (const std::exception& e) {
    sqlite3_result_error(ctx, e.what(), -1);
  } catch (...) {
    sqlite3_result_error(ctx, "Error interno del motor de base de datos.", -1);
  }
}

JetArgs::Value ArgumentOf(sqlite3_value* v) {
  JetArgs::Value a;
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      a.storage = JetStorage::Integer;
      a.integer = sqlite3_value_int64(v);
      break;
    case SQLITE_FLOAT:
      a.storage = JetStorage::Real;
      a.real = sqlite3_value_double(v);
      break;
    case SQLITE_TEXT: {
      a.storage = JetStorage::Text;
      const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
      a.bytes = std::string_view(text ? text : "", static_cast<size_t>(sqlite3_value_bytes(v)));
      break;
    }
    case SQLITE_BLOB: {
      a.storage = JetStorage::Blob;
      const auto* bytes = static_cast<const char*>(sqlite3_value_blob(v));
      a.bytes = std::string_view(bytes ? bytes : "", static_cast<size_t>(sqlite3_value_bytes(v)));
      break;
    }
    default:
      break;
  }
  return a;
}

// The arguments of one call, read once; most calls take a few.
class Arguments {
 public:
  // A typed row's last argument is its first argument's Jet type.
  Arguments(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool typed) {
    int firstType = 0;
    if (typed && argc > 0) firstType = sqlite3_value_int(argv[--argc]);
    JetArgs::Value* values = inline_;
    if (argc > kInline) {
      spilled_.resize(static_cast<size_t>(argc));
      values = spilled_.data();
    }
    for (int i = 0; i < argc; ++i) values[i] = ArgumentOf(argv[i]);
    const int limit = sqlite3_limit(sqlite3_context_db_handle(ctx), SQLITE_LIMIT_LENGTH, -1);
    args_.emplace(values, argc, static_cast<std::size_t>(limit), firstType);
  }
  const JetArgs& Args() const { return *args_; }

 private:
  static constexpr int kInline = 8;
  JetArgs::Value inline_[kInline];
  std::vector<JetArgs::Value> spilled_;
  std::optional<JetArgs> args_;
};

void Result(sqlite3_context* ctx, const JetValue& value) {
  switch (value.Storage()) {
    case JetStorage::Null:
      return sqlite3_result_null(ctx);
    case JetStorage::Integer:
      return sqlite3_result_int64(ctx, value.IntegerValue());
    case JetStorage::Real:
      return sqlite3_result_double(ctx, value.RealValue());
    case JetStorage::Text: {
      // Given without its length, SQLite keeps the terminating zero with
      // the copy; with it, every reader of the column would have SQLite
      // grow the copy again to end it. A text holding a zero keeps its
      // length, or it would be cut there.
      const std::string& text = value.Bytes();
      const bool whole = std::memchr(text.data(), 0, text.size()) == nullptr;
      return sqlite3_result_text(ctx, text.c_str(), whole ? -1 : static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT);
    }
    case JetStorage::Blob:
      return sqlite3_result_blob(ctx, value.Bytes().data(), static_cast<int>(value.Bytes().size()),
                                 SQLITE_TRANSIENT);
  }
}

const JetFunction& RowOf(sqlite3_context* ctx) {
  return *static_cast<const JetFunction*>(sqlite3_user_data(ctx));
}

void CallScalar(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    const JetFunction& row = RowOf(ctx);
    const Arguments arguments(ctx, argc, argv, row.typed);
    Result(ctx, row.scalar(arguments.Args()));
  });
}

// An aggregate's state is made at its group's first row and ends in its
// final call, which SQLite makes for every group, also one whose statement
// stops early.
JetAccumulator** StateOf(sqlite3_context* ctx, int bytes) {
  return static_cast<JetAccumulator**>(sqlite3_aggregate_context(ctx, bytes));
}

void StepAggregate(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  JetAccumulator** state = StateOf(ctx, sizeof(JetAccumulator*));
  if (state == nullptr) return sqlite3_result_error_nomem(ctx);
  Guarded(ctx, [&] {
    if (*state == nullptr) *state = RowOf(ctx).accumulator().release();
    const Arguments arguments(ctx, argc, argv, false);
    (*state)->Step(arguments.Args());
  });
}

void FinalAggregate(sqlite3_context* ctx) {
  JetAccumulator** state = StateOf(ctx, 0);
  std::unique_ptr<JetAccumulator> kept(state != nullptr ? *state : nullptr);
  Guarded(ctx, [&] {
    if (!kept) kept = RowOf(ctx).accumulator();
    Result(ctx, kept->Final());
  });
}

int JetCompare(void*, int na, const void* a, int nb, const void* b) {
  return JetCollation::Compare(
      std::string_view(static_cast<const char*>(a), static_cast<size_t>(na)),
      std::string_view(static_cast<const char*>(b), static_cast<size_t>(nb)));
}

void DeletePattern(void* p) {
  delete static_cast<JetLikePattern*>(p);
}

std::string TextOf(sqlite3_value* v) {
  const JetArgs::Value a = ArgumentOf(v);
  return JetArgs(&a, 1).Text(0);
}

// like(pattern, text): SQLite calls it for "text LIKE pattern". A constant
// pattern is compiled once per statement.
void Like(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    if (argc == 3) {
      sqlite3_result_error(ctx, "La cláusula ESCAPE no se admite en LIKE.", -1);
      return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
      return sqlite3_result_null(ctx);
    const std::string text = TextOf(argv[1]);
    if (auto* cached = static_cast<JetLikePattern*>(sqlite3_get_auxdata(ctx, 0))) {
      return sqlite3_result_int(ctx, cached->Matches(text) ? 1 : 0);
    }
    auto compiled = JetLikePattern::Compile(TextOf(argv[0]));
    if (!compiled) jetfn::Fail(jetfn::kInvalidPattern);
    auto pattern = std::make_unique<JetLikePattern>(std::move(*compiled));
    sqlite3_result_int(ctx, pattern->Matches(text) ? 1 : 0);
    sqlite3_set_auxdata(ctx, 0, pattern.release(), DeletePattern);
  });
}

}  // namespace

int RegisterJetFunction(sqlite3* db, const JetFunction& f) {
  if (f.sqlName.empty() || (f.scalar == nullptr && f.accumulator == nullptr)) return SQLITE_OK;
  const std::string name(f.sqlName);
  const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
  void* row = const_cast<JetFunction*>(&f);
  auto add = [&](int count) {
    return f.accumulator != nullptr
               ? sqlite3_create_function(db, name.c_str(), count, flags, row, nullptr,
                                         StepAggregate, FinalAggregate)
               : sqlite3_create_function(db, name.c_str(), count, flags, row, CallScalar, nullptr,
                                         nullptr);
  };
  if (f.variadic) return add(-1);
  const int extra = f.typed ? 1 : 0;
  for (int count = f.minArgs + extra; count <= f.maxArgs + extra; ++count) {
    if (const int rc = add(count); rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

void RegisterJetFunctions(sqlite3* db) {
  auto check = [db](int rc) {
    if (rc != SQLITE_OK) {
      jeterr::Raise(jeterr::msg::kFunctionsNotReady, {sqlite3_errmsg(db)});
    }
  };
  check(sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr));
  check(sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr));
  check(sqlite3_create_collation(db, "JET", SQLITE_UTF8, nullptr, JetCompare));
  for (int args : {2, 3}) {
    check(sqlite3_create_function(db, "like", args, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                  Like, nullptr, nullptr));
  }
  for (const JetFunction& f : JetFunctionCatalog::All()) check(RegisterJetFunction(db, f));
  check(RegisterJetDecimalFunctions(db));
}

}  // namespace dao
