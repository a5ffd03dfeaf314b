/*
** JetFormatFunction: Jet's Format(value[, format[, firstdayofweek[,
** firstweekofyear]]]).
**
** Named formats, under the regional settings (examples for 1234.5 and for
** 22/11/2003 22:42:58):
**   General Number "1234,5"     Currency "$ 1.234,50"   Fixed "1234,50"
**   Standard "1.234,50"         Percent "123450,00%"    Scientific "1,23E+03"
**   Yes/No "Sí"/"No"  True/False "Verdadero"/"Falso"  On/Off "Activado"/"Desactivado"
**   General Date "22/11/2003 22:42:58"   Long Date "sábado, 22 de noviembre de 2003"
**   Medium Date "22-nov-03"     Short Date "22/11/2003"
**   Long Time "22:42:58"        Medium Time "10:42 p.m."   Short Time "22:42"
**
** User patterns, up to four sections "positive;negative;zero;Null":
**   numbers  0 # . , as ValueFormat reads them, % (times one hundred),
**            E+ E- e+ e- (scientific), literals around the digits;
**            placeholders split by literals ("000-000") take the digits
**            from the right
**   dates    d dd ddd dddd ddddd dddddd, w ww, m mm mmm mmmm (m after an
**            hour or before a second is the minute), q, y yy yyyy, h hh,
**            n nn, s ss, ttttt, c, AM/PM am/pm A/P a/p AMPM (12-hour
**            clock), "/" and ":" the separators
**   texts    @ (a character or a blank) & (a character or nothing), filled
**            from the right; < lower case, > upper case
**   "quoted" and \x literals everywhere.
** A pattern is a date pattern when it holds a date or time letter; a value
** the pattern cannot take (a word under "Fixed") comes back as its text.
** Null gives Null, or the fourth section when the pattern has one.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue row of Format.
std::span<const JetFunction> JetFormatFunction();

}  // namespace dao
