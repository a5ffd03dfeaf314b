/*
** Jet's operators as SQL functions. See JetOperators.h.
*/
#include "dao/functions/JetOperators.h"

#include <cmath>
#include <string>

#include "common/ValueFormat.h"
#include "common/Variant.h"
#include "dao/functions/JetFunctionError.h"

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

// The translator writes a run of such + as one call.
JetValue Add(const JetArgs& args) {
  if (args.Count() == 0 || args.IsNull(0)) return JetValue();
  bool isText = args.Storage(0) == JetStorage::Text;
  std::string text = isText ? args.Text(0) : std::string();
  double number = 0;
  if (!isText) {
    const auto first = args.PlainNumber(0);
    if (!first) Fail(kTypeMismatch);
    number = *first;
  }
  for (int i = 1; i < args.Count(); i++) {
    if (args.IsNull(i)) return JetValue();
    if (isText && args.Storage(i) == JetStorage::Text) {
      text += args.Text(i);
      continue;
    }
    if (isText) {
      const auto left = JetArgs::PlainNumberOf(text);
      if (!left) Fail(kTypeMismatch);
      number = *left;
    }
    const auto right = args.PlainNumber(i);
    if (!right) Fail(kTypeMismatch);
    isText = false;
    number += *right;
  }
  if (isText) return JetValue::Text(std::move(text));
  return JetValue::Real(number);
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
    if (i == 1) {
      const auto first = args.PlainNumber(0);
      if (!first) Fail(kTypeMismatch);
      value = *first;
    }
    const auto right = args.PlainNumber(i);
    if (!right) Fail(kTypeMismatch);
    step(value, *right);
  }
  return whole ? JetValue::Whole(value) : JetValue::Real(value);
}

// The truth of an argument: 1 true, 0 false, -1 Null.
int TruthOf(const JetArgs& args, int i) {
  if (args.IsNull(i)) return -1;
  const auto d = args.PlainNumber(i);
  if (!d) Fail(kTypeMismatch);
  return *d != 0 ? 1 : 0;
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
  return JetValue::Text(ValueFormat::ToText(Variant::FromDate(*args.PlainNumber(0))));
}

JetValue TextDate(const JetArgs& args) {
  if (args.IsNull(0) || args.IsNumber(0)) return args.Copy(0);
  return JetValue::Real(args.Date(0));
}

constexpr JetFunction kRows[] = {
    Operator("jet_concat", 1, Concat).Variadic(),
    Operator("jet_add", 1, Add).Variadic(),
    Operator("jet_div", 2, Fold<DivideStep, false>).Variadic(),
    Operator("jet_idiv", 2, Fold<IntegerDivideStep, true>).Variadic(),
    Operator("jet_mod", 2, Fold<ModuloStep, true>).Variadic(),
    Operator("jet_pow", 2, Fold<PowerStep, false>).Variadic(),
    Operator("jet_xor", 2, Logical<XorRule>).Variadic(),
    Operator("jet_eqv", 2, Logical<EqvRule>).Variadic(),
    Operator("jet_imp", 2, Logical<ImpRule>).Variadic(),
    Operator("jet_datetext", 1, DateText),
    Operator("jet_textdate", 1, TextDate),
};

}  // namespace

std::span<const JetFunction> JetOperators() {
  return kRows;
}

}  // namespace dao
