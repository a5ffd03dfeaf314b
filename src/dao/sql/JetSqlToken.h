/*
** JetSqlToken: one token of a Jet SQL statement, as JetSqlTokenizer cuts it.
**
** `text` is the token as written, a view into the statement text, which must
** outlive the token. `value` is what the token stands for: a name without
** its brackets, a text literal without quotes and with doubled quotes made
** single, a date literal as its day serial in decimal. An Error token ends
** the list where the text cannot be cut further; `value` then says why.
*/
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dao {

enum class JetTokenKind {
  Name,         // bare name: Calle, 22Cuiles, Año; keywords are bare names too
  BracketName,  // [Mi tabla]: never a keyword
  Text,         // 'text' or "text"
  Number,       // 5, 2.5, 1E5
  Date,         // #1/31/2020 10:30#
  Symbol,       // = <> <= >= < > + - * / \ ^ & , . ( ) ;
  End,
  Error,
};

struct JetSqlToken {
  JetTokenKind kind = JetTokenKind::End;
  std::string_view text;
  std::string value;
  std::size_t offset = 0;
};

}  // namespace dao
