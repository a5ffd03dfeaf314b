/*
** LeadingNumber: the number a text begins with, as the run time's Val
** reads it, for the numeric fields of an address.
**
** Blanks, tabs and line breaks are skipped wherever they stand ("1 234" is
** 1234); then an optional sign, digits, one regional decimal separator as
** the decimal point, and an exponent ("E" or "D", optional sign, digits).
** The decimal point is the regional one because the fields show a value
** in its regional text ("2,5" under the required settings): what a field
** shows must read back as the value it came from, or every save of an
** untouched field would lose its decimals. Reading stops at the first other character; a text that
** begins with no number is 0. A value too large for a double is overflow
** (6). Hexadecimal and octal prefixes are not read: address fields never
** hold them.
*/
#pragma once

#include <string_view>

#include "common/RegionalSettings.h"

double LeadingNumber(std::string_view texto,
                     const RegionalSettings& rs = RegionalSettings::Current());
