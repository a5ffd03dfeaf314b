/*
** Splitting scripts into statements. See ScriptReader.h.
*/
#include "ScriptReader.h"

namespace {

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
  return s;
}

bool IsComment(const std::string& line) {
  size_t p = line.find_first_not_of(" \t");
  return p != std::string::npos && line.compare(p, 2, "--") == 0;
}

bool IsBlank(const std::string& s) {
  return s.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

std::vector<ScriptStatement> ReadScript(std::istream& in) {
  std::vector<ScriptStatement> out;
  std::string line, current;
  int lineNo = 0, start = 0;
  while (std::getline(in, line)) {
    lineNo++;
    if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // byte-order mark
    if (IsComment(line)) continue;
    std::string t = TrimRight(line);
    if (IsBlank(current) && IsBlank(t)) continue;
    if (IsBlank(current)) {
      current.clear();
      start = lineNo;
    } else {
      current += '\n';
    }
    if (!t.empty() && t.back() == ';') {
      current += t.substr(0, t.size() - 1);
      out.push_back({current, start});
      current.clear();
    } else {
      current += t;
    }
  }
  if (!IsBlank(current)) out.push_back({current, start});
  return out;
}
