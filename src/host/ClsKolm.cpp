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

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <fstream>

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

// The file descriptor, closed on every path out.
struct FileDescriptor {
  int fd;
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
};

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
  FileDescriptor f{::open(path.c_str(), O_RDWR)};
  if (f.fd < 0) {
    throw AppError(rterr::kPermissionDenied, "Permiso denegado: '" + path + "'.");
  }
  unsigned char first = 0;
  if (::pread(f.fd, &first, 1, 0) < 0) {
    throw AppError(rterr::kPermissionDenied, "No se puede leer '" + path + "'.");
  }
  return first != 0;
}

void ClsKolm::encriptoDesencripto(const std::string& Base) {
  lastScrambleFailed_ = false;
  bool ok = false;
  FileDescriptor f{::open(Base.c_str(), O_RDWR)};
  if (f.fd >= 0) {
    std::array<unsigned char, kBlock> block{};
    ssize_t got = ::pread(f.fd, block.data(), block.size(), 0);
    if (got > kLastScrambled) {
      for (int i = 0; i <= kLastScrambled; i += kScrambleStep)
        block[static_cast<size_t>(i)] ^= kScrambleValue;
      ok = ::pwrite(f.fd, block.data(), static_cast<size_t>(got), 0) == got && ::fsync(f.fd) == 0;
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
    // "Normal" attributes: off Windows, the owner may write the file.
    struct stat st {};
    if (::stat(Direccion.c_str(), &st) != 0) {
      throw AppError(rterr::kFileNotFound, "No se encontró el archivo '" + Direccion + "'.");
    }
    ::chmod(Direccion.c_str(), st.st_mode | S_IWUSR);
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
  std::ifstream in(path, std::ios::binary);
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
