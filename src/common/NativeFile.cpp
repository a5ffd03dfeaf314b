/*
** A file through the system's own calls. See NativeFile.h.
*/
#include "common/NativeFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#include <algorithm>
#include <vector>

#ifdef _WIN32
#include "common/NativePath.h"
#include "common/WideText.h"
#endif

#ifdef _WIN32

namespace {

NativeFile::Failure Kind(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return NativeFile::Failure::kNotFound;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return NativeFile::Failure::kExists;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return NativeFile::Failure::kDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return NativeFile::Failure::kNoSpace;
    case ERROR_WRITE_PROTECT:
      return NativeFile::Failure::kReadOnlyDisk;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
      return NativeFile::Failure::kIo;
    default:
      return NativeFile::Failure::kOther;
  }
}

std::string SystemText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string out = n ? WideText::Narrow(std::wstring_view(text, n)) : std::string();
  LocalFree(text);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.'))
    out.pop_back();
  return out.empty() ? "error " + std::to_string(error) : out;
}

std::wstring WidePath(const std::string& path) {
  return NativePath::From(path).native();
}

// One call moves at most this much: ReadFile and WriteFile count in 32 bits.
constexpr size_t kMostAtOnce = 1u << 30;

}  // namespace

NativeFile::NativeFile(const std::string& path, Mode mode) {
  const DWORD access = mode == Mode::kRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  const DWORD disposition = mode == Mode::kCreateNew      ? CREATE_NEW
                            : mode == Mode::kCreateAlways ? CREATE_ALWAYS
                                                          : OPEN_EXISTING;
  handle_ = CreateFileW(WidePath(path).c_str(), access,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    handle_ = nullptr;
    Fail();
  }
}

NativeFile::~NativeFile() {
  if (handle_) CloseHandle(handle_);
}

bool NativeFile::IsOpen() const {
  return handle_ != nullptr;
}

void NativeFile::Fail() {
  const DWORD error = GetLastError();
  failure_ = Kind(error);
  failureText_ = SystemText(error);
}

int64_t NativeFile::ReadAt(uint64_t offset, void* buffer, size_t count) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  if (!ReadFile(handle_, buffer, static_cast<DWORD>(std::min(count, kMostAtOnce)), &got, &at)) {
    if (GetLastError() == ERROR_HANDLE_EOF) return 0;
    Fail();
    return -1;
  }
  return got;
}

bool NativeFile::WriteAt(uint64_t offset, const void* buffer, size_t count) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  while (count > 0) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD put = 0;
    if (!WriteFile(handle_, bytes, static_cast<DWORD>(std::min(count, kMostAtOnce)), &put, &at) ||
        put == 0) {
      Fail();
      return false;
    }
    bytes += put, offset += put, count -= put;
  }
  return true;
}

bool NativeFile::Sync() {
  if (FlushFileBuffers(handle_)) return true;
  Fail();
  return false;
}

int64_t NativeFile::Size() {
  LARGE_INTEGER size{};
  if (GetFileSizeEx(handle_, &size)) return size.QuadPart;
  Fail();
  return -1;
}

bool NativeFile::Close() {
  if (!handle_) return true;
  const bool ok = CloseHandle(handle_);
  handle_ = nullptr;
  if (!ok) Fail();
  return ok;
}

bool NativeFile::RenameNoReplace(const std::string& from, const std::string& to, Failure* failure) {
  // Without MOVEFILE_REPLACE_EXISTING the move refuses a taken name.
  if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_WRITE_THROUGH))
    return true;
  if (failure) *failure = Kind(GetLastError());
  return false;
}

#else

namespace {

NativeFile::Failure Kind(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return NativeFile::Failure::kNotFound;
    case EEXIST:
      return NativeFile::Failure::kExists;
    case EACCES:
    case EPERM:
      return NativeFile::Failure::kDenied;
    case ENOSPC:
    case EDQUOT:
      return NativeFile::Failure::kNoSpace;
    case EROFS:
      return NativeFile::Failure::kReadOnlyDisk;
    case EIO:
      return NativeFile::Failure::kIo;
    default:
      return NativeFile::Failure::kOther;
  }
}

}  // namespace

NativeFile::NativeFile(const std::string& path, Mode mode) {
  const int flags = mode == Mode::kRead        ? O_RDONLY
                    : mode == Mode::kReadWrite ? O_RDWR
                    : mode == Mode::kCreateNew ? O_RDWR | O_CREAT | O_EXCL
                                               : O_RDWR | O_CREAT | O_TRUNC;
  fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd_ < 0) Fail();
}

NativeFile::~NativeFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool NativeFile::IsOpen() const {
  return fd_ >= 0;
}

void NativeFile::Fail() {
  const int error = errno;
  failure_ = Kind(error);
  failureText_ = std::strerror(error);
}

int64_t NativeFile::ReadAt(uint64_t offset, void* buffer, size_t count) {
  for (;;) {
    const ssize_t got = ::pread(fd_, buffer, count, static_cast<off_t>(offset));
    if (got >= 0) return got;
    if (errno != EINTR) break;
  }
  Fail();
  return -1;
}

bool NativeFile::WriteAt(uint64_t offset, const void* buffer, size_t count) {
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  while (count > 0) {
    const ssize_t put = ::pwrite(fd_, bytes, count, static_cast<off_t>(offset));
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = EIO;
      Fail();
      return false;
    }
    bytes += put, offset += static_cast<uint64_t>(put), count -= static_cast<size_t>(put);
  }
  return true;
}

bool NativeFile::Sync() {
  if (::fsync(fd_) == 0) return true;
  Fail();
  return false;
}

int64_t NativeFile::Size() {
  struct stat st {};
  if (::fstat(fd_, &st) == 0) return st.st_size;
  Fail();
  return -1;
}

bool NativeFile::Close() {
  if (fd_ < 0) return true;
  const bool ok = ::close(fd_) == 0;
  fd_ = -1;
  if (!ok) Fail();
  return ok;
}

bool NativeFile::RenameNoReplace(const std::string& from, const std::string& to, Failure* failure) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  // File systems without an exclusive rename get a hard link, which fails
  // on a taken name just the same.
  if (errno == EINVAL || errno == ENOSYS) {
    if (::link(from.c_str(), to.c_str()) == 0) {
      ::unlink(from.c_str());
      return true;
    }
  }
  if (failure) *failure = Kind(errno);
  return false;
}

#endif

int64_t NativeFile::Read(void* buffer, size_t count) {
  const int64_t got = ReadAt(readAt_, buffer, count);
  if (got > 0) readAt_ += static_cast<uint64_t>(got);
  return got;
}

bool NativeFile::Write(const void* buffer, size_t count) {
  if (!WriteAt(writeAt_, buffer, count)) return false;
  writeAt_ += count;
  return true;
}

#ifdef _WIN32

bool NativeFile::CopyRestFrom(NativeFile& in) {
  std::vector<char> buffer(size_t{1} << 20);
  for (;;) {
    const int64_t got = in.Read(buffer.data(), buffer.size());
    if (got < 0) return false;
    if (got == 0) return true;
    if (!Write(buffer.data(), static_cast<size_t>(got))) return false;
  }
}

#else

bool NativeFile::CopyRestFrom(NativeFile& in) {
  // The most one call is asked to copy: both stop short of 2 GiB.
  constexpr size_t kStep = size_t{1} << 30;
  bool copyRange = true;
  for (;;) {
    ssize_t done;
    if (copyRange) {
      loff_t from = static_cast<loff_t>(in.readAt_), to = static_cast<loff_t>(writeAt_);
      done = ::copy_file_range(in.fd_, &from, fd_, &to, kStep, 0);
    } else {
      off_t from = static_cast<off_t>(in.readAt_);
      done = ::lseek(fd_, static_cast<off_t>(writeAt_), SEEK_SET) < 0
                 ? -1
                 : ::sendfile(fd_, in.fd_, &from, kStep);
    }
    if (done < 0) {
      if (errno == EINTR) continue;
      if (copyRange &&
          (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)) {
        copyRange = false;
        continue;
      }
      Fail();
      return false;
    }
    if (done == 0) return true;
    in.readAt_ += static_cast<uint64_t>(done);
    writeAt_ += static_cast<uint64_t>(done);
  }
}

#endif
