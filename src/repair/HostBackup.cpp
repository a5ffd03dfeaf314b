/*
** HostBackup: copies of the host database taken before a repair. See
** HostBackup.h.
**
** The copy goes through plain POSIX calls so that each failure (no space,
** no permission, a read error half way) is seen and the partial file is
** removed. The bytes move inside the kernel, so the copy of a host of any
** size holds no buffer in the program. It is written under a hidden working name and renamed to its
** backup name only once it is complete and flushed: a run killed half way
** leaves at most that working file, which the next backup removes, never a
** truncated file under a backup's name that the pruning would count. The
** folder is flushed too, so that after a power cut the backup is there
** whenever the changes that followed it are.
*/
#include "repair/HostBackup.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <vector>

#include "common/AppError.h"
#include "common/SystemError.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarker = "_respaldo_";
// The most one kernel call is asked to copy; both calls stop short of 2 GiB.
constexpr size_t kStep = size_t{1} << 30;
constexpr const char* kPartialSuffix = ".respaldo-parcial";

struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

std::string Timestamp(std::chrono::system_clock::time_point now) {
  std::time_t secs = std::chrono::system_clock::to_time_t(now);
  auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  std::tm local{};
  ::localtime_r(&secs, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d_%H%M%S", &local);
  char ms[8];
  std::snprintf(ms, sizeof ms, "_%03d", static_cast<int>(millis.count()));
  return std::string(text) + ms;
}

// What lies between the marker and the extension of a backup's name: the
// digits and underscores of a timestamp and its counter.
bool IsStampText(const std::string& s) {
  return s.size() >= 19 &&
         std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || c == '_'; });
}

// Copies everything from `in` to `out`, from where each stands, inside the
// kernel: copy_file_range, which also lets a file system that can share
// the blocks do so, or sendfile where the file system offers no such copy.
// False with errno set on failure.
bool CopyAll(int in, int out) {
  bool copyRange = true;
  for (;;) {
    const ssize_t done = copyRange ? ::copy_file_range(in, nullptr, out, nullptr, kStep, 0)
                                   : ::sendfile(out, in, nullptr, kStep);
    if (done < 0) {
      if (errno == EINTR) continue;
      if (copyRange &&
          (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)) {
        copyRange = false;
        continue;
      }
      return false;
    }
    if (done == 0) return true;
  }
}

void FlushFolder(const fs::path& folder) {
  Descriptor dir{::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY)};
  if (dir.fd >= 0) ::fsync(dir.fd);
}

// Where a copy is written until it is whole: hidden, named after the file
// and the process that writes it, and outside the backups' name pattern,
// so that a copy cut short (the program killed, the machine down) is never
// listed, counted or kept as a backup.
fs::path PartialName(const fs::path& source, pid_t pid) {
  return source.parent_path() /
         ("." + source.filename().string() + "." + std::to_string(pid) + kPartialSuffix);
}

// Removes the copies that an earlier run left half written: those of a
// process that no longer runs. Failures are left for the next run.
void RemoveAbandonedCopies(const fs::path& source) {
  const std::string prefix = "." + source.filename().string() + ".";
  const std::string suffix = kPartialSuffix;
  std::error_code ec;
  for (fs::directory_iterator it(source.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
      continue;
    }
    const std::string digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    const pid_t pid = static_cast<pid_t>(std::stol(digits));
    if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH)) ::unlink(it->path().c_str());
  }
}

// Gives the finished copy its backup name unless that name is taken
// (false with errno EEXIST). File systems without an exclusive rename get
// a hard link, which fails on a taken name just the same.
bool ClaimName(const fs::path& partial, const fs::path& target) {
  if (::renameat2(AT_FDCWD, partial.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
    return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(partial.c_str(), target.c_str()) != 0) return false;
  ::unlink(partial.c_str());
  return true;
}

}  // namespace

std::string HostBackup::Make(const std::string& file, std::chrono::system_clock::time_point ahora) {
  const fs::path source = fs::absolute(file);
  const fs::path folder = source.parent_path();
  const std::string base = source.stem().string() + kMarker + Timestamp(ahora);
  const std::string ext = source.extension().string();

  auto fail = [&](const std::string& target, int err) -> AppError {
    return AppError(rterr::kPathFileAccess, "No se pudo hacer la copia de seguridad de '" +
                                                source.string() + "' en '" + target +
                                                "': " + SystemError::Reason(err) +
                                                ". La base de datos no se modificó.");
  };

  RemoveAbandonedCopies(source);
  Descriptor in{::open(source.c_str(), O_RDONLY)};
  if (in.fd < 0) throw fail(folder.string(), errno);
  struct stat st {};
  if (::fstat(in.fd, &st) != 0) throw fail(folder.string(), errno);

  const fs::path partial = PartialName(source, ::getpid());
  Descriptor out{::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC, st.st_mode & 0777)};
  if (out.fd < 0) throw fail(partial.string(), errno);

  int err = 0;
  struct stat written {};
  if (!CopyAll(in.fd, out.fd) || ::fsync(out.fd) != 0 || ::fstat(out.fd, &written) != 0) {
    err = errno;
  } else if (written.st_size != st.st_size) {
    err = EIO;
  }
  if (::close(out.fd) != 0 && err == 0) err = errno;
  out.fd = -1;

  // The whole, flushed copy takes its name in one step; a name already
  // taken is never overwritten, only skipped.
  fs::path target;
  for (int n = 0; err == 0; n++) {
    target = folder / (base + (n ? "_" + std::to_string(n) : "") + ext);
    if (ClaimName(partial, target)) break;
    if (errno != EEXIST || n >= 99) err = errno;
  }
  if (err != 0) {
    ::unlink(partial.c_str());
    throw fail(target.empty() ? partial.string() : target.string(), err);
  }
  FlushFolder(folder);
  return target.string();
}

std::vector<std::string> HostBackup::List(const std::string& file) {
  const fs::path source = fs::absolute(file);
  const std::string prefix = source.stem().string() + kMarker;
  const std::string ext = source.extension().string();
  std::vector<std::string> found;
  // Never raises: a folder that cannot be listed has no backups to prune.
  std::error_code ec;
  for (fs::directory_iterator it(source.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() + ext.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0) {
      continue;
    }
    if (!IsStampText(name.substr(prefix.size(), name.size() - prefix.size() - ext.size())))
      continue;
    found.push_back(it->path().string());
  }
  // Same stamp: the counted name comes after the plain one ('.' < '_').
  std::sort(found.begin(), found.end());
  return found;
}

void HostBackup::Prune(const std::string& file, int keep) {
  std::vector<std::string> all = List(file);
  for (size_t i = 0; i + static_cast<size_t>(keep) < all.size(); i++) {
    std::error_code ec;
    fs::remove(all[i], ec);
  }
}

void HostBackup::Discard(const std::string& backup) {
  std::error_code ec;
  fs::remove(backup, ec);
}
