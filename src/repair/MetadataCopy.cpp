/*
** MetadataCopy: the metadata, or a private copy of it. See MetadataCopy.h.
**
** The folder is made by mkdtemp (mode 0700, a name nobody can guess ahead)
** and the copy is created in it exclusively with mode 0600, so that no
** other user can put a file of their own where the rebuild reads. On
** Windows the folder has a random name in the user's own temporary folder,
** which only that user may enter.
*/
#include "repair/MetadataCopy.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "common/AppError.h"
#include "common/NativeFile.h"
#include "common/NativePath.h"
#include "common/SystemError.h"
#include "platform/PathSeparator.h"

namespace {

namespace fs = std::filesystem;

std::string PrivateParent() {
  for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
    const char* value = std::getenv(name);
    std::error_code ec;
    if (value != nullptr && *value != '\0' && fs::is_directory(NativePath::From(value), ec))
      return value;
  }
#ifdef _WIN32
  // The user's own temporary folder, which Windows lets only that user
  // (and the administrators) enter.
  std::error_code ec;
  return NativePath::ToUtf8(fs::temp_directory_path(ec));
#else
  return "/tmp";
#endif
}

#ifdef _WIN32

// Windows has no mkdtemp: a random name in the private parent, which
// create_directory refuses when it is taken. The errno of a failure.
int MakePrivateFolder(const std::string& parent, std::string& folder) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[40];
    std::snprintf(name, sizeof name, "remendor-metadatos-%08x", static_cast<unsigned>(random()));
    std::error_code ec;
    const fs::path candidate = NativePath::From(parent) / name;
    if (fs::create_directory(candidate, ec)) {
      folder = NativePath::ToUtf8(candidate);
      return 0;
    }
    if (ec) return ec.value() == static_cast<int>(std::errc::permission_denied) ? EACCES : ENOENT;
  }
  return EEXIST;
}

// Copies `from` into the new file `to`; the errno of the first failure,
// 0 when whole.
int CopyInto(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (fs::is_directory(NativePath::From(from), ec)) return EISDIR;
  NativeFile in(from, NativeFile::Mode::kRead);
  if (!in.IsOpen()) return in.LastFailure() == NativeFile::Failure::kNotFound ? ENOENT : EACCES;
  NativeFile out(to, NativeFile::Mode::kCreateNew);
  if (!out.IsOpen()) return EACCES;
  std::vector<char> buffer(1 << 16);
  for (int64_t got; (got = in.Read(buffer.data(), buffer.size())) != 0;) {
    if (got < 0) return EIO;
    if (!out.Write(buffer.data(), static_cast<size_t>(got))) {
      return out.LastFailure() == NativeFile::Failure::kNoSpace ? ENOSPC : EIO;
    }
  }
  return out.Close() ? 0 : EIO;
}

#else

// The folder made by mkdtemp; the errno of a failure.
int MakePrivateFolder(const std::string& parent, std::string& folder) {
  std::string pattern = parent + kPathSeparatorText + "remendor-metadatos-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (::mkdtemp(name.data()) == nullptr) return errno;
  folder = name.data();
  return 0;
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

#endif

}  // namespace

bool MetadataCopy::MayWrite(const std::string& path) {
#ifdef _WIN32
  // Opening it for writing answers for the read-only attribute and the
  // folder's permissions alike.
  return NativeFile(path, NativeFile::Mode::kReadWrite).IsOpen();
#else
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
#endif
}

MetadataCopy::MetadataCopy(const std::string& installed, bool writable) : path_(installed) {
  std::error_code ec;
  if (writable || !fs::exists(NativePath::From(installed), ec)) return;
  std::string folder;
  if (const int err = MakePrivateFolder(PrivateParent(), folder); err != 0) {
    throw AppError(SystemError::Number(err),
                   "No se pudo copiar los metadatos de reparación '" + installed +
                       "' para leerlos: la carpeta privada en '" + PrivateParent() +
                       "' no se pudo crear (" + SystemError::Reason(err) + ").");
  }
  folder_ = folder;
  const std::string copy = folder_ + kPathSeparatorText + "Remendor.mdb";
  if (const int err = CopyInto(installed, copy); err != 0) {
    fs::remove_all(NativePath::From(folder_), ec);
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
  fs::remove_all(NativePath::From(folder_), ec);
}
