/*
** HostBackup: the copies of the host database that the repair run makes
** before it changes anything.
**
** A backup is the file byte for byte as it lies on disk (scrambled or not),
** beside it, named after it with the local date and time down to the
** millisecond: VORA12.mdb gives VORA12_respaldo_20240131_142305_123.mdb. A
** name already taken gets a counter (_1, _2, ...), so a backup never
** replaces another. Names sort by age.
**
** A copy is whole or absent: it is written under a hidden working name,
** flushed to disk and checked for size, and only then renamed to its backup
** name; a failed copy is removed and raises AppError, and a working file
** left by a killed run is removed by the next Make.
*/
#pragma once

#include <chrono>
#include <string>
#include <vector>

class HostBackup {
 public:
  // How many backups of one file are kept.
  static constexpr int kKept = 5;

  // Copies `file` to a new backup beside it, named after `ahora` (the
  // clock's time unless a test names one); returns the backup's full path.
  static std::string Make(const std::string& file, std::chrono::system_clock::time_point ahora =
                                                       std::chrono::system_clock::now());

  // The backups of `file`, oldest first, as full paths.
  static std::vector<std::string> List(const std::string& file);

  // Removes the oldest backups of `file` beyond the newest `keep`. Files
  // that cannot be removed stay; the next run tries again.
  static void Prune(const std::string& file, int keep = kKept);

  // Removes one backup that turned out not to be needed.
  static void Discard(const std::string& backup);
};
