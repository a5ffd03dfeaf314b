/*
** JetNumberFunctions: Jet's functions of numbers.
**
**   Abs(x)  Int(x)  Fix(x)   the magnitude, the whole number at or below,
**                            the whole part; a whole number stays whole
**   Round(x[, decimals])     rounded half to even ("banker's": Round(2.5) is
**                            2, Round(3.5) 4, Round(0.125, 2) 0.12) on the
**                            number times 10^decimals, as the run time
**                            does; decimals below 0 are error 5
**   Sgn(x)                   -1, 0 or 1
**   Sqr Exp Log Sin Cos Tan Atn (x)   Doubles; Sqr of a negative number
**                            and Log of one not above 0 are error 5, an Exp
**                            too large "Desbordamiento."
**   Hex(x)  Oct(x)           the whole number (rounded half to even, 32
**                            bits) in base 16 or 8; a negative one in two's
**                            complement of its type, 16 bits for an Integer
**                            (Hex(-1) of an Integer is "FFFF"), else 32
**                            bits ("FFFFFFFF")
**
** Texts are read as numbers (JetArgs::AsNumber); Null gives Null, but the
** $ forms (Hex$, Oct$) refuse it; anything else that is no number is a
** type mismatch.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the functions of numbers.
std::span<const JetFunction> JetNumberFunctions();

}  // namespace dao
