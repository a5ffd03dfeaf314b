/*
** NOVUTreeSql: puts the key values of the enclosing rows into an
** iterator's query, in place of its "%name%" placeholders.
**
** The form writes a placeholder where the value belongs, bare or inside a
** literal of the engine's SQL: WHERE Id = %IdEmpresa%, WHERE Nombre =
** '%Nombre%', LIKE "%Nombre%*". Every occurrence of "%" name "%" (letter
** case counts) is replaced, the names tried in the order given, the first
** that matches winning; text put in is never searched again.
**
** A value never breaks out of the literal it fills, and never makes code
** of its own:
**   - inside '...' or "...", the value's regional text form goes in with
**     that quote doubled, so the literal holds exactly the value;
**   - inside a date literal #...# or a bracketed name [...], a value that
**     holds the closing "#" or "]" cannot be written there and is
**     AppError 3075;
**   - bare, a number goes in as the engine writes numbers (a Boolean as
**     -1 or 0), and a text that reads wholly as a plain decimal number
**     ("12", "-3.5") as it is, so queries that compare keys with numbers
**     keep working; any other value goes in as a quoted text literal.
** A Null value is AppError 94, as a value taken as text is.
*/
#pragma once

#include <string>
#include <vector>

#include "common/Variant.h"

class NOVUTreeSql {
 public:
  static constexpr int kValorNoCabe = 3075;

  // `nombres` and `valores` are paired by position; extra values are
  // ignored.
  static std::string Sustituir(const std::string& sql, const std::vector<std::string>& nombres,
                               const std::vector<Variant>& valores);
};
