/*
** ImportErrors: the texts of the failures that only the import of Jet
** files raises, under the engine's numbers (dao/sql/JetErrors.h) that support
** staff already know for the same trouble.
**
** A Jet file that cannot be read, for whatever reason, is 3343 (the
** engine's "unrecognized database format") with the reason after the
** file's name, so that the one line the tool prints says both what and
** why. The engine's own texts (3024 missing file, 3051 unreadable file,
** 3204 existing database, 3078 missing table) are used as they are.
*/
#pragma once

#include "common/AppError.h"
#include "dao/sql/JetErrors.h"

namespace jetimport::msg {

inline constexpr ErrorText kNotJet{
    dao::jeterr::kUnrecognizedFormat,
    "Formato de base de datos no reconocido '{}': no es una base de datos de Access (Jet 3 o "
    "Jet 4)."};
inline constexpr ErrorText kUnsupportedVersion{
    dao::jeterr::kUnrecognizedFormat,
    "Formato de base de datos no reconocido '{}': versión de formato {} desconocida."};
inline constexpr ErrorText kTruncated{
    dao::jeterr::kUnrecognizedFormat,
    "Formato de base de datos no reconocido '{}': el archivo está truncado ({} bytes no son "
    "páginas enteras de {} bytes)."};
inline constexpr ErrorText kDamaged{dao::jeterr::kUnrecognizedFormat,
                                    "Formato de base de datos no reconocido '{}': el archivo está "
                                    "dañado ({})."};
inline constexpr ErrorText kReaderStopped{
    dao::jeterr::kUnrecognizedFormat,
    "Formato de base de datos no reconocido '{}': el archivo está dañado; la lectura se detuvo "
    "{} ({})."};
inline constexpr ErrorText kReaderSilent{
    dao::jeterr::kUnrecognizedFormat,
    "Formato de base de datos no reconocido '{}': el archivo está dañado; la lectura no avanzó "
    "en {} segundos {} y se abandonó."};
inline constexpr ErrorText kCodePage{
    dao::jeterr::kUnrecognizedFormat,
    "Formato de base de datos no reconocido '{}': la página de códigos {} de sus textos no se "
    "puede leer en este sistema."};

inline constexpr ErrorText kSameFile{dao::jeterr::kCannotOpenFile,
                                     "El destino '{}' es el mismo archivo que el origen '{}'."};
inline constexpr ErrorText kNotExact{
    dao::jeterr::kNumericOverflow,
    "El valor {} de la columna '{}' de la tabla '{}' no se puede guardar exacto en la base del "
    "motor."};
inline constexpr ErrorText kRowRefused{dao::jeterr::kEngineError,
                                       "La fila {} de la tabla '{}' no se pudo importar: {}"};
inline constexpr ErrorText kInvalidName{3125,
                                        "'{}' no es un nombre válido para la base del motor."};
inline constexpr ErrorText kInterrupted{18,
                                        "Importación interrumpida: '{}' no se creó ni se cambió."};

}  // namespace jetimport::msg
