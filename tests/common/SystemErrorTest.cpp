// Failures of the system and the C++ library as the operator reads them: a
// number other than 0 and a Spanish reason.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <new>

#include "common/SystemError.h"

TEST(SystemError, EveryFailureGetsANumberAndASpanishDescription) {
  namespace fs = std::filesystem;
  const AppError noCarpeta = SystemError::From(
      fs::filesystem_error("cannot create directories", fs::path("/tmp/a.mdb/windows"),
                           std::make_error_code(std::errc::not_a_directory)));
  EXPECT_EQ(noCarpeta.Number(), 76);
  EXPECT_EQ(noCarpeta.Description(),
            "Error de acceso a '/tmp/a.mdb/windows': una parte de la ruta no es una carpeta.");
  const AppError dos = SystemError::From(fs::filesystem_error(
      "cannot copy", fs::path("a"), fs::path("b"), std::make_error_code(std::errc::file_exists)));
  EXPECT_EQ(dos.Number(), 58);
  EXPECT_EQ(dos.Description(), "Error de acceso a 'a' y 'b': ya existe.");

  EXPECT_EQ(SystemError::From(std::bad_alloc()).Number(), 7);
  const AppError otra = SystemError::From(std::runtime_error("boom"));
  EXPECT_EQ(otra.Number(), 51);
  EXPECT_EQ(otra.Description(), "Error interno: boom");
  const AppError propia = SystemError::From(AppError(3024, "No se encuentra el archivo 'x'."));
  EXPECT_EQ(propia.Number(), 3024);
  EXPECT_EQ(propia.Description(), "No se encuentra el archivo 'x'.");

  for (int err : {ENOENT, EACCES, EROFS, ENOSPC, EIO, EISDIR, EINVAL}) {
    EXPECT_NE(SystemError::Number(err), 0) << err;
    EXPECT_FALSE(SystemError::Reason(err).empty()) << err;
  }
  EXPECT_EQ(SystemError::Reason(EINVAL), "error del sistema " + std::to_string(EINVAL));
}
