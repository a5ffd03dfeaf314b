/*
** MountTable: which mounted volumes a Linux user sees as drives.
**
** The table is the kernel's (/proc/self/mounts, the fstab format: device,
** mount point, type, options, one mount per line, blanks in names written
** as octal escapes such as "\040"). A volume counts as a drive when it is
** storage the user put there: a device ("/dev/...") or a network share
** (nfs, cifs/smb, sshfs), mounted where desktops show mounts: under
** /media, /run/media or /mnt, or inside the user's home. That leaves out
** the system's own mounts (/boot, /proc, /sys, containers' overlays)
** and takes in removable media, which desktops mount under /run/media or
** /media. Each mount point is listed once, in the table's order.
*/
#pragma once

#include <string>
#include <string_view>
#include <vector>

class MountTable {
 public:
  // The mount points of `table` that count as drives; `home` is the
  // user's home folder ("" for none).
  static std::vector<std::string> Volumes(std::string_view table, const std::string& home);
  // A mount point as the table writes it, with its escapes decoded.
  static std::string Unescape(std::string_view field);
};
