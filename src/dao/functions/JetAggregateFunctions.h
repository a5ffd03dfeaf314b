/*
** JetAggregateFunctions: Jet's aggregates over the rows of a group.
**
**   Count(x), Count(*)   SQLite's count
**   Sum(x)               the decimal storage's exact sum (jet_sum, see
**                        JetDecimal.h)
**   Avg(x) Min(x) Max(x) SQLite's own
**   First(x) Last(x)     the value of the first or last row of the group,
**                        Null included; Null for no row
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the aggregates.
std::span<const JetFunction> JetAggregateFunctions();

}  // namespace dao
