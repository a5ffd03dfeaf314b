/*
** ValueBinding: moves values between Variants and SQLite.
**
** Reading gives the subtype of the column's Jet type (LONG -> Long,
** INTEGER -> Integer, TEXT -> String, LOGICAL -> Boolean, CURRENCY ->
** Currency rounded to four decimals, DATE -> Date, DOUBLE -> Double,
** DECIMAL -> Decimal at the column's scale), Null
** when empty. An expression column (type 0) gives Long for a whole number
** that fits 32 bits, Double for any other number, String for text.
** Writing converts a value to the column's type first, raising the engine's
** errors: 3421 when it cannot be converted, 3349 when a number does not fit,
** 3163 when a text is longer than the column. A decimal column rounds a
** value to its scale and refuses one that DECIMAL(p, s) cannot hold (3349).
** A Decimal variant is bound in the decimal storage (JetDecimal.h).
*/
#pragma once

#include <sqlite3.h>

#include <string>

#include "common/Variant.h"

namespace dao {

Variant ReadValue(sqlite3_stmt* stmt, int column, int jetType, int scale = 0);
void BindValue(sqlite3_stmt* stmt, int index, const Variant& value);
Variant ConvertForColumn(const Variant& value, int jetType, int size, const std::string& name,
                         int precision = 0, int scale = 0);

}  // namespace dao
