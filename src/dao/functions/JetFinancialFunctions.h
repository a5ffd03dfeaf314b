/*
** JetFinancialFunctions: Jet's functions of annuities and depreciation.
**
**   Pmt(rate, nper, pv[, fv[, type]])          the payment of each period
**   PV(rate, nper, pmt[, fv[, type]])          the present value
**   FV(rate, nper, pmt[, pv[, type]])          the future value
**   NPer(rate, pmt, pv[, fv[, type]])          the number of periods
**   Rate(nper, pmt, pv[, fv[, type[, guess]]]) the rate per period
**   IPmt(rate, per, nper, pv[, fv[, type]])    the interest of period per
**   PPmt(rate, per, nper, pv[, fv[, type]])    the principal of period per
**   DDB(cost, salvage, life, period[, factor]) double-declining balance
**   SLN(cost, salvage, life)                   straight line
**   SYD(cost, salvage, life, period)           sum of the years' digits
**
** Money paid out is negative, money received positive; fv and pv default to
** 0, type to 0 (payments at the end of each period; any other value: at the
** start), guess to 0.1, factor to 2. Rate is found by Newton's method from
** the guess; when it does not settle within 40 steps, or a period lies
** outside 1 .. nper (or life), or a life, a factor or an NPer's terms make
** no sense, the call is error 5. All results are Doubles; a Null argument
** is "Uso no válido de Null.".
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the financial functions.
std::span<const JetFunction> JetFinancialFunctions();

}  // namespace dao
