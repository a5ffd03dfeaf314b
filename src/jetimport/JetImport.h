/*
** JetImport: makes an engine database from a Jet file (Access 97, Jet 3;
** Access 2000-2003, Jet 4): every data table of the file, or the ones
** named, with their columns, keys, indexes and rows (see MdbSource.h for
** the types, TargetWriter.h for what the engine keeps).
**
** Safety:
**   - the source is only read (opened read-only; its bytes and times stay
**     as they were), and first checked to be a Jet file of whole pages:
**     3024 when it is missing, 3051 when it cannot be read, 3343 when it
**     is not a Jet file, is truncated or is damaged (ImportErrors.h);
**   - the reading runs in a process of its own (ReaderProcess.h), so a
**     damaged file gives that one error and never a crash or a hang;
**   - the target is built under a hidden name beside it
**     (".<name>.importando-<pid>"), flushed to disk, and only then renamed
**     to its name: a failure or an interruption leaves no half-made
**     database under the target's name (a kill -9 may leave the hidden
**     file). An existing target is refused (3204) unless `replace`, and is
**     then replaced whole by the rename; the source is never the target.
** The target is a new engine database with `password`, not scrambled.
** What is not data (system tables, queries, links, forms, reports,
** macros, modules, relations) is counted in the summary and left behind.
*/
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "jetimport/ImportProgress.h"
#include "jetimport/SourceCatalog.h"

namespace jetimport {

struct ImportOptions {
  std::string source;
  std::string target;
  std::string password;
  std::vector<std::string> tables;  // empty: every data table
  bool replace = false;
  int silenceSeconds = 60;  // see ReaderProcess.h
  // Asked often, last just before the target takes its name; true
  // interrupts (may be empty).
  std::function<bool()> stop;
};

struct ImportSummary {
  int jetVersion = 0;
  int tables = 0;
  uint64_t rows = 0;
  LeftBehind leftBehind;
  int notes = 0;
};

class JetImport {
 public:
  static ImportSummary Run(const ImportOptions& options, ImportProgress& progress);

  // Checks that `path` is a Jet file of whole pages; returns its size.
  static uint64_t CheckSource(const std::string& path);
};

}  // namespace jetimport
