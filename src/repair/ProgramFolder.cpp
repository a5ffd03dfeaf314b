/*
** ProgramFolder: the folder of the real executable. See ProgramFolder.h.
**
** On Linux /proc/self/exe names the executable with every link resolved.
** Elsewhere, or when /proc is not mounted, argv[0] resolved against the
** current folder is the best there is; failing that, the current folder.
*/
#include "repair/ProgramFolder.h"

#include <filesystem>
#include <system_error>

std::string ProgramFolder(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec && argv0 != nullptr && *argv0 != '\0') {
    ec.clear();
    exe = fs::weakly_canonical(fs::absolute(argv0), ec);
  }
  if (ec || exe.empty()) return fs::current_path().string();
  return exe.parent_path().string();
}
