/*
** JetNumberFunctions: Jet's functions of numbers.
**
**   Abs(x)  Int(x)  Fix(x)   the magnitude, the whole number at or below,
**                            the whole part; a whole number stays whole
**   Sgn(x)                   -1, 0 or 1
**
** Texts are read as the engine writes numbers (JetArgs::PlainNumber); Null
** gives Null; anything else that is no number is a type mismatch.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the functions of numbers.
std::span<const JetFunction> JetNumberFunctions();

}  // namespace dao
