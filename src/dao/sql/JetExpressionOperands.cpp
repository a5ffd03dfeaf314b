/*
** Operands of Jet expressions: the type the translation knows for each, and
** where a text meets a date or a number, which side is read as what. Jet
** reads a text against a date as a date and against a number as a number
** (jet_textdate, jet_textnumber), where SQLite would compare the two kinds
** without converting either. See JetExpressionParser.h.
*/
#include <cstdlib>

#include "dao/functions/JetCollation.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetExprTypes.h"
#include "dao/sql/JetExpressionParser.h"

namespace dao {

int JetExpressionParser::TypeOf(JetExpr& e) {
  if (e.kind == JetExprKind::Column && e.type == 0 && scope_ != nullptr)
    e.type = scope_->TypeOf(e.qualifier, e.column);
  return e.type;
}

int JetExpressionParser::TextAgainstDate(JetExpr& a, JetExpr& b) {
  // A number or a truth value is never the text side; a number is no date
  // unless it is a date literal.
  auto settled = [](const JetExpr& e) {
    return e.kind == JetExprKind::Truth || (e.kind == JetExprKind::Number && e.type != dbDate);
  };
  if (settled(a) || settled(b)) return 0;
  if (a.kind == JetExprKind::Text) return TypeOf(b) == dbDate ? 1 : 0;
  if (b.kind == JetExprKind::Text) return TypeOf(a) == dbDate ? 2 : 0;
  // A value typed only when it runs (a subquery, Switch, ...) may be a
  // text: jet_textdate leaves a number as it is.
  auto textual = [this](JetExpr& e) {
    const int type = TypeOf(e);
    return JetExprTypes::IsText(type) || (type == 0 && e.kind == JetExprKind::Value);
  };
  if (TypeOf(a) == dbDate && textual(b)) return 2;
  if (TypeOf(b) == dbDate && textual(a)) return 1;
  return 0;
}

int JetExpressionParser::TextAgainstNumber(JetExpr& a, JetExpr& b) {
  auto number = [this](JetExpr& e) {
    if (e.kind == JetExprKind::Number) return e.type != dbDate;
    const int type = TypeOf(e);
    return e.kind == JetExprKind::Truth || e.numeric ||
           (type != 0 && type != dbDate && !JetExprTypes::IsText(type) && type != dbLongBinary);
  };
  if (number(a) && !number(b) && MayBeText(b)) return 2;
  if (number(b) && !number(a) && MayBeText(a)) return 1;
  return 0;
}

std::string JetExpressionParser::TextOperand(JetExpr& e) {
  if (TypeOf(e) == dbDate) return "jet_datetext(" + AsValue(e) + ")";
  if (TypeOf(e) == dbSingle) return "jet_singletext(" + AsValue(e) + ")";
  return AsValue(e);
}

bool JetExpressionParser::MayBeText(JetExpr& e) {
  if (e.kind == JetExprKind::Text) return true;
  if (e.kind == JetExprKind::Number || e.kind == JetExprKind::Truth || e.numeric) return false;
  if (e.kind == JetExprKind::Value && e.sql == "NULL") return false;
  const int type = TypeOf(e);
  return type == 0 || JetExprTypes::IsText(type);
}

bool JetExpressionParser::Reversed(const JetExpr& low, const JetExpr& high) const {
  if (low.kind == JetExprKind::Number && high.kind == JetExprKind::Number)
    return std::strtod(low.sql.c_str(), nullptr) > std::strtod(high.sql.c_str(), nullptr);
  auto literal = [](const JetExpr& e) {
    return e.kind == JetExprKind::Text && e.sql.size() >= 2 && e.sql.front() == '\'' &&
           e.sql.back() == '\'';
  };
  if (!literal(low) || !literal(high)) return false;
  // Text literals, as the comparison will order them.
  auto unquoted = [](const std::string& sql) {
    std::string out;
    for (std::size_t i = 1; i + 1 < sql.size(); ++i) {
      out += sql[i];
      if (sql[i] == '\'' && sql[i + 1] == '\'') ++i;
    }
    return out;
  };
  return JetCollation::Compare(unquoted(low.sql), unquoted(high.sql)) > 0;
}

std::string JetExpressionParser::QuoteName(std::string_view name) {
  std::string q = "\"";
  for (char c : name) {
    if (c == '"') q += '"';
    q += c;
  }
  q += '"';
  return q;
}

std::string JetExpressionParser::QuoteText(std::string_view text) {
  std::string q = "'";
  for (char c : text) {
    if (c == '\'') q += '\'';
    q += c;
  }
  q += '\'';
  return q;
}

std::string JetExpressionParser::AsValue(const JetExpr& e) {
  return e.kind == JetExprKind::Truth ? "(-" + e.sql + ")" : e.sql;
}

}  // namespace dao
