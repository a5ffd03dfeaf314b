/*
** MetadataCopy: the metadata, or a private copy of it. See MetadataCopy.h.
**
** The folder is made by mkdtemp (mode 0700, a name nobody can guess ahead)
** and the copy is created in it exclusively with mode 0600, so that no
** other user can put a file of their own where the rebuild reads.
*/
#include "repair/MetadataCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "common/AppError.h"
#include "common/SystemError.h"
#include "platform/PathSeparator.h"

namespace {

namespace fs = std::filesystem;

std::string PrivateParent() {
  for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* value = std::getenv(name);
    std::error_code ec;
    if (value != nullptr && *value != '\0' && fs::is_directory(value, ec)) return value;
  }
  return "/tmp";
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd(fd) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int fd;
};

// Copies `from` into the new file `to`; the errno of the first failure,
// 0 when whole.
int CopyInto(const std::string& from, const std::string& to) {
  Descriptor in{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
  if (in.fd < 0) return errno;
  Descriptor out{::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)};
  if (out.fd < 0) return errno;
  std::vector<char> buffer(1 << 16);
  while (true) {
    const ssize_t got = ::read(in.fd, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) break;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(out.fd, buffer.data() + done, static_cast<size_t>(got - done));
      if (put < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      done += put;
    }
  }
  return ::close(std::exchange(out.fd, -1)) == 0 ? 0 : errno;
}

}  // namespace

bool MetadataCopy::MayWrite(const std::string& path) {
#ifdef _WIN32
  (void)path;
  return true;
#else
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
#endif
}

MetadataCopy::MetadataCopy(const std::string& installed, bool writable) : path_(installed) {
  std::error_code ec;
  if (writable || !fs::exists(installed, ec)) return;
  std::string pattern = PrivateParent() + kPathSeparatorText + "remendor-metadatos-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (::mkdtemp(name.data()) == nullptr) {
    const int err = errno;
    throw AppError(SystemError::Number(err),
                   "No se pudo copiar los metadatos de reparación '" + installed +
                       "' para leerlos: la carpeta privada en '" + PrivateParent() +
                       "' no se pudo crear (" + SystemError::Reason(err) + ").");
  }
  folder_ = name.data();
  const std::string copy = folder_ + kPathSeparatorText + "Remendor.mdb";
  if (const int err = CopyInto(installed, copy); err != 0) {
    fs::remove_all(folder_, ec);
    folder_.clear();
    throw AppError(SystemError::Number(err),
                   "No se pudo copiar los metadatos de reparación '" + installed +
                       "' para leerlos: " + SystemError::Reason(err) + ".");
  }
  path_ = copy;
}

MetadataCopy::~MetadataCopy() {
  if (folder_.empty()) return;
  std::error_code ec;
  fs::remove_all(folder_, ec);
}
