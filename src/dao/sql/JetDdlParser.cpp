/*
** Translation of Jet's table and index definitions. See JetDdlParser.h.
*/
#include "dao/sql/JetDdlParser.h"

#include <array>

#include "common/TextCase.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetExpressionParser.h"
#include "dao/sql/JetObjectName.h"

namespace dao {

namespace {

constexpr const char* kCreateTableSyntax = "Error de sintaxis en la instrucción CREATE TABLE";
constexpr const char* kFieldSyntax = "Error de sintaxis en la definición de campo";
constexpr const char* kCreateIndexSyntax = "Error de sintaxis en la instrucción CREATE INDEX";
constexpr const char* kDropSyntax = "Error de sintaxis en la instrucción DROP TABLE o DROP INDEX";

struct TypeWord {
  std::string_view word;
  int type;
};

constexpr std::array<TypeWord, 40> kTypeWords = {{
    {"TEXT", dbText},
    {"CHAR", dbText},
    {"VARCHAR", dbText},
    {"ALPHANUMERIC", dbText},
    {"STRING", dbText},
    {"MEMO", dbMemo},
    {"LONGTEXT", dbMemo},
    {"NOTE", dbMemo},
    {"LOGICAL", dbBoolean},
    {"YESNO", dbBoolean},
    {"BIT", dbBoolean},
    {"BOOLEAN", dbBoolean},
    {"BYTE", dbByte},
    {"SHORT", dbInteger},
    {"SMALLINT", dbInteger},
    {"INTEGER2", dbInteger},
    {"INTEGER", dbInteger},
    {"LONG", dbLong},
    {"INT", dbLong},
    {"INTEGER4", dbLong},
    {"COUNTER", dbLong},
    {"AUTOINCREMENT", dbLong},
    {"CURRENCY", dbCurrency},
    {"MONEY", dbCurrency},
    {"SINGLE", dbSingle},
    {"REAL", dbSingle},
    {"FLOAT4", dbSingle},
    {"DOUBLE", dbDouble},
    {"FLOAT", dbDouble},
    {"NUMBER", dbDouble},
    {"FLOAT8", dbDouble},
    {"DATE", dbDate},
    {"DATETIME", dbDate},
    {"TIME", dbDate},
    {"LONGBINARY", dbLongBinary},
    {"OLEOBJECT", dbLongBinary},
    {"BINARY", dbLongBinary},
    {"DECIMAL", dbDecimal},
    {"NUMERIC", dbDecimal},
    {"DEC", dbDecimal},
}};

const TypeWord* FindType(std::string_view word) {
  for (const auto& t : kTypeWords) {
    if (JetKeywordEquals(word, t.word)) return &t;
  }
  return nullptr;
}

std::string Quote(const std::string& name) {
  return JetExpressionParser::QuoteName(name);
}

std::string Constraint(const std::string& rule, const std::string& column,
                       const std::string& check) {
  return " CONSTRAINT " + Quote(rule + ":" + column) + " CHECK (" + check + ")";
}

}  // namespace

std::string JetDdlParser::ColumnSql(const JetColumn& c) {
  const std::string q = Quote(c.name);
  const std::string type = c.counter             ? "COUNTER"
                           : c.type == dbDecimal ? DeclaredDecimal(c.precision, c.scale)
                                                 : DeclaredType(c.type, c.size);
  std::string declared = q + " " + type;
  if (c.required) declared += " NOT NULL";
  if (!c.defaultSql.empty()) declared += " DEFAULT " + c.defaultSql;
  const std::string numeric =
      Constraint("type", c.name, "typeof(" + q + ") IN ('integer', 'real', 'null')");
  auto range = [&](const char* low, const char* high) {
    return Constraint("range", c.name, q + " BETWEEN " + low + " AND " + high);
  };
  switch (c.type) {
    case dbText:
      return declared + " COLLATE JET" +
             Constraint("size", c.name, "length(" + q + ") <= " + std::to_string(c.size));
    case dbMemo:
      return declared + " COLLATE JET";
    case dbBoolean:
      return declared + (c.defaultSql.empty() ? " DEFAULT 0" : "") + numeric;
    case dbByte:
      return declared + numeric + range("0", "255");
    case dbInteger:
      return declared + numeric + range("-32768", "32767");
    case dbLong:
      return declared + numeric + range("-2147483648", "2147483647");
    case dbLongBinary:
      return declared;
    case dbDecimal:
      return declared + numeric +
             Constraint("range", c.name,
                        "jet_decfits(" + q + ", " + std::to_string(c.precision) + ", " +
                            std::to_string(c.scale) + ")");
    default:
      return declared + numeric;
  }
}

void JetDdlParser::YesNoTriggers(const std::string& table, const std::string& column,
                                 std::vector<std::string>& out) {
  const std::string t = Quote(table), c = Quote(column);
  const std::string fix = " FOR EACH ROW WHEN NEW." + c + " IS NULL OR NEW." + c +
                          " NOT IN (0, -1) BEGIN UPDATE " + t + " SET " + c + " = CASE WHEN " + c +
                          " IS NULL OR " + c + " = 0 THEN 0 ELSE -1 END" +
                          " WHERE rowid = NEW.rowid; END";
  out.push_back("CREATE TRIGGER " + Quote("yesno:" + table + ":" + column + ":insert") +
                " AFTER INSERT ON " + t + fix);
  out.push_back("CREATE TRIGGER " + Quote("yesno:" + table + ":" + column + ":update") +
                " AFTER UPDATE OF " + c + " ON " + t + fix);
}

void JetDdlParser::DecimalTriggers(const std::string& table, const JetColumn& column,
                                   std::vector<std::string>& out) {
  const std::string t = Quote(table), c = Quote(column.name);
  const std::string round = "jet_decround(" + c + ", " + std::to_string(column.scale) + ")";
  const std::string fix = " FOR EACH ROW WHEN NEW." + c + " IS NOT jet_decround(NEW." + c + ", " +
                          std::to_string(column.scale) + ") BEGIN UPDATE " + t + " SET " + c +
                          " = " + round + " WHERE rowid = NEW.rowid; END";
  out.push_back("CREATE TRIGGER " + Quote("decimal:" + table + ":" + column.name + ":insert") +
                " AFTER INSERT ON " + t + fix);
  out.push_back("CREATE TRIGGER " + Quote("decimal:" + table + ":" + column.name + ":update") +
                " AFTER UPDATE OF " + c + " ON " + t + fix);
}

void JetDdlParser::ColumnTriggers(const std::string& table, const JetColumn& column,
                                  std::vector<std::string>& out) {
  if (column.type == dbBoolean) YesNoTriggers(table, column.name, out);
  if (column.type == dbDecimal) DecimalTriggers(table, column, out);
}

std::string JetDdlParser::IndexName(const std::string& table, const std::string& index) {
  return table + ":" + index;
}

TranslatedStatement JetDdlParser::CreateTable() {
  TranslatedStatement result;
  result.kind = JetStatementKind::CreateTable;
  result.table = cursor_.ExpectName(jeterr::kSyntaxInCreateTable, kCreateTableSyntax);
  JetObjectName::CheckNew(result.table);
  cursor_.ExpectSymbol("(", jeterr::kSyntaxInCreateTable, kCreateTableSyntax);
  std::string sql = "CREATE TABLE " + Quote(result.table) + " (";
  while (true) {
    if (AtTableConstraint()) {
      result.constraints.push_back(
          ParseTableConstraint(jeterr::kSyntaxInCreateTable, kCreateTableSyntax));
      if (cursor_.AcceptSymbol(",")) continue;
      cursor_.ExpectSymbol(")", jeterr::kSyntaxInCreateTable, kCreateTableSyntax);
      break;
    }
    JetColumn column = ParseColumn(result.constraints);
    JetObjectName::CheckNew(column.name);
    for (const JetColumn& other : result.columns) {
      if (TextCase::Equal(other.name, column.name)) {
        jeterr::Raise(jeterr::msg::kFieldDefinedTwice, {column.name});
      }
    }
    result.columns.push_back(std::move(column));
    if (cursor_.AcceptSymbol(",")) continue;
    if (cursor_.AcceptSymbol(")")) break;
    cursor_.Fail(jeterr::kSyntaxInFieldDefinition,
                 std::string(kFieldSyntax) + " '" + result.columns.back().name + "'");
  }
  NameConstraints(result.table, result.constraints);
  CheckKeys(result.columns, result.constraints);
  for (JetColumn& column : result.columns) {
    ColumnTriggers(result.table, column, result.extraSql);
    if (&column != &result.columns.front()) sql += ", ";
    sql += ColumnSql(column);
  }
  result.sql = sql + ")";
  return result;
}

JetColumn JetDdlParser::ParseColumn(std::vector<JetConstraint>& constraints) {
  JetColumn column;
  column.name = cursor_.ExpectName(jeterr::kSyntaxInFieldDefinition, kFieldSyntax);
  const std::string what = std::string(kFieldSyntax) + " '" + column.name + "'";
  column.type = dbText;
  column.size = kDefaultTextSize;
  const TypeWord* type =
      cursor_.Peek().kind == JetTokenKind::Name ? FindType(cursor_.Peek().text) : nullptr;
  if (type != nullptr) {
    cursor_.Next();
    column.type = type->type;
    column.counter =
        JetKeywordEquals(type->word, "COUNTER") || JetKeywordEquals(type->word, "AUTOINCREMENT");
    if (column.type == dbDecimal) {
      column.precision = kDefaultDecimalPrecision;
      if (cursor_.IsSymbol("(")) ParseDecimalSize(column, what);
    } else if (column.counter && cursor_.IsSymbol("(")) {
      ParseSeed(column, what);
    } else if (cursor_.AcceptSymbol("(")) {
      const JetSqlToken& n = cursor_.Peek();
      const std::string digits(n.text);
      if (column.type != dbText || n.kind != JetTokenKind::Number ||
          digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 3 ||
          std::stoi(digits) < 1 || std::stoi(digits) > kDefaultTextSize) {
        cursor_.Fail(jeterr::kSyntaxInFieldDefinition, what);
      }
      column.size = std::stoi(digits);
      cursor_.Next();
      cursor_.ExpectSymbol(")", jeterr::kSyntaxInFieldDefinition, what);
    }
  } else if (!cursor_.IsSymbol(",") && !cursor_.IsSymbol(")") && !AtColumnClause()) {
    cursor_.Fail(jeterr::kSyntaxInFieldDefinition, what);
  }
  ParseColumnClauses(column, constraints, what);
  column.size = JetTypeFromDeclared(DeclaredType(column.type, column.size)).size;
  return column;
}

TranslatedStatement JetDdlParser::CreateIndex(bool unique) {
  TranslatedStatement result;
  result.kind = JetStatementKind::CreateIndex;
  const std::string index = cursor_.ExpectName(jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax);
  JetObjectName::CheckNew(index);
  cursor_.ExpectKeyword("ON", jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax);
  result.table = cursor_.ExpectName(jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax);
  cursor_.ExpectSymbol("(", jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax);
  std::string columns;
  do {
    if (!columns.empty()) columns += ", ";
    columns += Quote(cursor_.ExpectName(jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax));
    if (cursor_.AcceptKeyword("DESC"))
      columns += " DESC";
    else
      cursor_.AcceptKeyword("ASC");
  } while (cursor_.AcceptSymbol(","));
  cursor_.ExpectSymbol(")", jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax);
  if (cursor_.AcceptKeyword("WITH")) {
    if (cursor_.AcceptKeyword("PRIMARY")) {
      unique = true;
    } else if (cursor_.AcceptKeyword("IGNORE")) {
      // SQLite's indexes never hold Nulls against uniqueness anyway.
      cursor_.ExpectKeyword("NULL", jeterr::kSyntaxInCreateIndex, kCreateIndexSyntax);
    } else {
      cursor_.Fail(jeterr::kSyntaxInCreateIndex, "Opción de índice no admitida");
    }
  }
  result.sql = std::string(unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
               Quote(IndexName(result.table, index)) + " ON " + Quote(result.table) + " (" +
               columns + ")";
  return result;
}

TranslatedStatement JetDdlParser::DropTable() {
  TranslatedStatement result;
  result.kind = JetStatementKind::DropTable;
  result.table = cursor_.ExpectName(jeterr::kSyntaxInDropTable, kDropSyntax);
  result.sql = "DROP TABLE " + Quote(result.table);
  return result;
}

TranslatedStatement JetDdlParser::DropIndex() {
  TranslatedStatement result;
  result.kind = JetStatementKind::DropIndex;
  const std::string index = cursor_.ExpectName(jeterr::kSyntaxInDropTable, kDropSyntax);
  cursor_.ExpectKeyword("ON", jeterr::kSyntaxInDropTable, kDropSyntax);
  result.table = cursor_.ExpectName(jeterr::kSyntaxInDropTable, kDropSyntax);
  result.sql = "DROP INDEX " + Quote(IndexName(result.table, index));
  return result;
}

}  // namespace dao
