/*
** Drives among the mounts. See MountTable.h.
*/
#include "platform/MountTable.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace {

bool IsInside(const std::string& path, const std::string& folder) {
  if (folder.empty() || path.size() <= folder.size()) return false;
  const std::string prefix = folder.back() == '/' ? folder : folder + "/";
  return path.compare(0, prefix.size(), prefix) == 0;
}

bool IsUserStorage(const std::string& device, const std::string& type) {
  static constexpr std::array<std::string_view, 7> kShares = {"nfs",   "nfs4",       "cifs", "smb3",
                                                              "smbfs", "fuse.sshfs", "sshfs"};
  return device.rfind("/dev/", 0) == 0 ||
         std::find(kShares.begin(), kShares.end(), type) != kShares.end();
}

bool IsWhereDesktopsMount(const std::string& point, const std::string& home) {
  return IsInside(point, "/media") || IsInside(point, "/run/media") || point == "/mnt" ||
         IsInside(point, "/mnt") || IsInside(point, home);
}

}  // namespace

std::string MountTable::Unescape(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    const auto IsOctal = [&](size_t at) { return field[at] >= '0' && field[at] <= '7'; };
    const bool octal = field[i] == '\\' && i + 3 < field.size() && IsOctal(i + 1) &&
                       IsOctal(i + 2) && IsOctal(i + 3);
    if (octal) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::vector<std::string> MountTable::Volumes(std::string_view table, const std::string& home) {
  std::vector<std::string> volumes;
  std::istringstream lines{std::string(table)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type)) continue;
    point = Unescape(point);
    if (!IsUserStorage(Unescape(device), type) || !IsWhereDesktopsMount(point, home)) continue;
    if (std::find(volumes.begin(), volumes.end(), point) == volumes.end()) {
      volumes.push_back(point);
    }
  }
  return volumes;
}
