/*
** DriveService: the seam that lists the drives a folder chooser offers.
**
** On Windows the drives are the drive letters the system reports
** (GetLogicalDrives), each as its root ("C:\"), those whose type
** GetDriveType can tell: fixed, removable, network, optical and RAM disks.
** Off Windows a drive is a folder where the user's storage begins: the
** root "/", the user's home, and the mounted volumes that MountTable
** counts as drives (removable media included), in that order, each once.
** A drive is named by its folder's full path, which is also what the
** chooser shows. The list only says where drives are: whether one can be
** read is found when it is opened.
**
** The program and the core use SystemDrives, installed by default; tests
** install a FixedDrives with drives of their own (a folder that does not
** exist stands for a drive with no medium).
*/
#pragma once

#include <memory>
#include <string>
#include <vector>

class DriveService {
 public:
  virtual ~DriveService() = default;
  virtual std::vector<std::string> Drives() = 0;

  static std::shared_ptr<DriveService> Install(std::shared_ptr<DriveService> service);
  static DriveService& Current();
};

// The machine's drives: the drive letters on Windows; elsewhere "/",
// $HOME and the drives of /proc/self/mounts.
class SystemDrives : public DriveService {
 public:
  std::vector<std::string> Drives() override;
};

// Drives given ahead of time.
class FixedDrives : public DriveService {
 public:
  explicit FixedDrives(std::vector<std::string> drives) : drives_(std::move(drives)) {}
  std::vector<std::string> Drives() override { return drives_; }

 private:
  std::vector<std::string> drives_;
};
