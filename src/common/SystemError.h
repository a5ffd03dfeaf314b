/*
** SystemError: the run time's number and a Spanish reason for a failure
** that the operating system or the C++ library reports (an errno value, a
** std::filesystem or std::system_error exception), so that every failure
** the programs report carries a number other than 0 and a description the
** operator reads, never the library's English.
**
**   errno                    number                           reason
**   ENOENT                   53 file not found                "no existe"
**   ENOTDIR                  76 path not found                "una parte de la ruta no es una
*carpeta"
**   EACCES, EPERM            70 permission denied             "permiso denegado"
**   EROFS                    70                               "el disco es de sólo lectura"
**   EEXIST                   58 file already exists           "ya existe"
**   ENOSPC, EDQUOT           61 disk full                     "no hay espacio en el disco"
**   EIO                      57 device I/O error              "error de lectura o escritura en el
*disco"
**   EISDIR                   75 path/file access error        "es una carpeta"
**   ENAMETOOLONG             75                               "el nombre es demasiado largo"
**   ELOOP                    75                               "demasiados enlaces simbólicos"
**   ENOMEM                   7 out of memory                  "memoria insuficiente"
**   any other                75                               "error del sistema N"
**
** From() turns any exception into an AppError: an AppError passes as it
** is; a file system error names its path and reason; std::bad_alloc is 7;
** anything else is 51, "Error interno: " and its own text.
*/
#pragma once

#include <exception>
#include <string>

#include "common/AppError.h"

class SystemError {
 public:
  static int Number(int err);
  static std::string Reason(int err);
  static AppError From(const std::exception& e);
};
