/*
** JetConversionFunctions: Jet's conversions, tests and choices.
**
** Texts are read as JetArgs::Number and JetArgs::Date read them (CStr,
** CLng, CInt, CDbl and Val as their own rules say). Rules:
**   CStr    the value as text, numbers as the engine writes them
**   CLng, CInt  rounded half to even into 32 or 16 bits, else
**           "Desbordamiento."
**   CDbl    the number
**   CCur    rounds half to even at the fourth decimal, on the number's
**           decimal form (1.00025 is 1.0002); beyond +-922337203685477.5807
**           "Desbordamiento."
**   CDate, CVDate  a number in the calendar, or a date text; a day serial
**   CBool   -1 / 0; also the texts "True"/"False" and "Verdadero"/"Falso"
**   CByte   0 .. 255 after rounding half to even
**   CSng    the number as a Single keeps it: 7 significant digits
**   CVar    the value itself, Null included
**   Str     the engine's number text with a leading blank for a number not
**           negative (" 5", "-2.5"); Null gives Null
**   Val     the number at the start of a text, blanks anywhere ignored, &H
**           and &O prefixes for hexadecimal and octal; 0 when there is none
**   IsNumeric, IsDate  -1 / 0, Null is 0; a number counts as a date when it
**           is a day of the calendar, since dates arrive as their serials
**   Switch  the value after the first true condition (Null counts as
**           false), Null when none is; an odd count of arguments is error 5
**   Choose  the value at the index, its fraction dropped; Null when the
**           index is outside the list; a Null index is "Uso no válido de Null."
**   IIf, IsNull  written out by the translator (a CASE, an IS NULL)
** The other conversions raise "Uso no válido de Null." for Null.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the conversions, tests and choices.
std::span<const JetFunction> JetConversionFunctions();

}  // namespace dao
