/*
** JetTextFunctions: Jet's text functions.
**
**   Len(text)  Left(text, n)  Right(text, n)  Mid(text, start[, n])
**   UCase  LCase  Trim  LTrim  RTrim  StrReverse  (text)
**   InStr([start,] text, sought[, compare])
**   InStrRev(text, sought[, start[, compare]])   start -1 is the end
**   Replace(text, find, with[, start[, count[, compare]]])  the text from
**                          `start` on, with `count` (-1: all) occurrences
**                          replaced
**   StrConv(text, conversion)  1 upper, 2 lower, 3 each word capitalised
**   StrComp(a, b[, compare])   -1, 0, 1
**   String(n, char)        n times the first character of a text, or of
**                          the character of a code (taken modulo 256)
**   Space(n)
**   Chr(code)  Asc(text)   codes of the Windows Latin-1 code page (Chr(128)
**                          is "€"); a character outside it is code 63
**                          ("?"), as the conversion to that code page
**                          writes it
**   ChrW(code)  AscW(text) a UTF-16 unit, -32768 .. 65535 (AscW gives a
**                          unit from &H8000 up as a negative Integer)
**   Left$ Right$ Mid$ UCase$ LCase$ Trim$ LTrim$ RTrim$ String$ Space$
**   Chr$ ChrW$             the $ forms: the same, but a Null text is "Uso no
**                          válido de Null." where the plain form gives Null
**
** Characters are counted as characters, not bytes. Comparisons ignore case
** as the JET collation does (the database's text comparison), unless
** `compare` is 0 (binary); 1, 2 and -1 also ask for text comparison.
** Null: a Null text gives Null; a Null count, position, code or conversion
** is "Uso no válido de Null."; a negative count, a position below 1, an
** empty text where a character is needed, a code outside 0 .. 255 or an
** unknown conversion is error 5; a result longer than SQLite's text limit
** is "Desbordamiento.". Counts, positions and codes are whole numbers
** (JetArgs::Whole), a text read as a number as everywhere.
*/
#pragma once

#include <span>

#include "dao/functions/JetFunctionCatalog.h"

namespace dao {

// The catalogue rows of the text functions.
std::span<const JetFunction> JetTextFunctions();

}  // namespace dao
