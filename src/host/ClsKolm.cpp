/*
** ClsKolm: installation folder, host databases and their scrambling. See
** ClsKolm.h.
**
** Three behaviours go beyond a literal reading of the original routine,
** because it could damage the operator's only copy of the data:
**   - the scrambling reads the first 400 bytes, toggles them in memory and
**     writes them back in one write, flushed to disk; a failure leaves the
**     file as it was, and a file shorter than 391 bytes is refused whole;
**   - when AbrirBaseMdb has unscrambled a file and the open then fails, it
**     scrambles it back, so that a failed open never changes the file;
**   - a missing or empty novuPath.sys raises an error that names the path;
**   - a novuPath.sys that is not UTF-8 is read as Windows-1252, the code
**     page the maker's programs wrote it in.
*/
#include "host/ClsKolm.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <array>
#include <filesystem>
#include <fstream>

#include "common/NativeFile.h"
#include "common/NativePath.h"
#include "common/WideText.h"
#include "dao/DBEngine.h"
#include "platform/AnsiText.h"
#include "platform/MessageBoxService.h"
#include "platform/a_c_w.h"

namespace {

constexpr const char* kSystemPassword = "wePlorKadviM";
constexpr unsigned char kScrambleValue = 0x3B;
constexpr int kScrambleStep = 10;
constexpr int kLastScrambled = 390;  // offset of the last toggled byte
constexpr int kBlock = 400;

// "Normal" attributes: on Windows read-only, hidden, system and archive
// are cleared; elsewhere the owner may write the file. False when the file
// is not there.
bool MakeNormal(const std::string& path) {
#ifdef _WIN32
  const std::wstring wide = NativePath::From(path).native();
  if (GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  return true;
#else
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  ::chmod(path.c_str(), st.st_mode | S_IWUSR);
  return true;
#endif
}

}  // namespace

const char* const ClsKolm::kScrambleFailedMessage =
    "Ha ocurrido un error al desencriptar la base de datos";

ClsKolm::ClsKolm() : password_(kSystemPassword) {}
ClsKolm::ClsKolm(std::string password) : password_(std::move(password)) {}

std::string ClsKolm::DarPWD() const {
  return ";PWD=" + password_;
}

bool ClsKolm::EstaEncriptada(const std::string& path) {
  // Opened for reading and writing, as the check always did: a file that
  // cannot be written is reported here, before anything changes.
  NativeFile f(path, NativeFile::Mode::kReadWrite);
  if (!f.IsOpen()) {
    throw AppError(rterr::kPermissionDenied, "Permiso denegado: '" + path + "'.");
  }
  unsigned char first = 0;
  if (f.ReadAt(0, &first, 1) < 0) {
    throw AppError(rterr::kPermissionDenied, "No se puede leer '" + path + "'.");
  }
  return first != 0;
}

void ClsKolm::encriptoDesencripto(const std::string& Base) {
  lastScrambleFailed_ = false;
  bool ok = false;
  NativeFile f(Base, NativeFile::Mode::kReadWrite);
  if (f.IsOpen()) {
    std::array<unsigned char, kBlock> block{};
    const int64_t got = f.ReadAt(0, block.data(), block.size());
    if (got > kLastScrambled) {
      for (int i = 0; i <= kLastScrambled; i += kScrambleStep)
        block[static_cast<size_t>(i)] ^= kScrambleValue;
      ok = f.WriteAt(0, block.data(), static_cast<size_t>(got)) && f.Sync();
    }
  }
  if (!ok) {
    lastScrambleFailed_ = true;
    MsgBox(kScrambleFailedMessage);
  }
}

bool ClsKolm::AbrirBaseMdb(const std::string& Direccion, dao::Database& BaseDatos) {
  bool toggled = false;
  try {
    if (!MakeNormal(Direccion)) {
      throw AppError(rterr::kFileNotFound, "No se encontró el archivo '" + Direccion + "'.");
    }
    if (EstaEncriptada(Direccion)) {
      encriptoDesencripto(Direccion);
      toggled = !lastScrambleFailed_;
    }
    dao::Database opened = dao::DBEngine::OpenDatabase(Direccion, false, false, DarPWD());
    BaseDatos = opened;
    lastError_.reset();
    return true;
  } catch (const AppError& e) {
    if (toggled) encriptoDesencripto(Direccion);
    lastError_ = e;
    MsgBox(e.Description());
    return false;
  }
}

std::string ClsKolm::DarPathNOVU() {
  const std::string path = a_c_w().DirWindows() + "novuPath.sys";
  std::ifstream in(NativePath::From(path), std::ios::binary);
  if (!in) {
    throw AppError(rterr::kFileNotFound, "No se encontró el archivo '" + path + "'.");
  }
  std::string line;
  if (!std::getline(in, line)) {
    throw AppError(rterr::kInputPastEnd,
                   "Se ha leído más allá del final del archivo '" + path + "': está vacío.");
  }
  // A line ends at CR, at CR LF and at LF: a file saved with bare carriage
  // returns would otherwise yield its whole content as the folder.
  const size_t cr = line.find('\r');
  if (cr != std::string::npos) line.erase(cr);
  // Written by the maker's programs in the ANSI code page, by newer tools
  // in UTF-8: either way the folder reaches the program as UTF-8.
  return AnsiText::ToUtf8(line);
}
