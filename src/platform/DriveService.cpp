/*
** The drives off Windows. See DriveService.h.
*/
#include "platform/DriveService.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/MountTable.h"
#include "platform/ServiceSlot.h"

using DriveSlot = ServiceSlot<DriveService, SystemDrives>;

std::shared_ptr<DriveService> DriveService::Install(std::shared_ptr<DriveService> service) {
  return DriveSlot::Install(std::move(service));
}

DriveService& DriveService::Current() {
  return DriveSlot::Current();
}

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
