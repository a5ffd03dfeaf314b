// Result lines as the tests read them: every line with its kind, "info",
// "aviso" or "error", in the order given.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "repair/ResultSink.h"

class RecordedLines : public ResultSink {
 public:
  void AgregarInfo(const std::string& d) override { lines.emplace_back("info", d); }
  void AgregarAdvertencia(const std::string& d) override { lines.emplace_back("aviso", d); }
  void AgregarErr(const std::string& d) override { lines.emplace_back("error", d); }
  std::vector<std::pair<std::string, std::string>> lines;
};
