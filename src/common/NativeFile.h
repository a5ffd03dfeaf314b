/*
** NativeFile: a file opened by its UTF-8 name through the system's own
** calls, for the places where every failure must be seen and every byte
** must reach the disk: the engine's new files, the scrambling of a
** database's first bytes, the backups of the host database.
**
** On Linux these are open, pread, pwrite and fsync; on Windows CreateFileW
** (shared for reading, writing and deleting, as the engine's own handles
** are, so that the scrambling works on a file the engine holds open),
** ReadFile and WriteFile at an offset, and FlushFileBuffers. A failed call
** keeps its reason, as a kind that callers word for the operator and the
** system's own text.
**
** Closing flushes nothing by itself: Sync() does. The handle closes with
** the object; Close() reports whether closing went well.
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class NativeFile {
 public:
  enum class Mode {
    kRead,         // an existing file, for reading
    kReadWrite,    // an existing file, for reading and writing
    kCreateNew,    // a new file; refused when the name is taken
    kCreateAlways  // a new file, or an existing one emptied
  };
  enum class Failure { kNone, kNotFound, kExists, kDenied, kNoSpace, kReadOnlyDisk, kIo, kOther };

  NativeFile(const std::string& path, Mode mode);
  ~NativeFile();
  NativeFile(const NativeFile&) = delete;
  NativeFile& operator=(const NativeFile&) = delete;

  bool IsOpen() const;
  // Bytes read at `offset` (fewer at the end of the file), or -1.
  int64_t ReadAt(uint64_t offset, void* buffer, size_t count);
  // Reads on from where the last Read ended; 0 at the end, -1 on failure.
  int64_t Read(void* buffer, size_t count);
  // Writes all `count` bytes at `offset`, or fails.
  bool WriteAt(uint64_t offset, const void* buffer, size_t count);
  // Writes all `count` bytes after what the last Write wrote.
  bool Write(const void* buffer, size_t count);
  // Copies what `in` holds after its last Read to after this file's last
  // Write; false on failure, which the file that failed keeps (this one
  // when the system cannot tell). On Linux the bytes move inside the
  // kernel (copy_file_range, or sendfile where the file system offers no
  // such copy), so no buffer of the program holds them.
  bool CopyRestFrom(NativeFile& in);
  bool Sync();
  // The file's size, or -1.
  int64_t Size();
  bool Close();

  Failure LastFailure() const { return failure_; }
  // The system's own description of the last failure.
  const std::string& LastFailureText() const { return failureText_; }

  // Gives `from` the name `to` unless `to` exists (then false, kExists).
  static bool RenameNoReplace(const std::string& from, const std::string& to, Failure* failure);

 private:
  void Fail();

#ifdef _WIN32
  void* handle_;
#else
  int fd_;
#endif
  uint64_t readAt_ = 0;
  uint64_t writeAt_ = 0;
  Failure failure_ = Failure::kNone;
  std::string failureText_;
};
