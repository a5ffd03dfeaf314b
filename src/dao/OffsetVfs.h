/*
** OffsetVfs: the SQLite VFS shim through which the engine reaches its
** database files.
**
** The shim passes every call to the platform's default VFS, except that the
** main database file is seen by SQLite with its first FileHeader::kSize
** bytes cut off: reads, writes, truncation and the file size are shifted by
** that amount. Journals and temporary files are plain files beside the
** database, untouched. The shim has no shared-memory or memory-map methods
** (version 1), so SQLite uses neither WAL nor mmap on these files: a closed
** database is one self-contained file.
**
**     file on disk:   [ engine header | SQLite page 1 | page 2 | ... ]
**     SQLite sees:                    [ page 1       | page 2 | ... ]
**
** Limit: SQLite reserves the byte range at 1 GiB of the file it locks. The
** default VFS takes its locks on the real file, at real offset 1 GiB. On
** POSIX those locks are advisory and never stop a read or write, so the
** shift does not matter. On Windows locks are mandatory: there a shifted
** database must stay below 1 GiB minus the header (the original engine's
** files were limited to 1 GB anyway).
*/
#pragma once

namespace dao {

// The name under which the shim is registered; registers it on first call.
const char* OffsetVfsName();

}  // namespace dao
