/*
** SystemError: numbers and Spanish reasons of system failures. See
** SystemError.h.
*/
#include "common/SystemError.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

int SystemError::Number(int err) {
  switch (err) {
    case ENOENT:
      return rterr::kFileNotFound;
    case ENOTDIR:
      return rterr::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return rterr::kPermissionDenied;
    case EEXIST:
      return rterr::kFileAlreadyExists;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return rterr::kDiskFull;
    case EIO:
      return rterr::kDeviceIoError;
    case ENOMEM:
      return rterr::kOutOfMemory;
    default:
      return rterr::kPathFileAccess;
  }
}

std::string SystemError::Reason(int err) {
  switch (err) {
    case ENOENT:
      return "no existe";
    case ENOTDIR:
      return "una parte de la ruta no es una carpeta";
    case EACCES:
    case EPERM:
      return "permiso denegado";
    case EROFS:
      return "el disco es de sólo lectura";
    case EEXIST:
      return "ya existe";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return "no hay espacio en el disco";
    case EIO:
      return "error de lectura o escritura en el disco";
    case EISDIR:
      return "es una carpeta";
    case ENAMETOOLONG:
      return "el nombre es demasiado largo";
    case ELOOP:
      return "demasiados enlaces simbólicos";
    case ENOMEM:
      return "memoria insuficiente";
    default:
      return "error del sistema " + std::to_string(err);
  }
}

AppError SystemError::From(const std::exception& e) {
  if (const auto* app = dynamic_cast<const AppError*>(&e)) return *app;
  if (const auto* fs = dynamic_cast<const std::filesystem::filesystem_error*>(&e)) {
    const int err = fs->code().value();
    std::string names = "'" + fs->path1().string() + "'";
    if (!fs->path2().empty()) names += " y '" + fs->path2().string() + "'";
    return AppError(Number(err), "Error de acceso a " + names + ": " + Reason(err) + ".");
  }
  if (const auto* sys = dynamic_cast<const std::system_error*>(&e)) {
    if (sys->code().category() == std::generic_category() ||
        sys->code().category() == std::system_category()) {
      const int err = sys->code().value();
      return AppError(Number(err), "Error del sistema: " + Reason(err) + ".");
    }
  }
  if (dynamic_cast<const std::bad_alloc*>(&e)) {
    return AppError(rterr::kOutOfMemory, "Memoria insuficiente.");
  }
  return AppError(rterr::kInternalError, std::string("Error interno: ") + e.what());
}
