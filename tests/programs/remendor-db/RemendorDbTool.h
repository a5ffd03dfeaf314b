// remendor-db run as support staff run it, for this folder's tests.
#pragma once

#include <gmock/gmock.h>

#include "support/RunTool.h"

inline ToolResult Db(const std::vector<std::string>& args, const std::string& env = "") {
  return RunTool("remendor-db", args, env);
}
