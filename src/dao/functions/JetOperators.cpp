/*
** Jet's operators as SQL functions. See JetOperators.h.
*/
#include "dao/functions/JetOperators.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "dao/functions/JetDateText.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetNumberText.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

// The translator writes a run of & as one call.
JetValue Concat(const JetArgs& args) {
  bool allNull = true;
  std::string joined;
  for (int i = 0; i < args.Count(); i++) {
    if (args.IsNull(i)) continue;
    allNull = false;
    joined += args.Text(i);
  }
  if (allNull) return JetValue();
  return JetValue::Text(std::move(joined));
}

// A number read from an operand: a text that is no number is a type
// mismatch, whatever the operator.
double Operand(const JetArgs& args, int i) {
  const auto d = args.AsNumber(i);
  if (!d) Fail(kTypeMismatch);
  return *d;
}

// An operand's value, kept whole while it is a whole number of 64 bits, so
// that whole operands give a whole result as SQLite's own operators do.
struct Number {
  bool whole = false;
  int64_t integer = 0;
  double real = 0;

  static Number Of(const JetArgs& args, int i) {
    if (args.Storage(i) == JetStorage::Integer) return {true, args[i].integer, 0};
    return {false, 0, Operand(args, i)};
  }
  double Real() const { return whole ? static_cast<double>(integer) : real; }
  JetValue Value() const { return whole ? JetValue::Integer(integer) : JetValue::Real(real); }
};

template <bool (*WholeStep)(int64_t, int64_t, int64_t*), double (*RealStep)(double, double)>
Number Combine(const Number& a, const Number& b) {
  int64_t r = 0;
  if (a.whole && b.whole && !WholeStep(a.integer, b.integer, &r)) return {true, r, 0};
  return {false, 0, RealStep(a.Real(), b.Real())};
}

bool AddWhole(int64_t a, int64_t b, int64_t* r) {
  return __builtin_add_overflow(a, b, r);
}
bool SubtractWhole(int64_t a, int64_t b, int64_t* r) {
  return __builtin_sub_overflow(a, b, r);
}
bool MultiplyWhole(int64_t a, int64_t b, int64_t* r) {
  return __builtin_mul_overflow(a, b, r);
}
double AddReal(double a, double b) {
  return a + b;
}
double SubtractReal(double a, double b) {
  return a - b;
}
double MultiplyReal(double a, double b) {
  return a * b;
}

// + over a run, left to right: two texts are joined, a text with a number
// is read as a number (a Date plus "37" is 37 days later), Null makes the
// rest Null. The translator writes it where an operand may be a text.
JetValue Add(const JetArgs& args) {
  if (args.Count() == 0 || args.IsNull(0)) return JetValue();
  bool isText = args.Storage(0) == JetStorage::Text;
  std::string text = isText ? args.Text(0) : std::string();
  Number number;
  if (!isText) number = Number::Of(args, 0);
  for (int i = 1; i < args.Count(); i++) {
    if (args.IsNull(i)) return JetValue();
    if (isText && args.Storage(i) == JetStorage::Text) {
      text += args.Text(i);
      continue;
    }
    if (isText) {
      const auto left = JetNumberText::Read(text);
      if (!left) Fail(kTypeMismatch);
      number = {false, 0, *left};
      isText = false;
    }
    number = Combine<AddWhole, AddReal>(number, Number::Of(args, i));
  }
  if (isText) return JetValue::Text(std::move(text));
  return number.Value();
}

// - and * over a run, left to right, where an operand may be a text.
template <bool (*WholeStep)(int64_t, int64_t, int64_t*), double (*RealStep)(double, double)>
JetValue Arithmetic(const JetArgs& args) {
  if (args.Count() < 2) Fail(kInvalidCall);
  Number value;
  for (int i = 1; i < args.Count(); i++) {
    if (args.IsNull(0) || args.IsNull(i)) return JetValue();
    if (i == 1) value = Number::Of(args, 0);
    value = Combine<WholeStep, RealStep>(value, Number::Of(args, i));
  }
  return value.Value();
}

JetValue Negate(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const Number n = Number::Of(args, 0);
  if (n.whole && n.integer != INT64_MIN) return JetValue::Integer(-n.integer);
  return JetValue::Real(-n.Real());
}

// One step of /, \, Mod or ^ on the value so far.
using Step = void (*)(double& value, double right);

void DivideStep(double& a, double b) {
  if (b == 0) Fail(kDivisionByZero);
  a /= b;
}

// \ and Mod round both operands to whole numbers first.
void IntegerDivideStep(double& a, double b) {
  a = std::nearbyint(a), b = std::nearbyint(b);
  if (b == 0) Fail(kDivisionByZero);
  a = std::trunc(a / b);
}

void ModuloStep(double& a, double b) {
  a = std::nearbyint(a), b = std::nearbyint(b);
  if (b == 0) Fail(kDivisionByZero);
  a = std::fmod(a, b);
}

void PowerStep(double& a, double b) {
  const double r = std::pow(a, b);
  if (std::isnan(r)) Fail(kInvalidCall);
  if (std::isinf(r)) Fail(kOverflow);
  a = r;
}

// a op b op c ...: taken left to right, each step on the value so far, as
// the nested calls of one operator would be: a Null operand makes the rest
// Null before the other operand is looked at, an error stops the run. The
// translator writes a run of one operator as one call.
template <Step step, bool whole>
JetValue Fold(const JetArgs& args) {
  if (args.Count() < 2) Fail(kInvalidCall);
  double value = 0;
  for (int i = 1; i < args.Count(); i++) {
    if (args.IsNull(0) || args.IsNull(i)) return JetValue();
    if (i == 1) value = Operand(args, 0);
    step(value, Operand(args, i));
  }
  return whole ? JetValue::Whole(value) : JetValue::Real(value);
}

// The truth of an argument: 1 true, 0 false, -1 Null.
int TruthOf(const JetArgs& args, int i) {
  if (args.IsNull(i)) return -1;
  return Operand(args, i) != 0 ? 1 : 0;
}

// XOR, EQV and IMP with Jet's Null rules, a run taken left to right.
template <int (*Rule)(int, int)>
JetValue Logical(const JetArgs& args) {
  if (args.Count() < 2) Fail(kInvalidCall);
  int a = TruthOf(args, 0);
  for (int i = 1; i < args.Count(); i++) a = Rule(a, TruthOf(args, i));
  if (a < 0) return JetValue();
  return JetValue::Integer(a);
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

JetValue DateText(const JetArgs& args) {
  if (!args.IsNumber(0)) return args.Copy(0);
  return JetValue::Text(JetDateText::Write(*args.AsNumber(0)));
}

JetValue TextNumber(const JetArgs& args) {
  if (args.IsNull(0) || args.IsNumber(0)) return args.Copy(0);
  return JetValue::Real(Operand(args, 0));
}

JetValue SingleText(const JetArgs& args) {
  if (!args.IsNumber(0)) return args.Copy(0);
  return JetValue::Text(args.Text(0, dbSingle));
}

JetValue TextDate(const JetArgs& args) {
  if (args.IsNull(0) || args.IsNumber(0)) return args.Copy(0);
  return JetValue::Real(args.Date(0));
}

constexpr JetFunction kRows[] = {
    Operator("jet_concat", 1, Concat).Variadic(),
    Operator("jet_add", 1, Add).Variadic(),
    Operator("jet_sub", 2, Arithmetic<SubtractWhole, SubtractReal>).Variadic(),
    Operator("jet_mul", 2, Arithmetic<MultiplyWhole, MultiplyReal>).Variadic(),
    Operator("jet_neg", 1, Negate),
    Operator("jet_div", 2, Fold<DivideStep, false>).Variadic(),
    Operator("jet_idiv", 2, Fold<IntegerDivideStep, true>).Variadic(),
    Operator("jet_mod", 2, Fold<ModuloStep, true>).Variadic(),
    Operator("jet_pow", 2, Fold<PowerStep, false>).Variadic(),
    Operator("jet_xor", 2, Logical<XorRule>).Variadic(),
    Operator("jet_eqv", 2, Logical<EqvRule>).Variadic(),
    Operator("jet_imp", 2, Logical<ImpRule>).Variadic(),
    Operator("jet_datetext", 1, DateText),
    Operator("jet_singletext", 1, SingleText),
    Operator("jet_textnumber", 1, TextNumber),
    Operator("jet_textdate", 1, TextDate),
};

}  // namespace

std::span<const JetFunction> JetOperators() {
  return kRows;
}

}  // namespace dao
