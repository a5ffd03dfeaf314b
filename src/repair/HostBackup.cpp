/*
** HostBackup: copies of the host database taken before a repair. See
** HostBackup.h.
**
** The copy goes through the system's own file calls (NativeFile) so that
** each failure (no space, no permission, a read error half way) is seen and
** the partial file is removed; on Linux the bytes move inside the kernel,
** so the copy of a host of any size holds no buffer in the program. It is
** written under a hidden working name and renamed to its
** backup name only once it is complete and flushed: a run killed half way
** leaves at most that working file, which the next backup removes, never a
** truncated file under a backup's name that the pruning would count. The
** folder is flushed too, so that after a power cut the backup is there
** whenever the changes that followed it are.
*/
#include "repair/HostBackup.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <vector>

#include "common/AppError.h"
#include "common/NativeFile.h"
#include "common/NativePath.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarker = "_respaldo_";
constexpr const char* kPartialSuffix = ".respaldo-parcial";

std::string Reason(NativeFile::Failure failure, const std::string& systemText) {
  switch (failure) {
    case NativeFile::Failure::kNoSpace:
      return "no hay espacio en el disco";
    case NativeFile::Failure::kDenied:
      return "permiso denegado";
    case NativeFile::Failure::kReadOnlyDisk:
      return "el disco es de sólo lectura";
    case NativeFile::Failure::kIo:
      return "error de lectura o escritura en el disco";
    default:
      return systemText;
  }
}

std::string Reason(const NativeFile& file) {
  return Reason(file.LastFailure(), file.LastFailureText());
}

std::string Timestamp(std::chrono::system_clock::time_point now) {
  std::time_t secs = std::chrono::system_clock::to_time_t(now);
  auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &secs);
#else
  ::localtime_r(&secs, &local);
#endif
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

// On Windows the file system's own journal keeps a renamed file's name
// with its data; elsewhere the folder is flushed for it.
void FlushFolder(const fs::path& folder) {
#ifndef _WIN32
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
#else
  (void)folder;
#endif
}

unsigned long ThisProcess() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(::getpid());
#endif
}

bool ProcessIsGone(unsigned long pid) {
#ifdef _WIN32
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
  if (!process) return GetLastError() == ERROR_INVALID_PARAMETER;
  const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
#else
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
#endif
}

// Where a copy is written until it is whole: hidden, named after the file
// and the process that writes it, and outside the backups' name pattern,
// so that a copy cut short (the program killed, the machine down) is never
// listed, counted or kept as a backup.
fs::path PartialName(const fs::path& source, unsigned long pid) {
  return source.parent_path() / NativePath::From("." + NativePath::ToUtf8(source.filename()) + "." +
                                                 std::to_string(pid) + kPartialSuffix);
}

// Removes the copies that an earlier run left half written: those of a
// process that no longer runs. Failures are left for the next run.
void RemoveAbandonedCopies(const fs::path& source) {
  const std::string prefix = "." + NativePath::ToUtf8(source.filename()) + ".";
  const std::string suffix = kPartialSuffix;
  std::error_code ec;
  for (fs::directory_iterator it(source.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = NativePath::ToUtf8(it->path().filename());
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
    const unsigned long pid = std::stoul(digits);
    std::error_code ignored;
    if (pid == ThisProcess() || ProcessIsGone(pid)) fs::remove(it->path(), ignored);
  }
}

}  // namespace

std::string HostBackup::Make(const std::string& file, std::chrono::system_clock::time_point ahora) {
  const fs::path source = fs::absolute(NativePath::From(file));
  const fs::path folder = source.parent_path();
  const std::string base = NativePath::ToUtf8(source.stem()) + kMarker + Timestamp(ahora);
  const std::string ext = NativePath::ToUtf8(source.extension());

  auto fail = [&](const std::string& target, const std::string& reason) -> AppError {
    return AppError(rterr::kPathFileAccess,
                    "No se pudo hacer la copia de seguridad de '" + NativePath::ToUtf8(source) +
                        "' en '" + target + "': " + reason + ". La base de datos no se modificó.");
  };

  RemoveAbandonedCopies(source);
  NativeFile in(NativePath::ToUtf8(source), NativeFile::Mode::kRead);
  if (!in.IsOpen()) throw fail(NativePath::ToUtf8(folder), Reason(in));
  const int64_t size = in.Size();
  if (size < 0) throw fail(NativePath::ToUtf8(folder), Reason(in));

  const fs::path partial = PartialName(source, ThisProcess());
  NativeFile out(NativePath::ToUtf8(partial), NativeFile::Mode::kCreateAlways);
  if (!out.IsOpen()) throw fail(NativePath::ToUtf8(partial), Reason(out));

  std::string reason;
  if (!out.CopyRestFrom(in)) {
    reason = Reason(in.LastFailure() != NativeFile::Failure::kNone ? in : out);
  } else if (!out.Sync() || out.Size() < 0) {
    reason = Reason(out);
  } else if (out.Size() != size) {
    reason = "error de lectura o escritura en el disco";
  }
  if (!out.Close() && reason.empty()) reason = Reason(out);
  in.Close();
  // The copy keeps the permissions of the original.
  std::error_code modeError;
  const auto mode = fs::status(source, modeError).permissions();
  if (reason.empty() && !modeError) fs::permissions(partial, mode, modeError);

  // The whole, flushed copy takes its name in one step; a name already
  // taken is never overwritten, only skipped.
  fs::path target;
  for (int n = 0; reason.empty(); n++) {
    target = folder / NativePath::From(base + (n ? "_" + std::to_string(n) : "") + ext);
    NativeFile::Failure failure = NativeFile::Failure::kNone;
    if (NativeFile::RenameNoReplace(NativePath::ToUtf8(partial), NativePath::ToUtf8(target),
                                    &failure))
      break;
    if (failure != NativeFile::Failure::kExists || n >= 99) {
      reason = Reason(failure, "no se pudo dar nombre a la copia");
    }
  }
  if (!reason.empty()) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    throw fail(NativePath::ToUtf8(target.empty() ? partial : target), reason);
  }
  FlushFolder(folder);
  return NativePath::ToUtf8(target);
}

std::vector<std::string> HostBackup::List(const std::string& file) {
  const fs::path source = fs::absolute(NativePath::From(file));
  const std::string prefix = NativePath::ToUtf8(source.stem()) + kMarker;
  const std::string ext = NativePath::ToUtf8(source.extension());
  std::vector<std::string> found;
  // Never raises: a folder that cannot be listed has no backups to prune.
  std::error_code ec;
  for (fs::directory_iterator it(source.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = NativePath::ToUtf8(it->path().filename());
    if (name.size() <= prefix.size() + ext.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0) {
      continue;
    }
    if (!IsStampText(name.substr(prefix.size(), name.size() - prefix.size() - ext.size())))
      continue;
    found.push_back(NativePath::ToUtf8(it->path()));
  }
  // Same stamp: the counted name comes after the plain one ('.' < '_').
  std::sort(found.begin(), found.end());
  return found;
}

void HostBackup::Prune(const std::string& file, int keep) {
  std::vector<std::string> all = List(file);
  for (size_t i = 0; i + static_cast<size_t>(keep) < all.size(); i++) {
    std::error_code ec;
    fs::remove(NativePath::From(all[i]), ec);
  }
}

void HostBackup::Discard(const std::string& backup) {
  std::error_code ec;
  fs::remove(NativePath::From(backup), ec);
}
