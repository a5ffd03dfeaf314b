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

struct Operands {
  double a;
  double b;
};

// Two numeric operands; nullopt when either is Null.
std::optional<Operands> NumericOperands(const JetArgs& args) {
  if (args.IsNull(0) || args.IsNull(1)) return std::nullopt;
  const auto a = args.PlainNumber(0);
  const auto b = args.PlainNumber(1);
  if (!a || !b) Fail(kTypeMismatch);
  return Operands{*a, *b};
}

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

JetValue Divide(const JetArgs& args) {
  const auto o = NumericOperands(args);
  if (!o) return JetValue();
  if (o->b == 0) Fail(kDivisionByZero);
  return JetValue::Real(o->a / o->b);
}

JetValue IntegerDivide(const JetArgs& args) {
  const auto o = NumericOperands(args);
  if (!o) return JetValue();
  const double a = std::nearbyint(o->a), b = std::nearbyint(o->b);
  if (b == 0) Fail(kDivisionByZero);
  return JetValue::Whole(std::trunc(a / b));
}

JetValue Modulo(const JetArgs& args) {
  const auto o = NumericOperands(args);
  if (!o) return JetValue();
  const double a = std::nearbyint(o->a), b = std::nearbyint(o->b);
  if (b == 0) Fail(kDivisionByZero);
  return JetValue::Whole(std::fmod(a, b));
}

JetValue Power(const JetArgs& args) {
  const auto o = NumericOperands(args);
  if (!o) return JetValue();
  const double r = std::pow(o->a, o->b);
  if (std::isnan(r)) Fail(kInvalidCall);
  if (std::isinf(r)) Fail(kOverflow);
  return JetValue::Real(r);
}

// The truth of an argument: 1 true, 0 false, -1 Null.
int TruthOf(const JetArgs& args, int i) {
  if (args.IsNull(i)) return -1;
  const auto d = args.PlainNumber(i);
  if (!d) Fail(kTypeMismatch);
  return *d != 0 ? 1 : 0;
}

template <int (*Rule)(int, int)>
JetValue Logical(const JetArgs& args) {
  const int a = TruthOf(args, 0), b = TruthOf(args, 1);
  const int r = Rule(a, b);
  if (r < 0) return JetValue();
  return JetValue::Integer(r);
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
    Operator("jet_div", 2, Divide),
    Operator("jet_idiv", 2, IntegerDivide),
    Operator("jet_mod", 2, Modulo),
    Operator("jet_pow", 2, Power),
    Operator("jet_xor", 2, Logical<XorRule>),
    Operator("jet_eqv", 2, Logical<EqvRule>),
    Operator("jet_imp", 2, Logical<ImpRule>),
    Operator("jet_datetext", 1, DateText),
    Operator("jet_textdate", 1, TextDate),
};

}  // namespace

std::span<const JetFunction> JetOperators() {
  return kRows;
}

}  // namespace dao
