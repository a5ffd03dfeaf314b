/*
** Jet's financial functions. See JetFinancialFunctions.h.
**
** Every annuity function solves the same balance: a present value grown
** over nper periods, plus the payments grown to the end, plus the future
** value, is nothing:
**   pv (1+r)^n + pmt (1 + r type) ((1+r)^n - 1) / r + fv = 0
** (pv + pmt n + fv = 0 when the rate is 0).
*/
#include "dao/functions/JetFinancialFunctions.h"

#include <cmath>

#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

double Optional(const JetArgs& args, int i, double fallback) {
  if (args.Count() <= i || args.IsNull(i)) return fallback;
  return args.Number(i);
}

// Payments at the start of each period for any type but 0.
double TypeOf(const JetArgs& args, int i) {
  return Optional(args, i, 0) != 0 ? 1 : 0;
}

JetValue Result(double value) {
  if (!std::isfinite(value)) Fail(kInvalidCall);
  return JetValue::Real(value);
}

double FutureValue(double r, double n, double pmt, double pv, double type) {
  if (r == 0) return -(pv + pmt * n);
  const double growth = std::pow(1 + r, n);
  return -(pv * growth + pmt * (1 + r * type) * (growth - 1) / r);
}

double Payment(double r, double n, double pv, double fv, double type) {
  if (n == 0) Fail(kInvalidCall);
  if (r == 0) return -(pv + fv) / n;
  const double growth = std::pow(1 + r, n);
  return -(pv * growth + fv) * r / ((1 + r * type) * (growth - 1));
}

double Interest(double r, double per, double n, double pv, double fv, double type) {
  if (per < 1 || per >= n + 1) Fail(kInvalidCall);
  const double pmt = Payment(r, n, pv, fv, type);
  double interest = 0;
  if (per == 1)
    interest = type == 1 ? 0 : -pv;
  else if (type == 1)
    interest = FutureValue(r, per - 2, pmt, pv, 1) - pmt;
  else
    interest = FutureValue(r, per - 1, pmt, pv, 0);
  return interest * r;
}

JetValue Pmt(const JetArgs& args) {
  return Result(Payment(args.Number(0), args.Number(1), args.Number(2), Optional(args, 3, 0),
                        TypeOf(args, 4)));
}

JetValue PV(const JetArgs& args) {
  const double r = args.Number(0), n = args.Number(1), pmt = args.Number(2);
  const double fv = Optional(args, 3, 0), type = TypeOf(args, 4);
  if (r == 0) return Result(-(fv + pmt * n));
  const double growth = std::pow(1 + r, n);
  return Result(-(fv + pmt * (1 + r * type) * (growth - 1) / r) / growth);
}

JetValue FV(const JetArgs& args) {
  return Result(FutureValue(args.Number(0), args.Number(1), args.Number(2), Optional(args, 3, 0),
                            TypeOf(args, 4)));
}

JetValue NPer(const JetArgs& args) {
  const double r = args.Number(0), pmt = args.Number(1), pv = args.Number(2);
  const double fv = Optional(args, 3, 0), type = TypeOf(args, 4);
  if (r == 0) {
    if (pmt == 0) Fail(kInvalidCall);
    return Result(-(pv + fv) / pmt);
  }
  const double z = pmt * (1 + r * type) / r;
  const double ratio = (z - fv) / (z + pv);
  if (!(ratio > 0) || r <= -1) Fail(kInvalidCall);
  return Result(std::log(ratio) / std::log(1 + r));
}

// The balance left at the end, for a rate r. Near r = 0, (1+r)^n - 1 is
// taken as expm1(n log1p(r)): subtracting 1 from pow's result would leave
// only pow's last bits, which differ between math libraries, and the root
// at a rate of 0 would be found at 1E-08 on one system and 0 on another.
double Balance(double r, double n, double pmt, double pv, double fv, double type) {
  if (r == 0 || r <= -1) return -FutureValue(r, n, pmt, pv, type) + fv;
  const double grown = std::expm1(n * std::log1p(r));
  return pv * (grown + 1) + pmt * (1 + r * type) * grown / r + fv;
}

JetValue Rate(const JetArgs& args) {
  const double n = args.Number(0), pmt = args.Number(1), pv = args.Number(2);
  const double fv = Optional(args, 3, 0), type = TypeOf(args, 4);
  double r = Optional(args, 5, 0.1);
  if (n <= 0) Fail(kInvalidCall);
  for (int step = 0; step < 40; ++step) {
    const double h = std::max(1e-9, std::fabs(r) * 1e-7);
    const double f = Balance(r, n, pmt, pv, fv, type);
    const double slope = (Balance(r + h, n, pmt, pv, fv, type) - f) / h;
    if (slope == 0 || !std::isfinite(slope)) break;
    const double next = r - f / slope;
    if (!std::isfinite(next) || next <= -1) break;
    if (std::fabs(next - r) < 1e-9) return Result(next);
    r = next;
  }
  Fail(kInvalidCall);
}

JetValue IPmt(const JetArgs& args) {
  return Result(Interest(args.Number(0), args.Number(1), args.Number(2), args.Number(3),
                         Optional(args, 4, 0), TypeOf(args, 5)));
}

JetValue PPmt(const JetArgs& args) {
  const double r = args.Number(0), per = args.Number(1), n = args.Number(2);
  const double pv = args.Number(3), fv = Optional(args, 4, 0), type = TypeOf(args, 5);
  const double interest = Interest(r, per, n, pv, fv, type);
  return Result(Payment(r, n, pv, fv, type) - interest);
}

JetValue DDB(const JetArgs& args) {
  const double cost = args.Number(0), salvage = args.Number(1), life = args.Number(2);
  const double period = args.Number(3), factor = Optional(args, 4, 2);
  if (cost < 0 || salvage < 0 || life <= 0 || factor <= 0 || period <= 0 || period > life)
    Fail(kInvalidCall);
  double value = cost, depreciation = 0;
  for (double p = 1; p <= std::ceil(period); ++p) {
    depreciation = std::min(value * factor / life, std::max(value - salvage, 0.0));
    value -= depreciation;
  }
  return Result(depreciation);
}

JetValue SLN(const JetArgs& args) {
  const double cost = args.Number(0), salvage = args.Number(1), life = args.Number(2);
  if (life == 0) Fail(kInvalidCall);
  return Result((cost - salvage) / life);
}

JetValue SYD(const JetArgs& args) {
  const double cost = args.Number(0), salvage = args.Number(1), life = args.Number(2);
  const double period = args.Number(3);
  if (life <= 0 || period <= 0 || period > life) Fail(kInvalidCall);
  return Result((cost - salvage) * (life - period + 1) * 2 / (life * (life + 1)));
}

constexpr JetFunction kRows[] = {
    Scalar("Pmt", "jet_pmt", 3, 5, Pmt).Returns(dbDouble),
    Scalar("PV", "jet_pv", 3, 5, PV).Returns(dbDouble),
    Scalar("FV", "jet_fv", 3, 5, FV).Returns(dbDouble),
    Scalar("NPer", "jet_nper", 3, 5, NPer).Returns(dbDouble),
    Scalar("Rate", "jet_rate", 3, 6, Rate).Returns(dbDouble),
    Scalar("IPmt", "jet_ipmt", 4, 6, IPmt).Returns(dbDouble),
    Scalar("PPmt", "jet_ppmt", 4, 6, PPmt).Returns(dbDouble),
    Scalar("DDB", "jet_ddb", 4, 5, DDB).Returns(dbDouble),
    Scalar("SLN", "jet_sln", 3, 3, SLN).Returns(dbDouble),
    Scalar("SYD", "jet_syd", 4, 4, SYD).Returns(dbDouble),
};

}  // namespace

std::span<const JetFunction> JetFinancialFunctions() {
  return kRows;
}

}  // namespace dao
