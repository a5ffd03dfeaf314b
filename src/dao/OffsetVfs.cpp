/*
** OffsetVfs implementation. See OffsetVfs.h for what it does and why.
**
** Each open main database file is an OffsetFile: our method table followed,
** in the same allocation, by the default VFS's own file object, to which
** every method forwards with the offset added.
*/
#include "dao/OffsetVfs.h"

#include <sqlite3.h>

#include <mutex>

#include "dao/FileHeader.h"

namespace dao {

namespace {

constexpr sqlite3_int64 kShift = FileHeader::kSize;

sqlite3_vfs* Root(sqlite3_vfs* vfs) {
  return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

struct OffsetFile {
  sqlite3_file base;
  // The default VFS's file object follows this struct in memory.
  sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

OffsetFile* Of(sqlite3_file* f) {
  return reinterpret_cast<OffsetFile*>(f);
}
sqlite3_file* RealOf(sqlite3_file* f) {
  return Of(f)->Real();
}

int Close(sqlite3_file* f) {
  return RealOf(f)->pMethods->xClose(RealOf(f));
}

int Read(sqlite3_file* f, void* buf, int amount, sqlite3_int64 offset) {
  return RealOf(f)->pMethods->xRead(RealOf(f), buf, amount, offset + kShift);
}

int Write(sqlite3_file* f, const void* buf, int amount, sqlite3_int64 offset) {
  return RealOf(f)->pMethods->xWrite(RealOf(f), buf, amount, offset + kShift);
}

int Truncate(sqlite3_file* f, sqlite3_int64 size) {
  return RealOf(f)->pMethods->xTruncate(RealOf(f), size + kShift);
}

int Sync(sqlite3_file* f, int flags) {
  return RealOf(f)->pMethods->xSync(RealOf(f), flags);
}

int FileSize(sqlite3_file* f, sqlite3_int64* size) {
  sqlite3_int64 real = 0;
  int rc = RealOf(f)->pMethods->xFileSize(RealOf(f), &real);
  if (rc == SQLITE_OK) *size = real > kShift ? real - kShift : 0;
  return rc;
}

int Lock(sqlite3_file* f, int level) {
  return RealOf(f)->pMethods->xLock(RealOf(f), level);
}
int Unlock(sqlite3_file* f, int level) {
  return RealOf(f)->pMethods->xUnlock(RealOf(f), level);
}
int CheckReservedLock(sqlite3_file* f, int* out) {
  return RealOf(f)->pMethods->xCheckReservedLock(RealOf(f), out);
}

int FileControl(sqlite3_file* f, int op, void* arg) {
  if (op == SQLITE_FCNTL_SIZE_HINT) {
    // The hint is a size as SQLite sees the file; the real file is larger.
    sqlite3_int64 hint = *static_cast<sqlite3_int64*>(arg) + kShift;
    return RealOf(f)->pMethods->xFileControl(RealOf(f), op, &hint);
  }
  int rc = RealOf(f)->pMethods->xFileControl(RealOf(f), op, arg);
  if (rc == SQLITE_OK && op == SQLITE_FCNTL_VFSNAME) {
    *static_cast<char**>(arg) = sqlite3_mprintf("offset/%z", *static_cast<char**>(arg));
  }
  return rc;
}

int SectorSize(sqlite3_file* f) {
  return RealOf(f)->pMethods->xSectorSize(RealOf(f));
}
int DeviceCharacteristics(sqlite3_file* f) {
  return RealOf(f)->pMethods->xDeviceCharacteristics(RealOf(f));
}

const sqlite3_io_methods kMethods = {
    1,  // no shared memory, no memory map: rollback journal only
    Close,       Read,       Write,
    Truncate,    Sync,       FileSize,
    Lock,        Unlock,     CheckReservedLock,
    FileControl, SectorSize, DeviceCharacteristics,
    nullptr,     nullptr,    nullptr,
    nullptr,     nullptr,    nullptr,
};

int Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
  sqlite3_vfs* root = Root(vfs);
  if ((flags & SQLITE_OPEN_MAIN_DB) == 0) {
    return root->xOpen(root, name, f, flags, outFlags);
  }
  OffsetFile* of = Of(f);
  int rc = root->xOpen(root, name, of->Real(), flags, outFlags);
  // A failed open leaves pMethods null, so SQLite will not call xClose.
  of->base.pMethods = rc == SQLITE_OK ? &kMethods : nullptr;
  return rc;
}

int Delete(sqlite3_vfs* vfs, const char* name, int syncDir) {
  return Root(vfs)->xDelete(Root(vfs), name, syncDir);
}
int Access(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
  return Root(vfs)->xAccess(Root(vfs), name, flags, out);
}
int FullPathname(sqlite3_vfs* vfs, const char* name, int n, char* out) {
  return Root(vfs)->xFullPathname(Root(vfs), name, n, out);
}
void* DlOpen(sqlite3_vfs* vfs, const char* name) {
  return Root(vfs)->xDlOpen(Root(vfs), name);
}
void DlError(sqlite3_vfs* vfs, int n, char* msg) {
  Root(vfs)->xDlError(Root(vfs), n, msg);
}
void (*DlSym(sqlite3_vfs* vfs, void* h, const char* sym))(void) {
  return Root(vfs)->xDlSym(Root(vfs), h, sym);
}
void DlClose(sqlite3_vfs* vfs, void* h) {
  Root(vfs)->xDlClose(Root(vfs), h);
}
int Randomness(sqlite3_vfs* vfs, int n, char* out) {
  return Root(vfs)->xRandomness(Root(vfs), n, out);
}
int Sleep(sqlite3_vfs* vfs, int us) {
  return Root(vfs)->xSleep(Root(vfs), us);
}
int CurrentTime(sqlite3_vfs* vfs, double* t) {
  return Root(vfs)->xCurrentTime(Root(vfs), t);
}
int GetLastError(sqlite3_vfs* vfs, int n, char* msg) {
  return Root(vfs)->xGetLastError(Root(vfs), n, msg);
}
int CurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* t) {
  return Root(vfs)->xCurrentTimeInt64(Root(vfs), t);
}

constexpr const char* kName = "remendor-offset";

}  // namespace

const char* OffsetVfsName() {
  static std::once_flag once;
  static sqlite3_vfs vfs{};
  std::call_once(once, [] {
    sqlite3_vfs* root = sqlite3_vfs_find(nullptr);
    vfs.iVersion = 2;
    vfs.szOsFile = static_cast<int>(sizeof(OffsetFile)) + root->szOsFile;
    vfs.mxPathname = root->mxPathname;
    vfs.zName = kName;
    vfs.pAppData = root;
    vfs.xOpen = Open;
    vfs.xDelete = Delete;
    vfs.xAccess = Access;
    vfs.xFullPathname = FullPathname;
    vfs.xDlOpen = DlOpen;
    vfs.xDlError = DlError;
    vfs.xDlSym = DlSym;
    vfs.xDlClose = DlClose;
    vfs.xRandomness = Randomness;
    vfs.xSleep = Sleep;
    vfs.xCurrentTime = CurrentTime;
    vfs.xGetLastError = GetLastError;
    vfs.xCurrentTimeInt64 = CurrentTimeInt64;
    sqlite3_vfs_register(&vfs, 0);
  });
  return kName;
}

}  // namespace dao
