/*
** JetErrors: the engine's error numbers, and the AppError it raises.
**
** The numbers are the ones the operator's support staff know from the
** original engine; the descriptions are Spanish and name the object or the
** statement at fault.
*/
#pragma once

#include <string>

#include "common/AppError.h"

namespace dao::jeterr {

inline constexpr int kTableExists = 3010;           // "La tabla 'X' ya existe."
inline constexpr int kUpdateWithoutEdit = 3020;     // Update sin AddNew ni Edit
inline constexpr int kNoCurrentRecord = 3021;       // no hay registro activo
inline constexpr int kFileNotFound = 3024;          // no se encuentra el archivo
inline constexpr int kDiskFull = 3026;              // no hay espacio en el disco
inline constexpr int kReadOnly = 3027;              // base u objeto de sólo lectura
inline constexpr int kInvalidPassword = 3031;       // contraseña no válida
inline constexpr int kCommitWithoutBegin = 3034;    // CommitTrans/Rollback sin BeginTrans
inline constexpr int kDiskIo = 3043;                // error de disco o de red
inline constexpr int kCannotOpenFile = 3051;        // no se puede abrir el archivo
inline constexpr int kTooFewParameters = 3061;      // nombre de campo desconocido en la consulta
inline constexpr int kSyntaxInExpression = 3075;    // error de sintaxis en la expresión
inline constexpr int kTableNotFound = 3078;         // no se encuentra la tabla o consulta
inline constexpr int kUndefinedFunction = 3085;     // función no definida en la expresión
inline constexpr int kObjectInvalid = 3420;         // objeto cerrado o no válido
inline constexpr int kConversion = 3421;            // error de conversión de tipo de datos
inline constexpr int kSyntaxInDelete = 3128;        // error de sintaxis en DELETE
inline constexpr int kUnknownInsertField = 3127;    // campo desconocido en INSERT INTO
inline constexpr int kInvalidStatement = 3129;      // instrucción SQL no válida
inline constexpr int kSyntaxInFrom = 3131;          // error de sintaxis en FROM
inline constexpr int kSyntaxInInsert = 3134;        // error de sintaxis en INSERT INTO
inline constexpr int kSyntaxInOrderBy = 3138;       // error de sintaxis en ORDER BY
inline constexpr int kSyntaxInSelect = 3141;        // error de sintaxis en SELECT
inline constexpr int kCharactersAfterEnd = 3142;    // caracteres tras el final de la instrucción
inline constexpr int kSyntaxInUpdate = 3144;        // error de sintaxis en UPDATE
inline constexpr int kFieldTooSmall = 3163;         // el campo es demasiado pequeño
inline constexpr int kFieldDefinedTwice = 3191;     // campo definido más de una vez
inline constexpr int kFileLocked = 3045;            // archivo en uso
inline constexpr int kTableLocked = 3211;           // tabla en uso
inline constexpr int kCouldNotUpdateLocked = 3218;  // bloqueado
inline constexpr int kItemNotFound = 3265;          // elemento no encontrado en la colección
inline constexpr int kSyntaxInCreateTable = 3290;   // error de sintaxis en CREATE TABLE
inline constexpr int kSyntaxInCreateIndex = 3291;   // error de sintaxis en CREATE INDEX
inline constexpr int kSyntaxInFieldDefinition =
    3292;                                         // error de sintaxis en la definición de campo
inline constexpr int kSyntaxInDropTable = 3295;   // error de sintaxis en DROP TABLE
inline constexpr int kUnrecognizedFormat = 3343;  // formato de base de datos no reconocido
inline constexpr int kValueCountMismatch = 3346;  // valores y campos de destino en distinto número
inline constexpr int kNumericOverflow = 3349;     // desbordamiento del campo numérico
inline constexpr int kTypeMismatch = 3464;        // no coinciden los tipos de datos

[[noreturn]] inline void Raise(int number, const std::string& description) {
  throw AppError(number, description);
}

}  // namespace dao::jeterr
