// Failures of the system and the C++ library as the operator reads them: a
// number other than 0 and a Spanish reason.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <new>

#include "common/SystemError.h"

namespace {

template <typename E>
std::string Shown(const E& failure) {
  const AppError e = SystemError::From(failure);
  return std::to_string(e.Number()) + " " + e.Description();
}

}  // namespace

TEST(SystemError, EveryFailureGetsANumberAndASpanishDescription) {
  namespace fs = std::filesystem;
  EXPECT_EQ(Shown(fs::filesystem_error("cannot create directories", "/tmp/a.mdb/windows",
                                       std::make_error_code(std::errc::not_a_directory))),
            "76 Error de acceso a '/tmp/a.mdb/windows': una parte de la ruta no es una carpeta.");
  EXPECT_EQ(Shown(fs::filesystem_error("cannot copy", "a", "b",
                                       std::make_error_code(std::errc::file_exists))),
            "58 Error de acceso a 'a' y 'b': ya existe.");
  EXPECT_EQ(SystemError::From(std::bad_alloc()).Number(), 7);
  EXPECT_EQ(Shown(std::runtime_error("boom")), "51 Error interno: boom");
  EXPECT_EQ(Shown(AppError(3024, "No se encuentra el archivo 'x'.")),
            "3024 No se encuentra el archivo 'x'.");
  for (int err : {ENOENT, EACCES, EROFS, ENOSPC, EIO, EISDIR, EINVAL}) {
    EXPECT_NE(SystemError::Number(err), 0) << err;
    EXPECT_FALSE(SystemError::Reason(err).empty()) << err;
  }
  EXPECT_EQ(SystemError::Reason(EINVAL), "error del sistema " + std::to_string(EINVAL));
}
