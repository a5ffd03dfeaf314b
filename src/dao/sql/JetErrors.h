/*
** JetErrors: the engine's error numbers and texts, the one table of them.
**
** The numbers are the ones the operator's support staff know from the
** original engine; callers and tests compare them by these names. Each text
** the engine raises is written once, below, beside its number; a raise site
** names its entry and gives the names the text shows ("{}" in the text, in
** order). Syntax errors of the statement parser compose their text from the
** rule at fault and the token near it (kSyntaxNear and its kin), under the
** number of the statement being parsed.
*/
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/AppError.h"

namespace dao::jeterr {

inline constexpr int kEngineError = 3000;           // SQLite's own message
inline constexpr int kTableExists = 3010;           // "La tabla 'X' ya existe."
inline constexpr int kUpdateWithoutEdit = 3020;     // Update sin AddNew ni Edit
inline constexpr int kNoCurrentRecord = 3021;       // no hay registro activo
inline constexpr int kDuplicateValues = 3022;       // índice o clave principal duplicados
inline constexpr int kFileNotFound = 3024;          // no se encuentra el archivo
inline constexpr int kDiskFull = 3026;              // no hay espacio en el disco
inline constexpr int kReadOnly = 3027;              // base u objeto de sólo lectura
inline constexpr int kInvalidPassword = 3031;       // contraseña no válida
inline constexpr int kCommitWithoutBegin = 3034;    // CommitTrans/Rollback sin BeginTrans
inline constexpr int kDiskIo = 3043;                // error de disco o de red
inline constexpr int kFileLocked = 3045;            // archivo en uso
inline constexpr int kCannotOpenFile = 3051;        // no se puede abrir el archivo
inline constexpr int kTooFewParameters = 3061;      // nombre de campo desconocido en la consulta
inline constexpr int kCannotExecuteSelect = 3065;   // Execute de una consulta de selección
inline constexpr int kSyntaxInExpression = 3075;    // error de sintaxis en la expresión
inline constexpr int kTableNotFound = 3078;         // no se encuentra la tabla o consulta
inline constexpr int kUndefinedFunction = 3085;     // función no definida en la expresión
inline constexpr int kInvalidName = 3125;           // nombre no válido
inline constexpr int kUnknownInsertField = 3127;    // campo desconocido en INSERT INTO
inline constexpr int kSyntaxInDelete = 3128;        // error de sintaxis en DELETE
inline constexpr int kInvalidStatement = 3129;      // instrucción SQL no válida
inline constexpr int kSyntaxInFrom = 3131;          // error de sintaxis en FROM
inline constexpr int kSyntaxInInsert = 3134;        // error de sintaxis en INSERT INTO
inline constexpr int kSyntaxInOrderBy = 3138;       // error de sintaxis en ORDER BY
inline constexpr int kSyntaxInSelect = 3141;        // error de sintaxis en SELECT
inline constexpr int kCharactersAfterEnd = 3142;    // caracteres tras el final de la instrucción
inline constexpr int kSyntaxInUpdate = 3144;        // error de sintaxis en UPDATE
inline constexpr int kFieldTooSmall = 3163;         // el campo es demasiado pequeño
inline constexpr int kFieldNotUpdatable = 3164;     // no se puede actualizar el campo
inline constexpr int kRecordDeleted = 3167;         // el registro se ha eliminado
inline constexpr int kFieldDefinedTwice = 3191;     // campo definido más de una vez
inline constexpr int kDatabaseExists = 3204;        // la base de datos ya existe
inline constexpr int kTableLocked = 3211;           // tabla en uso
inline constexpr int kCouldNotUpdateLocked = 3218;  // bloqueado
inline constexpr int kInvalidOperation = 3219;      // operación no válida
inline constexpr int kNotSupported = 3251;          // no se admite en este Recordset
inline constexpr int kNoFieldsDefined = 3264;       // TableDef sin campos
inline constexpr int kItemNotFound = 3265;          // elemento no encontrado en la colección
inline constexpr int kSyntaxInCreateTable = 3290;   // error de sintaxis en CREATE TABLE
inline constexpr int kSyntaxInCreateIndex = 3291;   // error de sintaxis en CREATE INDEX
inline constexpr int kSyntaxInFieldDefinition =
    3292;                                         // error de sintaxis en la definición de campo
inline constexpr int kSyntaxInDropTable = 3295;   // error de sintaxis en DROP TABLE
inline constexpr int kNullNotAllowed = 3314;      // el campo no admite Null
inline constexpr int kUnrecognizedFormat = 3343;  // formato de base de datos no reconocido
inline constexpr int kValueCountMismatch = 3346;  // valores y campos de destino en distinto número
inline constexpr int kNumericOverflow = 3349;     // desbordamiento del campo numérico
inline constexpr int kQueryTooComplex = 3360;     // la consulta es demasiado compleja
inline constexpr int kIndexExists = 3375;         // el índice ya existe
inline constexpr int kObjectInvalid = 3420;       // objeto cerrado o no válido
inline constexpr int kConversion = 3421;          // error de conversión de tipo de datos
inline constexpr int kTypeMismatch = 3464;        // no coinciden los tipos de datos
// Keys, relations, counters and ALTER TABLE.
inline constexpr int kDuplicateKey =
    kDuplicateValues;                              // valores duplicados en el índice o la clave
inline constexpr int kNullInKey = 3058;            // Null en el índice o la clave principal
inline constexpr int kCanceledByUser = 3059;       // operación cancelada por el usuario
inline constexpr int kParentHasChildren = 3200;    // la tabla tiene registros relacionados
inline constexpr int kParentMissing = 3201;        // se necesita un registro relacionado
inline constexpr int kFieldInIndex = 3280;         // el campo es parte de un índice o relación
inline constexpr int kPrimaryKeyExists = 3283;     // ya existe la clave principal
inline constexpr int kSyntaxInAlterTable = 3293;   // error de sintaxis en ALTER TABLE
inline constexpr int kTableInRelation = 3303;      // la tabla participa en relaciones
inline constexpr int kRequired = kNullNotAllowed;  // el campo no puede contener Null
inline constexpr int kConstraintNotFound = 3371;   // no se encuentra la tabla o la restricción
inline constexpr int kFieldExists = 3380;          // ya existe un campo con ese nombre

namespace msg {

// Files and passwords.
inline constexpr ErrorText kFileNotFound{jeterr::kFileNotFound, "No se encuentra el archivo '{}'."};
inline constexpr ErrorText kCannotReadFile{
    jeterr::kCannotOpenFile, "No se puede abrir el archivo '{}'. Necesita permiso para leerlo."};
inline constexpr ErrorText kCannotWriteFile{
    jeterr::kCannotOpenFile,
    "No se puede abrir el archivo '{}' para escribir en él. Está abierto en modo exclusivo por "
    "otro usuario o necesita permiso para modificarlo."};
inline constexpr ErrorText kFileInUse{jeterr::kFileLocked,
                                      "No se pudo usar '{}'; el archivo ya está en uso."};
inline constexpr ErrorText kDatabaseExists{jeterr::kDatabaseExists,
                                           "La base de datos '{}' ya existe."};
inline constexpr ErrorText kCannotCreateFile{jeterr::kDiskIo, "No se puede crear el archivo '{}'."};
inline constexpr ErrorText kWriteFailed{jeterr::kDiskIo, "No se pudo escribir el archivo '{}'."};
inline constexpr ErrorText kDiskIo{jeterr::kDiskIo, "Error de disco o de red en '{}' ({})."};
inline constexpr ErrorText kDiskFull{jeterr::kDiskFull,
                                     "No hay espacio suficiente en el disco para '{}'."};
inline constexpr ErrorText kUnrecognizedFormat{jeterr::kUnrecognizedFormat,
                                               "Formato de base de datos no reconocido '{}'."};
inline constexpr ErrorText kInvalidPassword{jeterr::kInvalidPassword,
                                            "La contraseña no es válida."};
inline constexpr ErrorText kPasswordWithSemicolon{
    jeterr::kInvalidPassword, "La contraseña no es válida: no puede contener \";\"."};
inline constexpr ErrorText kInvalidFilePassword{jeterr::kInvalidPassword,
                                                "La contraseña de '{}' no es válida."};
inline constexpr ErrorText kOutOfMemory{rterr::kOutOfMemory, "Memoria insuficiente."};
inline constexpr ErrorText kNoMemoryForPassword{
    rterr::kOutOfMemory, "Memoria insuficiente para verificar la contraseña."};
inline constexpr ErrorText kNoSalt{rterr::kOutOfMemory,
                                   "No se pudo generar la sal de la contraseña."};
inline constexpr ErrorText kFunctionsNotReady{
    jeterr::kCannotOpenFile, "No se pudieron preparar las funciones del motor: {}."};

// Objects and collections.
inline constexpr ErrorText kDatabaseNotSet{rterr::kObjectNotSet,
                                           "Variable de objeto no establecida (Database)."};
inline constexpr ErrorText kRecordsetNotSet{rterr::kObjectNotSet,
                                            "Variable de objeto no establecida (Recordset)."};
inline constexpr ErrorText kDatabaseClosed{jeterr::kObjectInvalid,
                                           "La base de datos '{}' está cerrada."};
inline constexpr ErrorText kRecordsetClosed{jeterr::kObjectInvalid,
                                            "El objeto Recordset está cerrado."};
inline constexpr ErrorText kItemNotFound{jeterr::kItemNotFound,
                                         "No se encontró el elemento '{}' en esta colección."};
inline constexpr ErrorText kItemNotFoundAt{jeterr::kItemNotFound,
                                           "No se encontró el elemento {} en esta colección."};
inline constexpr ErrorText kFieldWithoutRecordset{jeterr::kInvalidOperation,
                                                  "El campo '{}' no pertenece a un Recordset."};
inline constexpr ErrorText kNotRowReturning{
    jeterr::kInvalidOperation,
    "Operación no válida: '{}' no es una consulta que devuelva registros."};
inline constexpr ErrorText kNoFieldsDefined{
    jeterr::kNoFieldsDefined,
    "La tabla '{}' no tiene campos: sólo se pueden anexar tablas vinculadas."};
inline constexpr ErrorText kCommitWithoutBegin{jeterr::kCommitWithoutBegin,
                                               "CommitTrans sin BeginTrans."};
inline constexpr ErrorText kRollbackWithoutBegin{jeterr::kCommitWithoutBegin,
                                                 "Rollback sin BeginTrans."};

// Records and fields.
inline constexpr ErrorText kNoCurrentRecord{jeterr::kNoCurrentRecord, "No hay registro activo."};
inline constexpr ErrorText kNotSupported{
    jeterr::kNotSupported, "La operación no se admite en este tipo de objeto Recordset."};
inline constexpr ErrorText kRecordsetReadOnly{
    jeterr::kReadOnly,
    "No se puede actualizar. La base de datos o el objeto es de sólo lectura ('{}')."};
inline constexpr ErrorText kDatabaseReadOnly{
    jeterr::kReadOnly,
    "No se puede actualizar. La base de datos '{}' o el objeto es de sólo lectura."};
inline constexpr ErrorText kUpdateWithoutEdit{jeterr::kUpdateWithoutEdit,
                                              "Update o CancelUpdate sin AddNew o Edit."};
inline constexpr ErrorText kFieldNotUpdatable{jeterr::kFieldNotUpdatable,
                                              "No se puede actualizar el campo '{}'."};
inline constexpr ErrorText kRecordDeleted{jeterr::kRecordDeleted, "El registro se ha eliminado."};
inline constexpr ErrorText kFieldTooSmall{
    jeterr::kFieldTooSmall,
    "El campo '{}' es demasiado pequeño para aceptar la cantidad de datos que intentó agregar. "
    "Intente insertar o pegar menos datos."};
inline constexpr ErrorText kConversion{jeterr::kConversion,
                                       "Error de conversión de tipo de datos en el campo '{}'."};
inline constexpr ErrorText kNumericOverflow{jeterr::kNumericOverflow,
                                            "Desbordamiento del campo numérico '{}'."};
inline constexpr ErrorText kDuplicateValues{
    jeterr::kDuplicateValues,
    "Los cambios solicitados no se realizaron porque crearían valores duplicados en el índice o "
    "la clave principal ({})."};
inline constexpr ErrorText kNullNotAllowed{jeterr::kNullNotAllowed,
                                           "El campo no puede contener un valor Null ({})."};
inline constexpr ErrorText kConstraintFailed{jeterr::kEngineError,
                                             "Restricción no cumplida: {}{}."};
inline constexpr ErrorText kTableLocked{
    jeterr::kTableLocked,
    "No se puede bloquear la tabla porque hay un Recordset abierto sobre '{}'{}."};
inline constexpr ErrorText kCouldNotUpdateLocked{
    jeterr::kCouldNotUpdateLocked,
    "No se pudo actualizar; la base de datos '{}' está bloqueada por otro usuario o proceso."};

// Tables and statements.
inline constexpr ErrorText kTableExists{jeterr::kTableExists, "La tabla '{}' ya existe."};
inline constexpr ErrorText kTableNotFound{jeterr::kTableNotFound, "No se encuentra la tabla '{}'."};
inline constexpr ErrorText kTableOrQueryNotFound{jeterr::kTableNotFound,
                                                 "No se encuentra la tabla o consulta '{}'."};
inline constexpr ErrorText kTableNotFoundInFile{jeterr::kTableNotFound,
                                                "No se encuentra la tabla '{}' en '{}'."};
inline constexpr ErrorText kIndexExists{jeterr::kIndexExists,
                                        "La tabla ya tiene un índice llamado '{}'."};
inline constexpr ErrorText kUnknownField{jeterr::kTooFewParameters,
                                         "Nombre de campo desconocido '{}'{}."};
inline constexpr ErrorText kUnknownInsertField{
    jeterr::kUnknownInsertField,
    "El destino de INSERT INTO contiene el nombre de campo desconocido '{}'."};
inline constexpr ErrorText kInvalidName{
    jeterr::kInvalidName,
    "'{}' no es un nombre válido. Asegúrese de que no incluye caracteres o puntuación no válidos "
    "y de que no es demasiado largo."};
inline constexpr ErrorText kFieldDefinedTwice{jeterr::kFieldDefinedTwice,
                                              "No se puede definir el campo '{}' más de una vez."};
inline constexpr ErrorText kValueCountMismatch{
    jeterr::kValueCountMismatch,
    "El número de valores de consulta y el número de campos de destino son diferentes en INSERT "
    "INTO {}."};
inline constexpr ErrorText kCannotExecuteSelect{
    jeterr::kCannotExecuteSelect, "No se puede ejecutar una consulta de selección: '{}'."};
inline constexpr ErrorText kUndefinedFunction{jeterr::kUndefinedFunction,
                                              "Función '{}' no definida en la expresión."};
inline constexpr ErrorText kTypeMismatch{
    jeterr::kTypeMismatch, "No coinciden los tipos de datos en la expresión de criterios."};
inline constexpr ErrorText kEngineError{jeterr::kEngineError,
                                        "Error del motor de base de datos: {}{}."};
inline constexpr ErrorText kCanceledByUser{jeterr::kCanceledByUser,
                                           "Operación cancelada por el usuario."};

// Syntax. The number is the statement's (As); "{}" after "sintaxis" is
// " en la instrucción '...'" when the statement is known.
inline constexpr ErrorText kSyntax{jeterr::kSyntaxInExpression, "Error de sintaxis{}."};
inline constexpr ErrorText kSyntaxRule{jeterr::kSyntaxInExpression, "{}."};
inline constexpr ErrorText kSyntaxAtEnd{jeterr::kSyntaxInExpression,
                                        "{}, al final de la instrucción."};
inline constexpr ErrorText kSyntaxNear{jeterr::kSyntaxInExpression, "{}, cerca de '{}'."};
inline constexpr ErrorText kSyntaxUnreadable{jeterr::kSyntaxInExpression, "{}: {}, cerca de '{}'."};
inline constexpr ErrorText kSyntaxInQueryExpression{
    jeterr::kSyntaxInExpression, "Error de sintaxis ({}) en la expresión de consulta '{}'."};
inline constexpr ErrorText kNestedTooDeep{jeterr::kSyntaxInExpression,
                                          "La expresión está anidada demasiado profundamente."};
inline constexpr ErrorText kNestedTooDeepIn{
    jeterr::kSyntaxInExpression,
    "La expresión está anidada demasiado profundamente en la instrucción '{}'."};
inline constexpr ErrorText kQueryTooComplex{jeterr::kQueryTooComplex,
                                            "La consulta es demasiado compleja{}."};
inline constexpr ErrorText kInvalidEscape{
    jeterr::kSyntaxInExpression,
    "La cláusula ESCAPE no es válida en la expresión de consulta '{}'; use [*], [?] o [#] para "
    "buscar esos caracteres."};
inline constexpr ErrorText kWrongArgumentCount{
    jeterr::kSyntaxInExpression,
    "Número incorrecto de argumentos utilizados con la función en la expresión de consulta '{}'."};

}  // namespace msg

// Raises the table's entry: jeterr::Raise(jeterr::msg::kTableExists, {name}).
using ::Raise;

// Raises a named number with a text built where it is raised, for texts
// that carry the context of one site (a function's arguments, a clause).
[[noreturn]] inline void Raise(int number, const std::string& description) {
  throw AppError(number, description);
}

// A statement or part of one as a message shows it: whole up to 200
// characters, else its first 200 and "…"; a NUL byte, which would cut the
// message where it stands, as "\0". A statement of a megabyte would
// otherwise come back in full with every message about it.
inline std::string Excerpt(std::string_view text, std::size_t characters = 200) {
  std::string out;
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) != 0x80 && count++ == characters) return out + "…";
    if (c == 0) {
      out += "\\0";
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace dao::jeterr
