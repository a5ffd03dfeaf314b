/*
** The clauses of Jet's table definitions: a column's NOT NULL, DEFAULT and
** key clauses, a counter's seed and step, the table constraints, and
** ALTER TABLE. See JetDdlParser.h and JetConstraint.h.
*/
#include <cstdlib>

#include "dao/functions/JetCollation.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetDdlParser.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetExpressionParser.h"
#include "dao/sql/JetObjectName.h"

namespace dao {

namespace {

constexpr const char* kAlterSyntax = "Error de sintaxis en la instrucción ALTER TABLE";
constexpr const char* kFieldSyntax = "Error de sintaxis en la definición de campo";

bool SameColumn(const std::string& a, const std::string& b) {
  return JetCollation::Compare(a, b) == 0;
}

bool IsInteger(std::string_view digits) {
  return !digits.empty() && digits.size() <= 18 &&
         digits.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : "_") + n;
  return out;
}

}  // namespace

std::optional<std::string> JetDdlParser::TakeSelectInto(std::vector<JetSqlToken>& tokens) {
  const auto keyword = [&](size_t i, const char* word) {
    return tokens[i].kind == JetTokenKind::Name && JetKeywordEquals(tokens[i].text, word);
  };
  if (tokens.empty() || !keyword(0, "SELECT")) return std::nullopt;
  int depth = 0;
  for (size_t i = 1; i + 1 < tokens.size(); ++i) {
    const JetSqlToken& t = tokens[i];
    if (t.kind == JetTokenKind::Symbol && t.text == "(") ++depth;
    if (t.kind == JetTokenKind::Symbol && t.text == ")") --depth;
    if (depth != 0) continue;
    if (keyword(i, "FROM")) return std::nullopt;
    const JetSqlToken& name = tokens[i + 1];
    if (keyword(i, "INTO") &&
        (name.kind == JetTokenKind::Name || name.kind == JetTokenKind::BracketName)) {
      std::string target = name.value;
      JetObjectName::CheckNew(target);
      tokens.erase(tokens.begin() + static_cast<long>(i),
                   tokens.begin() + static_cast<long>(i) + 2);
      return target;
    }
  }
  return std::nullopt;
}

bool JetDdlParser::AtColumnClause() const {
  for (const char* word :
       {"NOT", "NULL", "DEFAULT", "CONSTRAINT", "PRIMARY", "UNIQUE", "REFERENCES"}) {
    if (cursor_.IsKeyword(word)) return true;
  }
  return false;
}

bool JetDdlParser::AtTableConstraint() const {
  return cursor_.IsKeyword("CONSTRAINT") || cursor_.IsKeyword("FOREIGN") ||
         (cursor_.IsKeyword("PRIMARY") && cursor_.IsKeyword("KEY", 1)) ||
         (cursor_.IsKeyword("UNIQUE") && cursor_.IsSymbol("(", 1));
}

void JetDdlParser::ParseSeed(JetColumn& column, const std::string& what) {
  cursor_.ExpectSymbol("(", jeterr::kSyntaxInFieldDefinition, what);
  long long values[2] = {1, 1};
  for (int i = 0; i < 2; ++i) {
    if (i == 1) cursor_.ExpectSymbol(",", jeterr::kSyntaxInFieldDefinition, what);
    const bool negative = cursor_.AcceptSymbol("-");
    const JetSqlToken& n = cursor_.Peek();
    if (n.kind != JetTokenKind::Number || !IsInteger(n.text)) {
      cursor_.Fail(jeterr::kSyntaxInFieldDefinition, what);
    }
    values[i] = std::atoll(std::string(n.text).c_str()) * (negative ? -1 : 1);
    cursor_.Next();
  }
  cursor_.ExpectSymbol(")", jeterr::kSyntaxInFieldDefinition, what);
  // A step of 0 would hand every row the same number.
  if (values[1] == 0 || values[0] < -2147483648LL || values[0] > 2147483647LL ||
      values[1] < -2147483648LL || values[1] > 2147483647LL) {
    cursor_.Fail(jeterr::kSyntaxInFieldDefinition, what);
  }
  column.seed = values[0];
  column.step = values[1];
}

void JetDdlParser::ParseDecimalSize(JetColumn& column, const std::string& what) {
  const int number = jeterr::kSyntaxInFieldDefinition;
  cursor_.ExpectSymbol("(", number, what);
  int values[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    if (i == 1 && !cursor_.AcceptSymbol(",")) break;
    const JetSqlToken& n = cursor_.Peek();
    if (n.kind != JetTokenKind::Number || n.text.size() > 2 || !IsInteger(n.text)) {
      cursor_.Fail(number, what);
    }
    values[i] = std::atoi(std::string(n.text).c_str());
    cursor_.Next();
  }
  cursor_.ExpectSymbol(")", number, what);
  // Jet's own limit is 28 digits; the storage keeps 18 exactly (JetDecimal.h).
  if (values[0] < 1 || values[0] > kMaxDecimalPrecision) {
    jeterr::Raise(number, what + ": la precisión de un campo decimal va de 1 a " +
                              std::to_string(kMaxDecimalPrecision) + ".");
  }
  if (values[1] > values[0]) {
    jeterr::Raise(number, what + ": la escala no puede ser mayor que la precisión.");
  }
  column.precision = values[0];
  column.scale = values[1];
}

std::string JetDdlParser::ParseDefault(const std::string& what) {
  const int number = jeterr::kSyntaxInFieldDefinition;
  // "DEFAULT NOT NULL" misses its value; NOT would otherwise be read as the
  // start of one.
  if (AtColumnClause() && !cursor_.IsKeyword("NULL")) cursor_.Fail(number, what);
  const std::size_t start = cursor_.Position();
  JetExpressionParser parser(cursor_,
                             [&](JetTokenCursor&) -> std::string { cursor_.Fail(number, what); });
  const JetExpr e = parser.Parse(number, what);
  if (parser.SawAggregate()) cursor_.Fail(number, what);
  // A default is worked out for a row that does not exist yet: it may call
  // functions (Date(), Now()) but not name a column.
  for (std::size_t i = start; i < cursor_.Position(); ++i) {
    const JetSqlToken& t = cursor_.At(i);
    const bool call =
        cursor_.At(i + 1).kind == JetTokenKind::Symbol && cursor_.At(i + 1).text == "(";
    const bool word = JetTokenCursor::IsReserved(t.text) || JetKeywordEquals(t.text, "TRUE") ||
                      JetKeywordEquals(t.text, "FALSE");
    if (t.kind == JetTokenKind::BracketName || (t.kind == JetTokenKind::Name && !call && !word)) {
      jeterr::Raise(
          number,
          what + ": el valor predeterminado no puede hacer referencia al campo '" + t.value + "'.");
    }
  }
  // SQLite takes any constant expression in parentheses as a default, and
  // works it out for each row it inserts.
  return "(" + JetExpressionParser::AsValue(e) + ")";
}

std::vector<std::string> JetDdlParser::ParseNameList(int number, const std::string& what) {
  std::vector<std::string> names;
  cursor_.ExpectSymbol("(", number, what);
  do {
    names.push_back(cursor_.ExpectName(number, what));
  } while (cursor_.AcceptSymbol(","));
  cursor_.ExpectSymbol(")", number, what);
  return names;
}

void JetDdlParser::ParseColumnClauses(JetColumn& column, std::vector<JetConstraint>& constraints,
                                      const std::string& what) {
  const int number = jeterr::kSyntaxInFieldDefinition;
  while (true) {
    if (cursor_.AcceptKeyword("NULL")) continue;
    if (cursor_.AcceptKeyword("NOT")) {
      cursor_.ExpectKeyword("NULL", number, what);
      column.required = true;
      continue;
    }
    if (cursor_.AcceptKeyword("DEFAULT")) {
      column.defaultSql = ParseDefault(what);
      continue;
    }
    if (!cursor_.IsKeyword("CONSTRAINT") && !cursor_.IsKeyword("PRIMARY") &&
        !cursor_.IsKeyword("UNIQUE") && !cursor_.IsKeyword("REFERENCES")) {
      return;
    }
    JetConstraint c;
    if (cursor_.AcceptKeyword("CONSTRAINT")) {
      c.name = cursor_.ExpectName(number, what);
      JetObjectName::CheckNew(c.name);
    }
    c.columns = {column.name};
    if (cursor_.AcceptKeyword("PRIMARY")) {
      cursor_.ExpectKeyword("KEY", number, what);
      c.kind = JetConstraintKind::PrimaryKey;
    } else if (cursor_.AcceptKeyword("UNIQUE")) {
      c.kind = JetConstraintKind::Unique;
    } else if (cursor_.AcceptKeyword("REFERENCES")) {
      c.kind = JetConstraintKind::ForeignKey;
      c.parent = cursor_.ExpectName(number, what);
      if (cursor_.IsSymbol("(")) c.parentColumns = ParseNameList(number, what);
    } else {
      cursor_.Fail(number, what);
    }
    constraints.push_back(std::move(c));
  }
}

JetConstraint JetDdlParser::ParseTableConstraint(int number, const char* what) {
  JetConstraint c;
  if (cursor_.AcceptKeyword("CONSTRAINT")) {
    c.name = cursor_.ExpectName(number, what);
    JetObjectName::CheckNew(c.name);
  }
  if (cursor_.AcceptKeyword("PRIMARY")) {
    cursor_.ExpectKeyword("KEY", number, what);
    c.kind = JetConstraintKind::PrimaryKey;
    c.columns = ParseNameList(number, what);
  } else if (cursor_.AcceptKeyword("UNIQUE")) {
    c.kind = JetConstraintKind::Unique;
    c.columns = ParseNameList(number, what);
  } else if (cursor_.AcceptKeyword("FOREIGN")) {
    cursor_.ExpectKeyword("KEY", number, what);
    c.kind = JetConstraintKind::ForeignKey;
    c.columns = ParseNameList(number, what);
    cursor_.ExpectKeyword("REFERENCES", number, what);
    c.parent = cursor_.ExpectName(number, what);
    if (cursor_.IsSymbol("(")) c.parentColumns = ParseNameList(number, what);
    if (!c.parentColumns.empty() && c.parentColumns.size() != c.columns.size()) {
      cursor_.Fail(number, what);
    }
  } else {
    cursor_.Fail(number, what);
  }
  return c;
}

void JetDdlParser::NameConstraints(const std::string& table,
                                   std::vector<JetConstraint>& constraints) {
  for (JetConstraint& c : constraints) {
    if (!c.name.empty()) continue;
    switch (c.kind) {
      case JetConstraintKind::PrimaryKey:
        c.name = "PrimaryKey";
        break;
      case JetConstraintKind::Unique:
        c.name = "Index_" + Joined(c.columns);
        break;
      case JetConstraintKind::ForeignKey:
        c.name = c.parent + table;
        break;
    }
  }
}

void JetDdlParser::CheckKeys(const std::vector<JetColumn>& columns,
                             const std::vector<JetConstraint>& constraints) {
  bool primary = false;
  for (const JetConstraint& c : constraints) {
    if (c.kind == JetConstraintKind::PrimaryKey) {
      if (primary) jeterr::Raise(jeterr::kPrimaryKeyExists, "Ya existe la clave principal.");
      primary = true;
    }
    for (const std::string& name : c.columns) {
      bool found = false;
      for (const JetColumn& column : columns) found = found || SameColumn(column.name, name);
      if (!found) {
        jeterr::Raise(jeterr::kItemNotFound,
                      "No se encontró el elemento '" + name + "' en esta colección.");
      }
    }
  }
}

TranslatedStatement JetDdlParser::AlterTable() {
  const int number = jeterr::kSyntaxInAlterTable;
  TranslatedStatement result;
  result.kind = JetStatementKind::AlterTable;
  result.table = cursor_.ExpectName(number, kAlterSyntax);
  if (cursor_.AcceptKeyword("ADD")) {
    if (AtTableConstraint() || cursor_.IsKeyword("PRIMARY") || cursor_.IsKeyword("UNIQUE")) {
      result.alter = JetAlterAction::AddConstraint;
      result.constraints.push_back(ParseTableConstraint(number, kAlterSyntax));
    } else {
      cursor_.AcceptKeyword("COLUMN");
      result.alter = JetAlterAction::AddColumn;
      result.columns.push_back(ParseColumn(result.constraints));
      JetObjectName::CheckNew(result.columns.back().name);
    }
  } else if (cursor_.AcceptKeyword("ALTER")) {
    cursor_.AcceptKeyword("COLUMN");
    result.alter = JetAlterAction::AlterColumn;
    result.columns.push_back(ParseColumn(result.constraints));
  } else if (cursor_.AcceptKeyword("DROP")) {
    if (cursor_.AcceptKeyword("CONSTRAINT")) {
      result.alter = JetAlterAction::DropConstraint;
    } else {
      cursor_.AcceptKeyword("COLUMN");
      result.alter = JetAlterAction::DropColumn;
    }
    result.target = cursor_.ExpectName(number, kAlterSyntax);
  } else {
    cursor_.Fail(number, kAlterSyntax);
  }
  NameConstraints(result.table, result.constraints);
  return result;
}

}  // namespace dao
