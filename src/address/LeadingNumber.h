/*
** LeadingNumber: the number a text begins with, as the run time's Val
** reads it, for the numeric fields of an address.
**
** Blanks, tabs and line breaks are skipped wherever they stand ("1 234" is
** 1234); then an optional sign, digits, one "." as the decimal point
** whatever the regional settings say, and an exponent ("E" or "D", optional
** sign, digits). Reading stops at the first other character; a text that
** begins with no number is 0. A value too large for a double is overflow
** (6). Hexadecimal and octal prefixes are not read: address fields never
** hold them.
*/
#pragma once

#include <string_view>

double LeadingNumber(std::string_view texto);
