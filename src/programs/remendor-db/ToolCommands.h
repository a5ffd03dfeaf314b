/*
** ToolCommands: the dispatch from remendor-db's command words to DbTool and
** to the repair commands.
*/
#pragma once

#include <string>
#include <vector>

#include "DbTool.h"

inline constexpr int kUsageError = -1;

// Runs one command; returns the exit status, or kUsageError on bad usage.
// `argv0` is how the program was started, to find the program's folder.
int RunCommand(DbTool& tool, const std::string& cmd, const std::vector<std::string>& args,
               const char* argv0);
