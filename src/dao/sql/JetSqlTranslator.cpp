/*
** One Jet SQL statement into SQLite. See JetSqlTranslator.h.
**
** The statement kind is read from the first words; SELECT goes to
** JetSelectParser, the table and index definitions to JetDdlParser, and
** INSERT, UPDATE and DELETE are read here. Whatever the kind, the text must
** end with the statement, or with ";" and blanks.
*/
#include "dao/sql/JetSqlTranslator.h"

#include "dao/sql/JetDdlParser.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/JetExpressionParser.h"
#include "dao/sql/JetSelectParser.h"
#include "dao/sql/JetSqlTokenizer.h"
#include "dao/sql/JetTokenCursor.h"

namespace dao {

namespace {

constexpr const char* kInvalidStatement =
    "Instrucción SQL no válida; se esperaba 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT' o 'UPDATE'";
constexpr const char* kInsertSyntax = "Error de sintaxis en la instrucción INSERT INTO";
constexpr const char* kUpdateSyntax = "Error de sintaxis en la instrucción UPDATE";
constexpr const char* kDeleteSyntax = "Error de sintaxis en la instrucción DELETE";

std::string Quote(const std::string& name) {
  return JetExpressionParser::QuoteName(name);
}

JetExpressionParser::SubqueryParser Subqueries(JetSchema& schema, const JetScope* outer) {
  return [&schema, outer](JetTokenCursor& cursor) {
    return JetSelectParser(cursor, schema, outer, true).Parse().sql;
  };
}

// The schema the parsers see: the engine's, noting whether a column's type
// was asked, since such a translation holds only for the schema it saw.
class ConsultedSchema : public JetSchema {
 public:
  explicit ConsultedSchema(JetSchema& schema) : schema_(schema) {}
  std::string TableSql(const std::string& table) const override { return schema_.TableSql(table); }
  int ColumnType(const std::string& table, const std::string& column) override {
    consulted_ = true;
    return schema_.ColumnType(table, column);
  }
  bool Consulted() const { return consulted_; }

 private:
  JetSchema& schema_;
  bool consulted_ = false;
};

bool AtStatementEnd(const JetTokenCursor& cursor) {
  return cursor.AtEnd() || cursor.IsSymbol(";");
}

// A column named in an INSERT list or an UPDATE's SET: t.col counts as col,
// since the statement writes one table only.
std::string TargetColumn(JetTokenCursor& cursor, int number, const char* what) {
  std::string name = cursor.ExpectName(number, what);
  if (cursor.AcceptSymbol(".")) name = cursor.ExpectName(number, what);
  return name;
}

// Multi-table UPDATE and DELETE are not taken; say so rather than a bare
// syntax error.
void RefuseJoin(const JetTokenCursor& cursor, int number, const char* statement) {
  if (cursor.IsKeyword("INNER") || cursor.IsKeyword("LEFT") || cursor.IsKeyword("RIGHT") ||
      cursor.IsSymbol(",")) {
    cursor.Fail(number, std::string(statement) + " sobre varias tablas no se admite");
  }
}

TranslatedStatement ParseInsert(JetTokenCursor& cursor, JetSchema& schema) {
  TranslatedStatement result;
  result.kind = JetStatementKind::Insert;
  cursor.ExpectKeyword("INTO", jeterr::kSyntaxInInsert, kInsertSyntax);
  result.table = cursor.ExpectName(jeterr::kSyntaxInInsert, kInsertSyntax);
  std::vector<std::string> columns;
  if (cursor.AcceptSymbol("(")) {
    do {
      columns.push_back(TargetColumn(cursor, jeterr::kSyntaxInInsert, kInsertSyntax));
    } while (cursor.AcceptSymbol(","));
    cursor.ExpectSymbol(")", jeterr::kSyntaxInInsert, kInsertSyntax);
  }
  std::string head = "INSERT INTO " + schema.TableSql(result.table);
  if (!columns.empty()) {
    head += " (";
    for (size_t i = 0; i < columns.size(); ++i) head += (i > 0 ? ", " : "") + Quote(columns[i]);
    head += ")";
  }
  if (cursor.IsKeyword("SELECT")) {
    const JetSelect select = JetSelectParser(cursor, schema).Parse();
    if (columns.empty()) {
      result.insertByName = true;
      result.selectSql = select.sql;
    } else {
      result.sql = head + " " + select.sql;
    }
    return result;
  }
  cursor.ExpectKeyword("VALUES", jeterr::kSyntaxInInsert, kInsertSyntax);
  cursor.ExpectSymbol("(", jeterr::kSyntaxInInsert, kInsertSyntax);
  JetExpressionParser expr(cursor, Subqueries(schema, nullptr));
  std::string values;
  size_t count = 0;
  do {
    if (count++ > 0) values += ", ";
    values += expr.ParseValue(jeterr::kSyntaxInInsert, kInsertSyntax);
    if (!cursor.IsSymbol(",") && !cursor.IsSymbol(")")) expr.FailAfter();
  } while (cursor.AcceptSymbol(","));
  cursor.ExpectSymbol(")", jeterr::kSyntaxInInsert, kInsertSyntax);
  if (!columns.empty() && columns.size() != count) {
    jeterr::Raise(jeterr::msg::kValueCountMismatch, {result.table});
  }
  result.sql = head + " VALUES (" + values + ")";
  return result;
}

TranslatedStatement ParseUpdate(JetTokenCursor& cursor, JetSchema& schema) {
  TranslatedStatement result;
  result.kind = JetStatementKind::Update;
  result.table = cursor.ExpectName(jeterr::kSyntaxInUpdate, kUpdateSyntax);
  RefuseJoin(cursor, jeterr::kSyntaxInUpdate, "UPDATE");
  cursor.ExpectKeyword("SET", jeterr::kSyntaxInUpdate, kUpdateSyntax);
  JetScope scope(&schema);
  scope.AddTable(result.table, result.table);
  JetExpressionParser expr(cursor, Subqueries(schema, &scope), &scope);
  std::string sql = "UPDATE " + schema.TableSql(result.table) + " SET ";
  bool first = true;
  do {
    const std::string column = TargetColumn(cursor, jeterr::kSyntaxInUpdate, kUpdateSyntax);
    cursor.ExpectSymbol("=", jeterr::kSyntaxInUpdate, kUpdateSyntax);
    sql += (first ? "" : ", ") + Quote(column) + " = " +
           expr.ParseValue(jeterr::kSyntaxInUpdate, kUpdateSyntax);
    first = false;
    if (!cursor.IsSymbol(",") && !cursor.IsKeyword("WHERE") && !AtStatementEnd(cursor))
      expr.FailAfter();
  } while (cursor.AcceptSymbol(","));
  if (cursor.AcceptKeyword("WHERE")) {
    sql += " WHERE " + expr.ParseCondition(jeterr::kSyntaxInUpdate, kUpdateSyntax);
    if (!AtStatementEnd(cursor)) expr.FailAfter();
  }
  result.sql = std::move(sql);
  return result;
}

TranslatedStatement ParseDelete(JetTokenCursor& cursor, JetSchema& schema) {
  TranslatedStatement result;
  result.kind = JetStatementKind::Delete;
  // Delete * From t, DELETE t.* FROM t: the rows to delete are the rows
  // of the table named after FROM.
  if (!cursor.AcceptSymbol("*") && cursor.IsName() && cursor.IsSymbol(".", 1) &&
      cursor.IsSymbol("*", 2)) {
    cursor.Next();
    cursor.Next();
    cursor.Next();
  }
  cursor.ExpectKeyword("FROM", jeterr::kSyntaxInDelete, kDeleteSyntax);
  result.table = cursor.ExpectName(jeterr::kSyntaxInDelete, kDeleteSyntax);
  RefuseJoin(cursor, jeterr::kSyntaxInDelete, "DELETE");
  result.sql = "DELETE FROM " + schema.TableSql(result.table);
  if (cursor.AcceptKeyword("WHERE")) {
    JetScope scope(&schema);
    scope.AddTable(result.table, result.table);
    JetExpressionParser expr(cursor, Subqueries(schema, &scope), &scope);
    result.sql += " WHERE " + expr.ParseCondition(jeterr::kSyntaxInDelete, kDeleteSyntax);
    if (!AtStatementEnd(cursor)) expr.FailAfter();
  }
  return result;
}

// The syntax error of a statement kind, for text left after it.
int KindError(JetStatementKind kind, const char*& what) {
  switch (kind) {
    case JetStatementKind::Select:
      what = "Error de sintaxis en la instrucción SELECT";
      return jeterr::kSyntaxInSelect;
    case JetStatementKind::Insert:
      what = kInsertSyntax;
      return jeterr::kSyntaxInInsert;
    case JetStatementKind::Update:
      what = kUpdateSyntax;
      return jeterr::kSyntaxInUpdate;
    case JetStatementKind::Delete:
      what = kDeleteSyntax;
      return jeterr::kSyntaxInDelete;
    case JetStatementKind::CreateTable:
      what = "Error de sintaxis en la instrucción CREATE TABLE";
      return jeterr::kSyntaxInCreateTable;
    case JetStatementKind::CreateIndex:
      what = "Error de sintaxis en la instrucción CREATE INDEX";
      return jeterr::kSyntaxInCreateIndex;
    case JetStatementKind::AlterTable:
      what = "Error de sintaxis en la instrucción ALTER TABLE";
      return jeterr::kSyntaxInAlterTable;
    default:
      what = "Error de sintaxis en la instrucción DROP TABLE o DROP INDEX";
      return jeterr::kSyntaxInDropTable;
  }
}

TranslatedStatement ParseStatement(JetTokenCursor& cursor, JetSchema& schema) {
  if (cursor.IsKeyword("SELECT")) {
    JetSelect select = JetSelectParser(cursor, schema).Parse();
    TranslatedStatement result;
    result.kind = JetStatementKind::Select;
    result.sql = std::move(select.sql);
    result.updatable = select.updatable;
    result.table = std::move(select.table);
    result.rowidSql = std::move(select.rowidSql);
    result.outputs = std::move(select.outputs);
    return result;
  }
  if (cursor.AcceptKeyword("INSERT")) return ParseInsert(cursor, schema);
  if (cursor.AcceptKeyword("UPDATE")) return ParseUpdate(cursor, schema);
  if (cursor.AcceptKeyword("DELETE")) return ParseDelete(cursor, schema);
  if (cursor.AcceptKeyword("CREATE")) {
    JetDdlParser ddl(cursor);
    if (cursor.AcceptKeyword("TABLE")) return ddl.CreateTable();
    const bool unique = cursor.AcceptKeyword("UNIQUE");
    if (cursor.AcceptKeyword("INDEX")) return ddl.CreateIndex(unique);
    cursor.Fail(jeterr::kSyntaxInCreateTable, "Error de sintaxis en la instrucción CREATE TABLE");
  }
  if (cursor.AcceptKeyword("ALTER")) {
    cursor.ExpectKeyword("TABLE", jeterr::kSyntaxInAlterTable,
                         "Error de sintaxis en la instrucción ALTER TABLE");
    return JetDdlParser(cursor).AlterTable();
  }
  if (cursor.AcceptKeyword("DROP")) {
    JetDdlParser ddl(cursor);
    if (cursor.AcceptKeyword("TABLE")) return ddl.DropTable();
    if (cursor.AcceptKeyword("INDEX")) return ddl.DropIndex();
    cursor.Fail(jeterr::kSyntaxInDropTable,
                "Error de sintaxis en la instrucción DROP TABLE o DROP INDEX");
  }
  cursor.Fail(jeterr::kInvalidStatement, kInvalidStatement);
}

}  // namespace

TranslatedStatement JetSqlTranslator::Translate(std::string_view jetSql) {
  JetSchema none;
  return Translate(jetSql, none);
}

TranslatedStatement JetSqlTranslator::Translate(std::string_view jetSql, JetSchema& schema) {
  std::vector<JetSqlToken> tokens = JetSqlTokenizer::Tokenize(jetSql);
  std::optional<std::string> into = JetDdlParser::TakeSelectInto(tokens);
  JetTokenCursor cursor(jetSql, std::move(tokens));
  ConsultedSchema consulted(schema);
  if (cursor.AtEnd() || cursor.IsSymbol(";")) {
    jeterr::Raise(jeterr::msg::kSyntaxRule.As(jeterr::kInvalidStatement), {kInvalidStatement});
  }
  TranslatedStatement result = ParseStatement(cursor, consulted);
  if (cursor.AcceptSymbol(";")) {
    if (!cursor.AtEnd()) {
      cursor.Fail(jeterr::kCharactersAfterEnd,
                  "Se encontraron caracteres después del final de la instrucción SQL");
    }
  } else if (!cursor.AtEnd()) {
    const char* what = nullptr;
    const int number = KindError(result.kind, what);
    cursor.Fail(number, what);
  }
  result.schemaTyped = consulted.Consulted();
  if (into) {
    result.kind = JetStatementKind::SelectInto;
    result.target = std::move(*into);
    result.updatable = false;
  }
  return result;
}

std::optional<std::string> JetSqlTranslator::BareTableName(std::string_view source) {
  const std::vector<JetSqlToken> tokens = JetSqlTokenizer::Tokenize(source);
  if (tokens.size() != 2 || tokens[1].kind != JetTokenKind::End) return std::nullopt;
  const JetSqlToken& t = tokens[0];
  if (t.offset != 0 || t.text.size() != source.size()) return std::nullopt;
  if (t.kind == JetTokenKind::BracketName) return t.value;
  if (t.kind != JetTokenKind::Name || JetTokenCursor::IsReserved(t.text)) return std::nullopt;
  for (const char* word : {"TRANSFORM", "PARAMETERS", "ALTER", "PROCEDURE", "EXECUTE"}) {
    if (JetKeywordEquals(t.text, word)) return std::nullopt;
  }
  return t.value;
}

}  // namespace dao
