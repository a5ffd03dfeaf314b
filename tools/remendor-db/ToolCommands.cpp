/*
** Command dispatch of remendor-db. See ToolCommands.h.
*/
#include "ToolCommands.h"

int RunCommand(DbTool& tool, const std::string& cmd, const std::vector<std::string>& a,
               const char* /*argv0*/) {
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
  } else if (cmd == "scramble" && a.size() == 1) {
    tool.Scramble(a[0]);
  } else {
    return kUsageError;
  }
  return 0;
}
