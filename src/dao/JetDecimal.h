/*
** JetDecimal: the exact decimals of DECIMAL / NUMERIC (p, s) columns.
**
** Storage. A decimal column's value is kept as an ordinary SQLite number:
** an INTEGER when it is whole, else the REAL nearest to it. The engine's
** statements are translated without a look at the schema, so whatever a
** column holds meets literals, other columns and SQLite's own comparisons
** and indexes as a number: a scaled integer would compare 1.5 with 150.
** Every value is exact all the same: a whole value of up to 18 digits is an
** INTEGER, and a value with decimals holds at most 15 significant digits,
** which the nearest double gives back unchanged once rounded to the
** column's scale (reading does that). A value with decimals and more than
** 15 significant digits cannot be kept exactly and is refused as too large
** (3349), as is one with more integer digits than p - s. Precision runs
** from 1 to 18, scale from 0 to the precision; DECIMAL alone is (18, 0).
**
** Rounding. Extra decimals are rounded half to even, as the run time's
** conversions round (2.345 in a scale of 2 is 2.34, 2.355 is 2.36).
**
** SQL functions (registered by RegisterJetDecimalFunctions):
**   jet_decfits(x, p, s)  1 when x rounded to s decimals is a value of
**                         DECIMAL(p, s), else 0; Null fits
**   jet_decround(x, s)    x rounded to s decimals, in the storage above
**   jet_sum(x)            Sum: adds exactly in decimal what each value
**                         shows (0.1 ten times is 1), Nulls skipped, Null
**                         for no value; whole values give an integer. A
**                         value too large or too fine for 36 digits makes
**                         the rest of the sum plain floating point.
**   jet_decadd(a, b), jet_decsub(a, b), jet_decmul(a, b)
**                         + - * where an operand is a decimal column's:
**                         exact on what each operand shows (0.1 + 0.2 is
**                         0.3), Null with a Null; operands that are no
**                         numbers or too large or too fine for 36 digits
**                         are worked out in floating point, as SQLite
**                         would.
*/
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/Variant.h"
#include "dao/functions/JetTypes.h"

namespace dao {

class JetDecimal {
 public:
  // The value in units of 10^-scale, rounded half to even; nullopt when it
  // is no number, or too large for 64 bits at that scale.
  static std::optional<int64_t> Units(const Variant& value, int scale);
  static std::optional<int64_t> Units(double value, int scale);

  // Whether units at `scale` are a value of DECIMAL(precision, scale) that
  // the storage keeps exactly.
  static bool Fits(int64_t units, int precision, int scale);

  // The Decimal variant of a stored number; nullopt when it does not fit 64
  // bits at the scale.
  static std::optional<Variant> FromStored(sqlite3_value* v, int scale);

  // Binds a Decimal variant in the storage form.
  static void Bind(sqlite3_stmt* stmt, int index, const Variant& value);
};

// Registers the functions above; returns SQLite's code.
int RegisterJetDecimalFunctions(sqlite3* db);

}  // namespace dao
