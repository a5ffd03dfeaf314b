/*
** Jet's functions of numbers. See JetNumberFunctions.h.
*/
#include "dao/functions/JetNumberFunctions.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

double NumberOf(const JetArgs& args, int i) {
  const auto d = args.AsNumber(i);
  if (!d) Fail(kTypeMismatch);
  return *d;
}

// An integer stays an integer; Null gives Null.
template <double (*Op)(double)>
JetValue Numeric(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const double r = Op(NumberOf(args, 0));
  return args.Storage(0) == JetStorage::Integer ? JetValue::Whole(r) : JetValue::Real(r);
}

double AbsOp(double d) {
  return std::fabs(d);
}
double IntOp(double d) {
  return std::floor(d);
}
double FixOp(double d) {
  return std::trunc(d);
}

JetValue Round(const JetArgs& args) {
  const long decimals = args.OptionalWhole(1, 0);
  if (decimals < 0) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  const double d = NumberOf(args, 0);
  if (args.Storage(0) == JetStorage::Integer) return args.Copy(0);
  // Past 22 decimals every double is already as fine as it can be written.
  if (decimals > 22) return JetValue::Real(d);
  const double scale = std::pow(10.0, static_cast<double>(decimals));
  const double scaled = d * scale;
  if (!std::isfinite(scaled)) return JetValue::Real(d);
  return JetValue::Real(std::nearbyint(scaled) / scale);
}

JetValue Sgn(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const double d = NumberOf(args, 0);
  return JetValue::Integer(d > 0 ? 1 : d < 0 ? -1 : 0);
}

// A function of one Double; `valid` says which arguments it takes.
template <double (*Op)(double), bool (*Valid)(double)>
JetValue Real(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const double d = NumberOf(args, 0);
  if (!Valid(d)) Fail(kInvalidCall);
  const double r = Op(d);
  if (!std::isfinite(r)) Fail(kOverflow);
  return JetValue::Real(r);
}

bool Any(double) {
  return true;
}
bool NotNegative(double d) {
  return d >= 0;
}
bool Positive(double d) {
  return d > 0;
}
double SqrOp(double d) {
  return std::sqrt(d);
}
double ExpOp(double d) {
  return std::exp(d);
}
double LogOp(double d) {
  return std::log(d);
}
double SinOp(double d) {
  return std::sin(d);
}
double CosOp(double d) {
  return std::cos(d);
}
double TanOp(double d) {
  return std::tan(d);
}
double AtnOp(double d) {
  return std::atan(d);
}

// Hex and Oct: the digits of the whole number in base 2^bits.
template <int kBits>
JetValue Digits(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const long whole = args.Whole(0);
  const bool shortWhole = (args.FirstType() == dbInteger || args.FirstType() == dbByte ||
                           args.FirstType() == dbBoolean) &&
                          whole >= -32768 && whole <= 32767;
  uint32_t value = static_cast<uint32_t>(static_cast<int32_t>(whole));
  if (shortWhole) value &= 0xFFFFu;
  const char* const digits = "0123456789ABCDEF";
  const uint32_t mask = (1u << kBits) - 1;
  std::string out;
  do {
    out.insert(out.begin(), digits[value & mask]);
    value >>= kBits;
  } while (value != 0);
  return JetValue::Text(std::move(out));
}

constexpr JetFunction kRows[] = {
    Scalar("Abs", "jet_abs", 1, 1, Numeric<AbsOp>).Follows(JetResultRule::Numeric),
    Scalar("Int", "jet_int", 1, 1, Numeric<IntOp>).Follows(JetResultRule::Numeric),
    Scalar("Fix", "jet_fix", 1, 1, Numeric<FixOp>).Follows(JetResultRule::Numeric),
    Scalar("Round", "jet_round", 1, 2, Round).Follows(JetResultRule::Numeric),
    Scalar("Sgn", "jet_sgn", 1, 1, Sgn).Returns(dbInteger),
    Scalar("Sqr", "jet_sqr", 1, 1, Real<SqrOp, NotNegative>).Returns(dbDouble),
    Scalar("Exp", "jet_exp", 1, 1, Real<ExpOp, Any>).Returns(dbDouble),
    Scalar("Log", "jet_log", 1, 1, Real<LogOp, Positive>).Returns(dbDouble),
    Scalar("Sin", "jet_sin", 1, 1, Real<SinOp, Any>).Returns(dbDouble),
    Scalar("Cos", "jet_cos", 1, 1, Real<CosOp, Any>).Returns(dbDouble),
    Scalar("Tan", "jet_tan", 1, 1, Real<TanOp, Any>).Returns(dbDouble),
    Scalar("Atn", "jet_atn", 1, 1, Real<AtnOp, Any>).Returns(dbDouble),
    Scalar("Hex", "jet_hex", 1, 1, Digits<4>).Returns(dbText).Typed(),
    Scalar("Hex$", "jet_hex_s", 1, 1, NotNull<Digits<4>>).Returns(dbText).Typed(),
    Scalar("Oct", "jet_oct", 1, 1, Digits<3>).Returns(dbText).Typed(),
    Scalar("Oct$", "jet_oct_s", 1, 1, NotNull<Digits<3>>).Returns(dbText).Typed(),
};

}  // namespace

std::span<const JetFunction> JetNumberFunctions() {
  return kRows;
}

}  // namespace dao
