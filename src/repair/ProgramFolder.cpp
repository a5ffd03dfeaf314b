/*
** ProgramFolder: the folder of the real executable. See ProgramFolder.h.
**
** On Windows the system names the running module (GetModuleFileNameW).
** On Linux /proc/self/exe names the executable with every link resolved.
** Elsewhere, or when /proc is not mounted, argv[0] resolved against the
** current folder is the best there is; failing that, the current folder.
*/
#include "repair/ProgramFolder.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <system_error>

#include "common/NativePath.h"

std::string ProgramFolder(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code ec;
#ifdef _WIN32
  std::wstring name(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
  if (n > 0 && n < name.size())
    return NativePath::ToUtf8(fs::path(name.substr(0, n)).parent_path());
#endif
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec && argv0 != nullptr && *argv0 != '\0') {
    ec.clear();
    exe = fs::weakly_canonical(fs::absolute(argv0), ec);
  }
  if (ec || exe.empty()) return NativePath::ToUtf8(fs::current_path());
  return NativePath::ToUtf8(exe.parent_path());
}
