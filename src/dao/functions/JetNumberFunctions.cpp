/*
** Jet's functions of numbers. See JetNumberFunctions.h.
*/
#include "dao/functions/JetNumberFunctions.h"

#include <cmath>

#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

double PlainNumber(const JetArgs& args) {
  const auto d = args.PlainNumber(0);
  if (!d) Fail(kTypeMismatch);
  return *d;
}

// An integer stays an integer; Null gives Null.
template <double (*Op)(double)>
JetValue Numeric(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const double r = Op(PlainNumber(args));
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

JetValue Sgn(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const double d = PlainNumber(args);
  return JetValue::Integer(d > 0 ? 1 : d < 0 ? -1 : 0);
}

constexpr JetFunction kRows[] = {
    Scalar("Abs", "jet_abs", 1, 1, Numeric<AbsOp>).Follows(JetResultRule::Numeric),
    Scalar("Int", "jet_int", 1, 1, Numeric<IntOp>).Follows(JetResultRule::Numeric),
    Scalar("Fix", "jet_fix", 1, 1, Numeric<FixOp>).Follows(JetResultRule::Numeric),
    Scalar("Sgn", "jet_sgn", 1, 1, Sgn).Returns(dbInteger),
};

}  // namespace

std::span<const JetFunction> JetNumberFunctions() {
  return kRows;
}

}  // namespace dao
