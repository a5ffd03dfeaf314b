/*
** JetDdlErrors: the engine's error numbers for keys, relations, counters
** and ALTER TABLE, beside those of JetErrors.h.
*/
#pragma once

namespace dao::jeterr {

inline constexpr int kDuplicateKey = 3022;        // valores duplicados en el índice o la clave
inline constexpr int kNullInKey = 3058;           // Null en el índice o la clave principal
inline constexpr int kFieldNotUpdatable = 3164;   // no se puede actualizar el campo
inline constexpr int kParentHasChildren = 3200;   // la tabla tiene registros relacionados
inline constexpr int kParentMissing = 3201;       // se necesita un registro relacionado
inline constexpr int kFieldInIndex = 3280;        // el campo es parte de un índice o relación
inline constexpr int kPrimaryKeyExists = 3283;    // ya existe la clave principal
inline constexpr int kSyntaxInAlterTable = 3293;  // error de sintaxis en ALTER TABLE
inline constexpr int kTableInRelation = 3303;     // la tabla participa en relaciones
inline constexpr int kRequired = 3314;            // el campo no puede contener Null
inline constexpr int kConstraintNotFound = 3371;  // no se encuentra la tabla o la restricción
inline constexpr int kFieldExists = 3380;         // ya existe un campo con ese nombre

}  // namespace dao::jeterr
