/*
** JetOperators: the SQL functions through which the translation writes
** Jet's operators where SQLite's own would answer otherwise (see
** JetExpressionParser.h). They have no Jet name.
**
**   jet_concat(a, b, ...)   the & operator over a run of operands: Null
**                           counts as empty text, only Nulls give Null,
**                           numbers written under the regional settings
**   jet_add(a, b, ...)      + where a side may be a text, left to right: two
**                           texts are joined, otherwise the numbers added
**                           (a Date plus "37" is 37 days later); a Null
**                           makes the rest Null
**   jet_sub, jet_mul (a, b, ...)   - and * where a side may be a text
**   jet_neg(x)              unary - where x may be a text
**   jet_div(a, b, ...)      /, always a fraction
**   jet_idiv(a, b, ...)     \ and Mod round both operands to whole numbers
**   jet_mod(a, b, ...)      first
**   jet_pow(a, b, ...)      ^
**   jet_xor, jet_eqv, jet_imp (a, b, ...)   Jet's Null rules; truth values
**                           1 / 0
**
** The operators from / down take a run of one operator, left to right, as
** the nested calls would: "a / b / c" is jet_div(a, b, c), that is
** (a / b) / c. A Null operand makes the rest Null before the other operand
** of its step is looked at; an error (a division by zero, a text that is
** no number) stops the run where it stands.
**   jet_datetext(x)         a Date read as text: the regional text of the
**                           date (short date, with the long time when there
**                           is a time part; the time alone when the date
**                           part is 0), as JetDateText writes it. Null
**                           stays Null; a text (a date column holding
**                           text) is left as it is
**   jet_textnumber(x)       a text compared with a number: the number it
**                           is, or a type mismatch; Null and numbers stay
**   jet_singletext(x)       a Single read as text: its seven significant
**                           digits, not the double's fifteen
**   jet_textdate(x)         a text compared with a Date: the serial of the
**                           date the text is under the regional settings; a
**                           text that is no date raises "No coinciden los
**                           tipos de datos en la expresión de criterios."
**                           (3464), as Jet does. Null stays Null, a number
**                           stays the number
**
** Operands are read as numbers the one way the run time reads them
** (JetArgs::AsNumber: regional, "&H" and "&O"): a text that is no number is
** "No coinciden los tipos de datos ..." for every operator. Whole operands
** of +, - and * give a whole result while it fits 64 bits. Null gives Null;
** a division by zero is "División por cero.".
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the operators.
std::span<const JetFunction> JetOperators();

}  // namespace dao
