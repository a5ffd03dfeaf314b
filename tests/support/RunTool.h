// Runs a built program of the project and collects its exit status and
// output. The programs are found in REMENDOR_BIN_DIR, which CTest sets.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/TempDir.h"

struct ToolResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string BinDir() {
  const char* d = std::getenv("REMENDOR_BIN_DIR");
  return d ? d : "bin";
}

inline std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// `env` is a prefix of NAME=value words for the program's environment.
inline ToolResult RunTool(const std::string& program, const std::vector<std::string>& args,
                          const std::string& env = "") {
  TempDir io;
  std::string cmd = env + " " + ShellQuote(BinDir() + "/" + program);
  for (const auto& a : args) cmd += " " + ShellQuote(a);
  cmd += " >" + ShellQuote(io.File("out")) + " 2>" + ShellQuote(io.File("err")) + " </dev/null";
  int raw = std::system(cmd.c_str());
  ToolResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = Slurp(io.File("out"));
  r.err = Slurp(io.File("err"));
  return r;
}
