/*
** Mapping of SQLite failures to the engine's errors.
**
**   SQLite says                            engine raises
**   -------------------------------------  -----------------------------------
**   no such table: X                       3078 table or query not found
**   table X already exists                 3010 table exists
**   no such column: X                      3061 unknown field name
**   table X has no column named Y          3127 unknown field in INSERT INTO
**   syntax error (near ...)                the syntax number of the statement
**   CHECK failed: size:<col>               3163 field too small
**   CHECK failed: type:<col>               3421 data type conversion
**   CHECK failed: range:<col>              3349 numeric field overflow
**   UNIQUE / PRIMARY KEY                   3022 duplicate values
**   NOT NULL                               3314 field cannot be Null
**   BUSY (another connection's lock)       3218 could not update; locked
**   LOCKED (a record set of the same        3211 table in use
**   database is still reading)
**   READONLY                               3027 read-only
**   FULL                                   3026 disk full
**   IOERR, CANTOPEN                        3043 disk or network error
**   CORRUPT, NOTADB                        3343 unrecognised format
**   anything else                          3000 with SQLite's own message
*/
#include "dao/SqliteErrors.h"

#include <sqlite3.h>

#include "dao/JetErrors.h"
#include "dao/JetSchemaChange.h"

namespace dao {

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
  return s.rfind(prefix, 0) == 0;
}

// SQLite quotes names in some messages ("table \"X\" already exists").
std::string Unquote(std::string s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'' || s.front() == '`') &&
      s.back() == s.front()) {
    s = s.substr(1, s.size() - 2);
  }
  return s;
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
  return c.statement ? " en la instrucción '" + *c.statement + "'" : std::string();
}

std::string FileName(const FailureContext& c) {
  return c.path ? *c.path : std::string();
}

}  // namespace

void RaiseSqliteError(sqlite3* db, int rc, const FailureContext& c) {
  const std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  const int primary = rc & 0xFF;

  if (primary == SQLITE_CONSTRAINT) {
    JetSchemaChange::RaiseConstraint(msg);
    const std::string checkPrefix = "CHECK constraint failed: ";
    if (StartsWith(msg, checkPrefix.c_str())) {
      std::string name = msg.substr(checkPrefix.size());
      if (StartsWith(name, "size:")) {
        jeterr::Raise(jeterr::kFieldTooSmall,
                      "El campo '" + name.substr(5) +
                          "' es demasiado pequeño para aceptar la cantidad de datos que intentó "
                          "agregar. Intente insertar o pegar menos datos.");
      }
      if (StartsWith(name, "type:")) {
        jeterr::Raise(jeterr::kConversion,
                      "Error de conversión de tipo de datos en el campo '" + name.substr(5) + "'.");
      }
      if (StartsWith(name, "range:")) {
        jeterr::Raise(jeterr::kNumericOverflow,
                      "Desbordamiento del campo numérico '" + name.substr(6) + "'.");
      }
    }
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
      jeterr::Raise(3022,
                    "Los cambios solicitados no se realizaron porque crearían valores duplicados "
                    "en el índice o la clave principal (" +
                        msg + ").");
    }
    if (rc == SQLITE_CONSTRAINT_NOTNULL) {
      jeterr::Raise(3314, "El campo no puede contener un valor Null (" + msg + ").");
    }
    jeterr::Raise(3000, "Restricción no cumplida: " + msg + InStatement(c) + ".");
  }

  switch (primary) {
    case SQLITE_LOCKED:
      jeterr::Raise(jeterr::kTableLocked,
                    "No se puede bloquear la tabla porque hay un Recordset abierto sobre '" +
                        FileName(c) + "'" + InStatement(c) + ".");
    case SQLITE_BUSY:
      jeterr::Raise(jeterr::kCouldNotUpdateLocked,
                    "No se pudo actualizar; la base de datos '" + FileName(c) +
                        "' está bloqueada por otro usuario o proceso.");
    case SQLITE_READONLY:
      jeterr::Raise(jeterr::kReadOnly, "No se puede actualizar. La base de datos '" + FileName(c) +
                                           "' o el objeto es de sólo lectura.");
    case SQLITE_FULL:
      jeterr::Raise(jeterr::kDiskFull,
                    "No hay espacio suficiente en el disco para '" + FileName(c) + "'.");
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
      jeterr::Raise(jeterr::kDiskIo,
                    "Error de disco o de red en '" + FileName(c) + "' (" + msg + ").");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      jeterr::Raise(jeterr::kUnrecognizedFormat,
                    "Formato de base de datos no reconocido '" + FileName(c) + "'.");
    case SQLITE_NOMEM:
      jeterr::Raise(7, "Memoria insuficiente.");
    default:
      break;
  }

  if (StartsWith(msg, "no such table: ")) {
    std::string name = msg.substr(15);
    if (size_t dot = name.find('.'); dot != std::string::npos) name = name.substr(dot + 1);
    jeterr::Raise(jeterr::kTableNotFound, "No se encuentra la tabla o consulta '" + name + "'.");
  }
  if (StartsWith(msg, "table ") && msg.find(" already exists") != std::string::npos) {
    std::string name = Unquote(msg.substr(6, msg.find(" already exists") - 6));
    jeterr::Raise(jeterr::kTableExists, "La tabla '" + name + "' ya existe.");
  }
  if (StartsWith(msg, "index ") && msg.find(" already exists") != std::string::npos) {
    std::string name = Unquote(msg.substr(6, msg.find(" already exists") - 6));
    jeterr::Raise(3375, "La tabla ya tiene un índice llamado '" + name + "'.");
  }
  if (StartsWith(msg, "no such column: ")) {
    jeterr::Raise(jeterr::kTooFewParameters,
                  "Nombre de campo desconocido '" + msg.substr(16) + "'" + InStatement(c) + ".");
  }
  if (size_t p = msg.find(" has no column named ");
      p != std::string::npos && StartsWith(msg, "table ")) {
    jeterr::Raise(jeterr::kUnknownInsertField,
                  "El destino de INSERT INTO contiene el nombre de campo desconocido '" +
                      msg.substr(p + 21) + "'.");
  }
  if (msg.find("syntax error") != std::string::npos || StartsWith(msg, "incomplete input")) {
    jeterr::Raise(SyntaxNumber(c.kind), "Error de sintaxis" + InStatement(c) + ".");
  }
  jeterr::Raise(3000, "Error del motor de base de datos: " + msg + InStatement(c) + ".");
}

}  // namespace dao
