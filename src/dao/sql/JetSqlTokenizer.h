/*
** JetSqlTokenizer: cuts a Jet SQL statement into tokens.
**
** Rules, as Jet reads a statement:
**   - a name is a run of letters, digits and underscores; any byte of a
**     UTF-8 sequence counts as a letter, so Año and Ñandú are names. A run
**     that starts with digits is a number when it is one (5, 1E5) and a name
**     otherwise (22Cuiles, 21Declaraciones_Juradas);
**   - [bracketed names] may hold blanks and anything but ']';
**   - 'text' and "text" are both text literals; a doubled quote inside
**     stands for one;
**   - #...# is a date literal (see JetDateSerial.h), turned into its serial;
**   - blanks, tabs and line ends separate tokens and are dropped.
** The list always ends with an End token, or with an Error token at the
** first place that cannot be read; the parser reports it with the number of
** the statement at hand. Linear in the length of the text.
*/
#pragma once

#include <string_view>
#include <vector>

#include "dao/sql/JetSqlToken.h"

namespace dao {

class JetSqlTokenizer {
 public:
  static std::vector<JetSqlToken> Tokenize(std::string_view text);
};

}  // namespace dao
