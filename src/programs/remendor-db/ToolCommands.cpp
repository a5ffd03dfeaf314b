/*
** Command dispatch of remendor-db. See ToolCommands.h.
*/
#include "ToolCommands.h"

#include <iostream>

#include "ImportCommand.h"
#include "common/AppError.h"
#include "repair/ProgramFolder.h"

namespace {

// repair --version 26|27 [--install FOLDER], options in any order.
int RunRepair(DbTool& tool, const std::vector<std::string>& a, const char* argv0) {
  std::string version, install;
  for (size_t i = 0; i + 1 < a.size(); i += 2) {
    if (a[i] == "--version" && version.empty()) {
      version = a[i + 1];
    } else if (a[i] == "--install" && install.empty() && !a[i + 1].empty()) {
      install = a[i + 1];
    } else {
      return kUsageError;
    }
  }
  if (a.size() % 2 != 0 || (version != "26" && version != "27")) return kUsageError;
  return tool.Repair(version, install, ProgramFolder(argv0)) ? 0 : 1;
}

}  // namespace

int RunCommand(DbTool& tool, const std::string& cmd, const std::vector<std::string>& a,
               const char* argv0) {
  if (cmd == "create" && (a.size() == 1 || a.size() == 2)) {
    tool.Create(a[0], a.size() == 2 ? a[1] : "");
  } else if (cmd == "exec" && a.size() == 2) {
    tool.Exec(a[0], a[1]);
  } else if (cmd == "query" && a.size() == 3 && a[0] == "--csv") {
    tool.Query(a[1], a[2], true);
  } else if (cmd == "query" && a.size() == 2) {
    tool.Query(a[0], a[1], false);
  } else if (cmd == "tables" && a.size() == 1) {
    tool.Tables(a[0]);
  } else if (cmd == "status" && a.size() == 1) {
    tool.Status(a[0]);
  } else if (cmd == "check" && a.size() == 1) {
    tool.Check(a[0]);
  } else if (cmd == "scramble" && a.size() == 1) {
    tool.Scramble(a[0]);
  } else if (cmd == "demo" && a.size() == 1) {
    tool.Demo(a[0]);
  } else if (cmd == "import") {
#ifdef REMENDOR_IMPORT
    return RunImport(tool, a, std::cout, std::cerr);
#else
    // The reader of Access files (libmdb) is built on Linux only.
    throw AppError(rterr::kInvalidCall,
                   "La importación de bases de Access no está disponible en este sistema.");
#endif
  } else if (cmd == "repair") {
    return RunRepair(tool, a, argv0);
  } else {
    return kUsageError;
  }
  return 0;
}
