/*
** The machine's drives. See DriveService.h.
*/
#include "platform/DriveService.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/WideText.h"
#include "platform/MountTable.h"
#include "platform/ServiceSlot.h"

using DriveSlot = ServiceSlot<DriveService, SystemDrives>;

std::shared_ptr<DriveService> DriveService::Install(std::shared_ptr<DriveService> service) {
  return DriveSlot::Install(std::move(service));
}

DriveService& DriveService::Current() {
  return DriveSlot::Current();
}

#ifdef _WIN32

std::vector<std::string> SystemDrives::Drives() {
  std::vector<std::string> drives;
  const DWORD letters = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(letters & (1u << i))) continue;
    const std::string root = std::string(1, static_cast<char>('A' + i)) + ":\\";
    const UINT type = GetDriveTypeW(WideText::Wide(root).c_str());
    if (type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR) drives.push_back(root);
  }
  return drives;
}

#else

std::vector<std::string> SystemDrives::Drives() {
  std::vector<std::string> drives = {"/"};
  const char* env = std::getenv("HOME");
  std::string home = env ? env : "";
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  std::error_code ec;
  if (!home.empty() && home != "/" && std::filesystem::is_directory(home, ec)) {
    drives.push_back(home);
  }
  // Without a mount table (not Linux, or /proc not mounted) the root and
  // the home are still drives.
  std::ifstream mounts("/proc/self/mounts");
  std::ostringstream table;
  table << mounts.rdbuf();
  for (const std::string& volume : MountTable::Volumes(table.str(), home)) {
    if (std::find(drives.begin(), drives.end(), volume) == drives.end()) drives.push_back(volume);
  }
  return drives;
}

#endif
