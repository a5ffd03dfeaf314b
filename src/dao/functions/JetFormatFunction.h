/*
** JetFormatFunction: Jet's Format(value[, format[, firstdayofweek[,
** firstweekofyear]]]), its $ form, and FormatNumber, FormatPercent,
** FormatCurrency and FormatDateTime.
**
** Format's named formats, under the regional settings (examples for 1234.5
** and for 22/11/2003 22:42:58):
**   General Number "1234,5"     Currency "$ 1.234,50"   Fixed "1234,50"
**   Standard "1.234,50"         Percent "123450,00%"    Scientific "1,23E+03"
**   Yes/No "Sí"/"No"  True/False "Verdadero"/"Falso"  On/Off "Activado"/"Desactivado"
**   General Date "22/11/2003 22:42:58"   Long Date "sábado, 22 de noviembre de 2003"
**   Medium Date "22-nov-03"     Short Date "22/11/2003"
**   Long Time "22:42:58"        Medium Time "10:42 p.m."   Short Time "22:42"
** Without a format a number is written as CStr writes it, a Date as its
** general date.
**
** User formats: the pattern's kind (its first section's, JetFormatSections)
** says how the value is read: a number pattern (JetNumberFormat) takes a
** number, a Date as its serial, or a text that is a number; a date pattern
** (JetDateFormat) a Date, a number as a serial, or a text that is a date or
** a number; a value the pattern cannot take (a word under "0.00") comes
** back as its text. A text pattern takes any value as its text (Format(-13,
** "@") is "-13"):
**   @ &      a character, or a blank (@) or nothing (&) where the text has
**            none; filled from the right, characters beyond them going
**            before the first; "!" fills them from the left instead
**   < >      the whole text in lower or upper case
** and its second section is for a zero-length text. Null gives Null, or
** the pattern's Null section (the fourth, the second of a text pattern).
** Format$ is the same as a String: Null is "Uso no válido de Null.".
**
** FormatNumber(x[, decimals[, leadingDigit[, parentheses[, groups]]]]),
** FormatPercent (x times 100, with "%"), FormatCurrency (with "$ "): the
** decimals -1 or absent are the regional two; the others take -1 (True),
** 0 (False) or -2 (the regional setting: a leading 0, a "-" and no
** parentheses, groups of thousands). FormatDateTime(date[, kind]): 0
** general date, 1 long date, 2 short date, 3 long time, 4 short time. Null
** gives Null; a text that is no number (no date) is a type mismatch.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of Format and its kin.
std::span<const JetFunction> JetFormatFunction();

}  // namespace dao
