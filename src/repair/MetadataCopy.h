/*
** MetadataCopy: the repair metadata as the rebuild opens it.
**
** Opening a database unscrambles its file on disk, and the rebuild
** scrambles it again, both in place. Where this process may write the
** metadata file (a build tree, a program folder of the operator's own, a
** Windows install) that is what happens, and Path() names the file itself.
** Where it may not (an installation owned by the administrator and only
** readable by the operator, so that no user but the administrator decides
** which host tables a repair drops) the file is only read: it is copied
** into a new folder that only this user may enter (under $XDG_RUNTIME_DIR,
** else $TMPDIR, else /tmp), and Path() names the copy, which the rebuild
** unscrambles and reads. The copy and its folder are removed when the
** object goes, whether the rebuild succeeded or not.
**
** A file that does not exist needs no copy: Path() names it, and the open
** reports it as it always did. A copy that cannot be made raises AppError
** naming the file and the reason (SystemError).
*/
#pragma once

#include <string>

class MetadataCopy {
 public:
  // `writable`: whether the rebuild may toggle `installed` in place.
  MetadataCopy(const std::string& installed, bool writable);
  ~MetadataCopy();
  MetadataCopy(const MetadataCopy&) = delete;
  MetadataCopy& operator=(const MetadataCopy&) = delete;

  // Whether this process may write `path` (on Windows, whether it opens for
  // writing).
  static bool MayWrite(const std::string& path);

  const std::string& Path() const { return path_; }
  bool IsPrivate() const { return !folder_.empty(); }

 private:
  std::string path_;
  std::string folder_;  // the private folder, when there is a copy
};
