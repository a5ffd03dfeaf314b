/*
** Mapping of SQLite failures to the engine's errors.
**
**   SQLite says (extended result code)     engine raises
**   -------------------------------------  -----------------------------------
**   CONSTRAINT, the engine's triggers:
**     fkchild:<parent>                     3201 a related record is needed
**     fkparent:<child>                     3200 the table has related records
**     nullkey:                             3058 Null in a key
**     counter:<col>                        3164 the field cannot be updated
**   CONSTRAINT_CHECK size:<col>            3163 field too small
**   CONSTRAINT_CHECK type:<col>            3421 data type conversion
**   CONSTRAINT_CHECK range:<col>           3349 numeric field overflow
**   CONSTRAINT_UNIQUE / _PRIMARYKEY        3022 duplicate values
**   CONSTRAINT_NOTNULL                     3314 the field is required (named)
**   other CONSTRAINT                       3000 constraint not met
**   BUSY (another connection's lock)       3218 could not update; locked
**   LOCKED (a record set of the same       3211 table in use
**   database is still reading)
**   READONLY                               3027 read-only
**   FULL                                   3026 disk full
**   IOERR, CANTOPEN                        3043 disk or network error
**   CORRUPT, NOTADB                        3343 unrecognised format
**   NOMEM                                  7 out of memory
**   INTERRUPT (a stop request)             3059 canceled by the user
**   ERROR, as its message tells:
**     no such table: X                     3078 table or query not found
**     table X already exists               3010 table exists
**     index X already exists               3375 index exists
**     no such column: X                    3061 unknown field name
**     table X has no column named Y        3127 unknown field in INSERT INTO
**     syntax error, incomplete input       the syntax number of the statement
**     an engine function's type mismatch   3464 data type mismatch
**     parser stack overflow                3075 nested too deep
**     a limit: expression tree too large,  3360 query too complex
**     too many terms, columns, arguments,
**     tables in a join, ...
**   TOOBIG (statement or value too long)   3360 query too complex
**   anything else                          3000 with SQLite's own message
**
** A statement named in a message is cut to a readable length (Excerpt).
**
** The CHECK constraints are the engine's own (see JetDdlParser): their name
** says which rule failed, and SQLite gives the name only in its message.
*/
#include "dao/SqliteErrors.h"

#include <sqlite3.h>

#include "dao/functions/JetFunctionError.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// SQLite quotes names in some messages ("table \"X\" already exists").
std::string Unquote(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'' || s.front() == '`') &&
      s.back() == s.front()) {
    s = s.substr(1, s.size() - 2);
  }
  return std::string(s);
}

int SyntaxNumber(JetStatementKind kind) {
  switch (kind) {
    case JetStatementKind::Insert:
      return jeterr::kSyntaxInInsert;
    case JetStatementKind::Update:
      return jeterr::kSyntaxInUpdate;
    case JetStatementKind::Delete:
      return jeterr::kSyntaxInDelete;
    case JetStatementKind::CreateTable:
      return jeterr::kSyntaxInCreateTable;
    case JetStatementKind::DropTable:
      return jeterr::kSyntaxInDropTable;
    case JetStatementKind::Select:
      return jeterr::kSyntaxInSelect;
    default:
      return jeterr::kSyntaxInExpression;
  }
}

std::string InStatement(const FailureContext& c) {
  return c.statement ? " en la instrucción '" + jeterr::Excerpt(*c.statement) + "'" : std::string();
}

std::string FileName(const FailureContext& c) {
  return c.path ? *c.path : std::string();
}

[[noreturn]] void RaiseCheckFailed(const std::string& name, const std::string& msg,
                                   const FailureContext& c) {
  if (StartsWith(name, "size:")) jeterr::Raise(jeterr::msg::kFieldTooSmall, {name.substr(5)});
  if (StartsWith(name, "type:")) jeterr::Raise(jeterr::msg::kConversion, {name.substr(5)});
  if (StartsWith(name, "range:")) jeterr::Raise(jeterr::msg::kNumericOverflow, {name.substr(6)});
  jeterr::Raise(jeterr::msg::kConstraintFailed, {msg, InStatement(c)});
}

}  // namespace

void RaiseEngineConstraint(const std::string& message) {
  const auto rest = [&](size_t n) { return message.substr(n); };
  if (StartsWith(message, "fkchild:")) {
    jeterr::Raise(jeterr::kParentMissing,
                  "No se puede agregar o cambiar el registro porque se necesita un registro "
                  "relacionado en la tabla '" +
                      rest(8) + "'.");
  }
  if (StartsWith(message, "fkparent:")) {
    jeterr::Raise(jeterr::kParentHasChildren,
                  "No se puede eliminar o cambiar el registro porque la tabla '" + rest(9) +
                      "' incluye registros relacionados.");
  }
  if (StartsWith(message, "nullkey:")) {
    jeterr::Raise(jeterr::kNullInKey,
                  "El índice o la clave principal no pueden contener un valor Null.");
  }
  if (StartsWith(message, "counter:")) {
    jeterr::Raise(jeterr::kFieldNotUpdatable, "No se puede actualizar el campo '" + rest(8) + "'.");
  }
}

SqliteMessage ClassifySqliteMessage(std::string_view msg) {
  using Kind = SqliteMessage::Kind;
  constexpr std::string_view kNoSuchTable = "no such table: ";
  constexpr std::string_view kNoSuchColumn = "no such column: ";
  constexpr std::string_view kAlreadyExists = " already exists";
  constexpr std::string_view kNoColumnNamed = " has no column named ";
  constexpr std::string_view kCheckFailed = "CHECK constraint failed: ";
  constexpr std::string_view kNotNull = "NOT NULL constraint failed: ";
  if (StartsWith(msg, kNoSuchTable)) {
    std::string_view name = msg.substr(kNoSuchTable.size());
    // A table of a linked file comes as "alias.name".
    if (size_t dot = name.find('.'); dot != std::string_view::npos) name = name.substr(dot + 1);
    return {Kind::NoSuchTable, std::string(name)};
  }
  if (size_t p = msg.find(kAlreadyExists); p != std::string_view::npos) {
    if (StartsWith(msg, "table ")) return {Kind::TableExists, Unquote(msg.substr(6, p - 6))};
    if (StartsWith(msg, "index ")) return {Kind::IndexExists, Unquote(msg.substr(6, p - 6))};
  }
  if (StartsWith(msg, kNoSuchColumn)) {
    return {Kind::NoSuchColumn, std::string(msg.substr(kNoSuchColumn.size()))};
  }
  if (size_t p = msg.find(kNoColumnNamed);
      p != std::string_view::npos && StartsWith(msg, "table ")) {
    return {Kind::NoColumnNamed, std::string(msg.substr(p + kNoColumnNamed.size()))};
  }
  if (msg.find("syntax error") != std::string_view::npos || StartsWith(msg, "incomplete input")) {
    return {Kind::Syntax, ""};
  }
  if (msg == jetfn::kTypeMismatch) return {Kind::TypeMismatch, ""};
  // SQLite's own limits: its parser's stack (nesting), the depth of an
  // expression, and the counts of terms, columns, tables and arguments.
  if (msg == "parser stack overflow") return {Kind::TooDeep, ""};
  for (std::string_view limit :
       {"Expression tree is too large", "too many terms in compound SELECT", "too many arguments",
        "too many columns", "too many FROM clause terms", "too many SQL variables",
        "too many references to", "LIKE or GLOB pattern too complex"}) {
    if (StartsWith(msg, limit)) return {Kind::TooComplex, ""};
  }
  if (StartsWith(msg, "at most ") && msg.find(" tables in a join") != std::string_view::npos) {
    return {Kind::TooComplex, ""};
  }
  if (StartsWith(msg, kCheckFailed)) {
    return {Kind::CheckFailed, std::string(msg.substr(kCheckFailed.size()))};
  }
  if (StartsWith(msg, kNotNull)) return {Kind::NotNull, std::string(msg.substr(kNotNull.size()))};
  return {};
}

void RaiseSqliteError(sqlite3* db, int rc, const FailureContext& c) {
  const std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);

  // The engine's own triggers (keys, relations, counters) and required
  // columns raise texts of their own, read before SQLite's kinds.
  if ((rc & 0xFF) == SQLITE_CONSTRAINT) RaiseEngineConstraint(msg);
  switch (rc) {
    case SQLITE_CONSTRAINT_CHECK: {
      const SqliteMessage m = ClassifySqliteMessage(msg);
      RaiseCheckFailed(m.kind == SqliteMessage::Kind::CheckFailed ? m.name : "", msg, c);
    }
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
      jeterr::Raise(jeterr::msg::kDuplicateValues, {msg});
    case SQLITE_CONSTRAINT_NOTNULL: {
      const SqliteMessage m = ClassifySqliteMessage(msg);
      if (m.kind == SqliteMessage::Kind::NotNull) {
        jeterr::Raise(jeterr::kRequired,
                      "El campo '" + m.name +
                          "' no puede contener un valor Null porque la propiedad Required para "
                          "este campo está establecida en True. Escriba un valor en este campo.");
      }
      jeterr::Raise(jeterr::msg::kNullNotAllowed, {msg});
    }
    default:
      break;
  }

  switch (rc & 0xFF) {
    case SQLITE_CONSTRAINT:
      jeterr::Raise(jeterr::msg::kConstraintFailed, {msg, InStatement(c)});
    case SQLITE_LOCKED:
      jeterr::Raise(jeterr::msg::kTableLocked, {FileName(c), InStatement(c)});
    case SQLITE_BUSY:
      jeterr::Raise(jeterr::msg::kCouldNotUpdateLocked, {FileName(c)});
    case SQLITE_READONLY:
      jeterr::Raise(jeterr::msg::kDatabaseReadOnly, {FileName(c)});
    case SQLITE_FULL:
      jeterr::Raise(jeterr::msg::kDiskFull, {FileName(c)});
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
      jeterr::Raise(jeterr::msg::kDiskIo, {FileName(c), msg});
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      jeterr::Raise(jeterr::msg::kUnrecognizedFormat, {FileName(c)});
    case SQLITE_NOMEM:
      jeterr::Raise(jeterr::msg::kOutOfMemory);
    case SQLITE_INTERRUPT:
      jeterr::Raise(jeterr::msg::kCanceledByUser);
    case SQLITE_TOOBIG:
      jeterr::Raise(jeterr::msg::kQueryTooComplex, {InStatement(c)});
    default:
      break;
  }

  const SqliteMessage m = ClassifySqliteMessage(msg);
  switch (m.kind) {
    case SqliteMessage::Kind::NoSuchTable:
      jeterr::Raise(jeterr::msg::kTableOrQueryNotFound, {m.name});
    case SqliteMessage::Kind::TableExists:
      jeterr::Raise(jeterr::msg::kTableExists, {m.name});
    case SqliteMessage::Kind::IndexExists:
      jeterr::Raise(jeterr::msg::kIndexExists, {m.name});
    case SqliteMessage::Kind::NoSuchColumn:
      jeterr::Raise(jeterr::msg::kUnknownField, {m.name, InStatement(c)});
    case SqliteMessage::Kind::NoColumnNamed:
      jeterr::Raise(jeterr::msg::kUnknownInsertField, {m.name});
    case SqliteMessage::Kind::Syntax:
      jeterr::Raise(jeterr::msg::kSyntax.As(SyntaxNumber(c.kind)), {InStatement(c)});
    case SqliteMessage::Kind::TypeMismatch:
      jeterr::Raise(jeterr::msg::kTypeMismatch);
    case SqliteMessage::Kind::TooDeep:
      if (c.statement)
        jeterr::Raise(jeterr::msg::kNestedTooDeepIn, {jeterr::Excerpt(*c.statement)});
      jeterr::Raise(jeterr::msg::kNestedTooDeep);
    case SqliteMessage::Kind::TooComplex:
      jeterr::Raise(jeterr::msg::kQueryTooComplex, {InStatement(c)});
    case SqliteMessage::Kind::CheckFailed:
    case SqliteMessage::Kind::NotNull:
    case SqliteMessage::Kind::Other:
      break;
  }
  jeterr::Raise(jeterr::msg::kEngineError, {msg, InStatement(c)});
}

}  // namespace dao
