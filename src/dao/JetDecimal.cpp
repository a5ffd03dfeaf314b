/*
** Exact decimals. See JetDecimal.h.
**
** A double is read as the decimal it shows: its shortest text that reads
** back as the same double (0.1 is 1 x 10^-1, not the binary fraction
** 0.1000000000000000055...). That is the value a user typed or a column
** holds, and the one that sums and rounding work on.
*/
#include "dao/JetDecimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "dao/functions/JetFunctionError.h"

namespace dao {

namespace {

using Wide = __int128;

constexpr int64_t Pow10(int n) {
  int64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// A sum reads a power of ten for every value it adds: they come from a table.
constexpr int kWidePowers = 39;  // 10^38 is the largest below 2^127
constexpr auto kWidePow10 = [] {
  std::array<Wide, kWidePowers> p{};
  p[0] = 1;
  for (int i = 1; i < kWidePowers; ++i) p[i] = p[i - 1] * 10;
  return p;
}();

Wide WidePow10(int n) {
  if (n < kWidePowers) return kWidePow10[static_cast<size_t>(n)];
  Wide p = kWidePow10[kWidePowers - 1];
  for (int i = kWidePowers - 1; i < n; ++i) p *= 10;
  return p;
}

bool IsNull(sqlite3_value* v) {
  return sqlite3_value_type(v) == SQLITE_NULL;
}

// Beyond this the sum leaves exact arithmetic; 10^36 leaves room to add.
const Wide kWideLimit = WidePow10(36);

// A finite double as digits x 10^exponent, digits below 10^17.
struct Shown {
  bool negative = false;
  uint64_t digits = 0;
  int exponent = 0;
};

// Most numbers a sum or a decimal column meets are amounts of at most four
// decimals: their shortest text is found without writing it. Below 10^11
// two such amounts lie further apart than a double's spacing, so the one
// amount whose nearest double is `d` is the only one that reads back as
// `d`, hence its shortest text. nullopt for any other number.
std::optional<Shown> ShowAmount(double d) {
  if (!(std::fabs(d) < 1e11)) return std::nullopt;
  // Rounded by hand, without the library's call nor a branch on the sign:
  // a wrong neighbour in a tie only fails the check below, which is exact.
  const double scaled = d * 10000.0;
  const auto n = static_cast<int64_t>(scaled + std::copysign(0.5, scaled));
  if (static_cast<double>(n) / 10000.0 != d) return std::nullopt;
  Shown s;
  s.negative = std::signbit(d);
  s.digits = static_cast<uint64_t>(n < 0 ? -n : n);
  if (s.digits == 0) return s;
  s.exponent = -4;
  while (s.digits % 10 == 0) {
    s.digits /= 10;
    ++s.exponent;
  }
  return s;
}

std::optional<Shown> Show(double d) {
  if (auto amount = ShowAmount(d)) return amount;
  if (!std::isfinite(d)) return std::nullopt;
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific);
  Shown s;
  const char* p = buf;
  if (*p == '-') {
    s.negative = true;
    ++p;
  }
  int fraction = 0;
  bool point = false;
  for (; p < r.ptr && *p != 'e'; ++p) {
    if (*p == '.') {
      point = true;
      continue;
    }
    s.digits = s.digits * 10 + static_cast<uint64_t>(*p - '0');
    if (point) ++fraction;
  }
  // The text is not terminated: the exponent is read up to its end only.
  int e = 0;
  if (p < r.ptr) {
    const char* from = p + 1;
    if (from < r.ptr && *from == '+') ++from;
    std::from_chars(from, r.ptr, e);
  }
  s.exponent = e - fraction;
  return s;
}

// digits x 10^exponent in units of 10^-scale, half to even; nullopt past
// the limit.
std::optional<Wide> WideUnits(const Shown& s, int scale, Wide limit) {
  Wide units = s.digits;
  const int shift = s.exponent + scale;
  if (shift >= 0 && shift <= 19) {
    // digits < 10^17: no power up to 10^19 takes them past 2^127.
    units *= WidePow10(shift);
  } else if (shift >= 0) {
    for (int i = 0; i < shift; ++i) {
      units *= 10;
      if (units >= limit) return std::nullopt;
    }
  } else if (-shift > 18) {
    units = 0;  // below half a unit: digits < 10^17
  } else {
    const Wide div = WidePow10(-shift);
    const Wide q = units / div, r = units % div;
    units = q + ((r * 2 > div || (r * 2 == div && q % 2 != 0)) ? 1 : 0);
  }
  if (units >= limit) return std::nullopt;
  return s.negative ? -units : units;
}

// A number as SQLite's value: integer units stay exact; a fraction goes
// through its decimal text, so the double is the one nearest the decimal.
std::string DecimalText(Wide units, int scale) {
  const bool negative = units < 0;
  if (negative) units = -units;
  // Written from the last digit, then turned round.
  std::string text;
  for (int i = 0; units != 0 || i <= scale; ++i) {
    if (i == scale && scale > 0) text += '.';
    text += static_cast<char>('0' + static_cast<int>(units % 10));
    units /= 10;
  }
  if (negative) text += '-';
  return std::string(text.rbegin(), text.rend());
}

void ResultUnits(sqlite3_context* ctx, Wide units, int scale) {
  const Wide one = WidePow10(scale);
  if (units % one == 0 && units / one >= INT64_MIN && units / one <= INT64_MAX) {
    return sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(units / one));
  }
  sqlite3_result_double(ctx, std::strtod(DecimalText(units, scale).c_str(), nullptr));
}

std::optional<Wide> ValueUnits(sqlite3_value* v, int scale, Wide limit) {
  if (sqlite3_value_numeric_type(v) == SQLITE_INTEGER) {
    const Wide units = static_cast<Wide>(sqlite3_value_int64(v)) * WidePow10(scale);
    if (units >= limit || -units >= limit) return std::nullopt;
    return units;
  }
  const auto shown = Show(sqlite3_value_double(v));
  if (!shown) return std::nullopt;
  return WideUnits(*shown, scale, limit);
}

bool ScaleArgument(sqlite3_value* v, int& scale) {
  scale = sqlite3_value_int(v);
  return scale >= 0 && scale <= kMaxDecimalPrecision;
}

void DecFits(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_int(ctx, 1);
  const int precision = sqlite3_value_int(argv[1]);
  int scale = 0;
  if (!ScaleArgument(argv[2], scale)) return sqlite3_result_error(ctx, jetfn::kInvalidCall, -1);
  const auto units = ValueUnits(argv[0], scale, kWideLimit);
  const bool fits = units && *units > INT64_MIN && *units <= INT64_MAX &&
                    JetDecimal::Fits(static_cast<int64_t>(*units), precision, scale);
  sqlite3_result_int(ctx, fits ? 1 : 0);
}

void DecRound(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  int scale = 0;
  if (!ScaleArgument(argv[1], scale)) return sqlite3_result_error(ctx, jetfn::kInvalidCall, -1);
  const auto units = ValueUnits(argv[0], scale, kWideLimit);
  // A value past the limit is no column's: its CHECK refuses it.
  if (!units) return sqlite3_result_value(ctx, argv[0]);
  ResultUnits(ctx, *units, scale);
}

struct Sum {
  bool seen;
  bool fraction;  // some value was not whole
  bool inexact;   // left exact arithmetic
  int scale;
  Wide units;
  // Once the sum has left exact arithmetic: the sum in floating point,
  // compensated (Neumaier), from the exact sum reached until then.
  double plain;
  double carry;
};

double UnitsToDouble(Wide units, int scale) {
  return std::strtod(DecimalText(units, scale).c_str(), nullptr);
}

void AddPlain(Sum& s, double d) {
  const double t = s.plain + d;
  s.carry += std::fabs(s.plain) >= std::fabs(d) ? (s.plain - t) + d : (d - t) + s.plain;
  s.plain = t;
}

// Adds `v` to the exact sum; false when it could not (the sum is then left
// as it was, and inexact).
bool AddExact(Sum& s, sqlite3_value* v) {
  if (sqlite3_value_numeric_type(v) == SQLITE_INTEGER) {
    const auto units = ValueUnits(v, s.scale, kWideLimit);
    if (!units) {
      s.inexact = true;
      return false;
    }
    s.units += *units;
  } else {
    s.fraction = true;
    const auto shown = Show(sqlite3_value_double(v));
    if (!shown) {
      s.inexact = true;
      return false;
    }
    // Finer than the sum so far: the sum moves to the finer scale.
    if (-shown->exponent > s.scale) {
      const int finer = -shown->exponent;
      if (finer > 2 * kMaxDecimalPrecision) {
        s.inexact = true;
        return false;
      }
      s.units *= WidePow10(finer - s.scale);
      s.scale = finer;
    }
    const auto units = WideUnits(*shown, s.scale, kWideLimit);
    if (!units) {
      s.inexact = true;
      return false;
    }
    s.units += *units;
  }
  if (s.units >= kWideLimit || -s.units >= kWideLimit) s.inexact = true;
  return true;
}

// SQLite's aggregate memory is aligned for 8 bytes, the 128-bit sum needs
// 16: the state starts at the first address that gives it. The memory comes
// zeroed, a zeroed Sum is an empty one.
Sum* SumOf(sqlite3_context* ctx, int bytes) {
  void* raw = sqlite3_aggregate_context(ctx, bytes);
  if (raw == nullptr) return nullptr;
  std::size_t space = sizeof(Sum) + alignof(Sum);
  return static_cast<Sum*>(std::align(alignof(Sum), sizeof(Sum), raw, space));
}

void SumStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Sum* s = SumOf(ctx, static_cast<int>(sizeof(Sum) + alignof(Sum)));
  if (s == nullptr) return sqlite3_result_error_nomem(ctx);
  if (IsNull(argv[0])) return;
  s->seen = true;
  // The floating sum is kept only once it is needed: the exact one, rounded
  // once, is as near as it could have come.
  if (!s->inexact) {
    const bool added = AddExact(*s, argv[0]);
    if (!s->inexact) return;
    s->plain = UnitsToDouble(s->units, s->scale);
    if (added) return;
  }
  AddPlain(*s, sqlite3_value_double(argv[0]));
}

void SumFinal(sqlite3_context* ctx) {
  Sum* s = SumOf(ctx, 0);
  if (s == nullptr || !s->seen) return sqlite3_result_null(ctx);
  if (s->inexact) return sqlite3_result_double(ctx, s->plain + s->carry);
  if (!s->fraction) {
    if (s->units >= INT64_MIN && s->units <= INT64_MAX) {
      return sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(s->units));
    }
    return sqlite3_result_double(ctx, UnitsToDouble(s->units, s->scale));
  }
  ResultUnits(ctx, s->units, s->scale);
}

// An operand of exact arithmetic: units x 10^-scale, the scale at most
// kExactScale; nullopt for a value that is no number, or too large or too
// fine for that.
struct Exact {
  Wide units;
  int scale;
};

constexpr int kExactScale = 2 * kMaxDecimalPrecision;

std::optional<Exact> ExactOperand(sqlite3_value* v) {
  const int type = sqlite3_value_numeric_type(v);
  if (type == SQLITE_INTEGER) return Exact{sqlite3_value_int64(v), 0};
  if (type != SQLITE_FLOAT) return std::nullopt;
  const auto shown = Show(sqlite3_value_double(v));
  if (!shown || -shown->exponent > kExactScale) return std::nullopt;
  if (shown->exponent >= 0) {
    const auto units = WideUnits(*shown, 0, kWideLimit);
    if (!units) return std::nullopt;
    return Exact{*units, 0};
  }
  const Wide digits = shown->digits;
  return Exact{shown->negative ? -digits : digits, -shown->exponent};
}

// `e` moved to a finer scale; false when it would pass the limit.
bool Rescale(Exact& e, int scale) {
  for (; e.scale < scale; ++e.scale) {
    if (e.units >= kWideLimit / 10 || -e.units >= kWideLimit / 10) return false;
    e.units *= 10;
  }
  return true;
}

// + - * of two numbers, worked out in decimal on what each shows, so that
// 0.1 + 0.2 is the 0.3 a user wrote; Null with a Null. Operands that are no
// numbers, or past the exact range, are worked out as SQLite would.
void DecArithmetic(sqlite3_context* ctx, sqlite3_value** argv, char op) {
  if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(ctx);
  auto a = ExactOperand(argv[0]);
  auto b = ExactOperand(argv[1]);
  if (a && b) {
    if (op == '*') {
      // Two 64-bit magnitudes multiply within the 128 bits.
      auto small = [](Wide u) { return u <= INT64_MAX && -u <= INT64_MAX; };
      if (small(a->units) && small(b->units) && a->scale + b->scale <= kExactScale) {
        return ResultUnits(ctx, a->units * b->units, a->scale + b->scale);
      }
    } else {
      const int scale = std::max(a->scale, b->scale);
      if (Rescale(*a, scale) && Rescale(*b, scale)) {
        return ResultUnits(ctx, op == '+' ? a->units + b->units : a->units - b->units, scale);
      }
    }
  }
  const double x = sqlite3_value_double(argv[0]);
  const double y = sqlite3_value_double(argv[1]);
  sqlite3_result_double(ctx, op == '+' ? x + y : op == '-' ? x - y : x * y);
}

void DecAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  DecArithmetic(ctx, argv, '+');
}
void DecSubtract(sqlite3_context* ctx, int, sqlite3_value** argv) {
  DecArithmetic(ctx, argv, '-');
}
void DecMultiply(sqlite3_context* ctx, int, sqlite3_value** argv) {
  DecArithmetic(ctx, argv, '*');
}

}  // namespace

std::optional<int64_t> JetDecimal::Units(double value, int scale) {
  const auto shown = Show(value);
  if (!shown) return std::nullopt;
  const auto units = WideUnits(*shown, scale, WidePow10(18) * 10);
  if (!units || *units > INT64_MAX || *units < -INT64_MAX) return std::nullopt;
  return static_cast<int64_t>(*units);
}

std::optional<int64_t> JetDecimal::Units(const Variant& value, int scale) {
  switch (value.Type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long: {
      const int64_t whole = value.ToLong();
      const int64_t one = Pow10(scale);
      if (whole > INT64_MAX / one || whole < -INT64_MAX / one) return std::nullopt;
      return whole * one;
    }
    case VarType::Currency:
    case VarType::Decimal: {
      const bool currency = value.Type() == VarType::Currency;
      const int64_t units = currency ? value.CurrencyValue() : value.DecimalUnits();
      const int from = currency ? 4 : value.DecimalScale();
      Shown s;
      s.negative = units < 0;
      s.digits = s.negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
      s.exponent = -from;
      const auto wide = WideUnits(s, scale, WidePow10(18) * 10);
      if (!wide || *wide > INT64_MAX || *wide < -INT64_MAX) return std::nullopt;
      return static_cast<int64_t>(*wide);
    }
    case VarType::Empty:
    case VarType::Null:
      return std::nullopt;
    default:
      return Units(value.ToDouble(), scale);
  }
}

bool JetDecimal::Fits(int64_t units, int precision, int scale) {
  if (precision < 1 || precision > kMaxDecimalPrecision || scale < 0 || scale > precision) {
    return false;
  }
  const uint64_t magnitude =
      units < 0 ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
  if (magnitude >= static_cast<uint64_t>(Pow10(precision))) return false;
  const bool whole = scale == 0 || units % Pow10(scale) == 0;
  if (whole) return true;
  // The digits that count are the significant ones: 0.5 at a scale of 18 is
  // one digit, not the eighteen of its units.
  uint64_t significant = magnitude;
  while (significant % 10 == 0) significant /= 10;
  return significant < static_cast<uint64_t>(Pow10(kExactDoubleDigits));
}

std::optional<Variant> JetDecimal::FromStored(sqlite3_value* v, int scale) {
  if (sqlite3_value_type(v) == SQLITE_INTEGER) {
    const int64_t whole = sqlite3_value_int64(v);
    const int64_t one = Pow10(scale);
    if (whole > INT64_MAX / one || whole < -INT64_MAX / one) return std::nullopt;
    return Variant::FromDecimal(whole * one, scale);
  }
  const auto units = Units(sqlite3_value_double(v), scale);
  if (!units) return std::nullopt;
  return Variant::FromDecimal(*units, scale);
}

void JetDecimal::Bind(sqlite3_stmt* stmt, int index, const Variant& value) {
  const int64_t units = value.DecimalUnits();
  const int64_t one = Pow10(value.DecimalScale());
  if (units % one == 0) {
    sqlite3_bind_int64(stmt, index, units / one);
  } else {
    sqlite3_bind_double(stmt, index, value.ToDouble());
  }
}

int RegisterJetDecimalFunctions(sqlite3* db) {
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  int rc = sqlite3_create_function(db, "jet_decfits", 3, flags, nullptr, DecFits, nullptr, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_function(db, "jet_decround", 2, flags, nullptr, DecRound, nullptr, nullptr);
  }
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_function(db, "jet_sum", 1, flags, nullptr, nullptr, SumStep, SumFinal);
  }
  struct Operator {
    const char* name;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
  };
  for (const Operator& o : {Operator{"jet_decadd", DecAdd}, Operator{"jet_decsub", DecSubtract},
                            Operator{"jet_decmul", DecMultiply}}) {
    if (rc == SQLITE_OK)
      rc = sqlite3_create_function(db, o.name, 2, flags, nullptr, o.function, nullptr, nullptr);
  }
  return rc;
}

}  // namespace dao
