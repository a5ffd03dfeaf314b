/*
** Filters for Qt's file dialogs. See FileFilter.h.
*/
#include "platform/FileFilter.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (true) {
    const size_t end = text.find(separator, start);
    pieces.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return pieces;
    start = end + 1;
  }
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Patterns separated by blanks, as a description writes them, separated
// by ";" as a filter does.
std::string Blanks(std::string text) {
  std::replace(text.begin(), text.end(), ' ', ';');
  return text;
}

std::string QtPatterns(const std::string& patterns) {
  std::string out;
  for (const std::string& piece : Split(patterns, ';')) {
    std::string pattern = Trim(piece);
    if (pattern.empty()) continue;
    if (pattern == "*.*") pattern = "*";
    if (!out.empty()) out += ' ';
    out += pattern;
  }
  return out.empty() ? std::string("*") : out;
}

}  // namespace

std::string FileFilter::DefaultExtension(const std::string& entry) {
  const size_t open = entry.rfind('(');
  const size_t close = entry.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return {};
  const std::string patterns = entry.substr(open + 1, close - open - 1);
  const std::string first = Trim(patterns.substr(0, patterns.find(' ')));
  if (first.size() < 3 || first.compare(0, 2, "*.") != 0) return {};
  const std::string extension = first.substr(2);
  const bool named = std::all_of(extension.begin(), extension.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
  });
  return named ? extension : std::string();
}

std::string FileFilter::ToQt(const std::string& filter) {
  if (filter.empty()) return std::string();
  const std::vector<std::string> pieces = Split(filter, '|');
  std::string out;
  for (size_t i = 0; i < pieces.size(); i += 2) {
    const std::string description = Trim(pieces[i]);
    const std::string patterns = QtPatterns(i + 1 < pieces.size() ? pieces[i + 1] : "");
    // A trailing "|" leaves an empty last piece: no entry of its own.
    if (description.empty() && i + 1 >= pieces.size()) continue;
    std::string entry = description;
    // A description that already names its patterns keeps its words and
    // shows them as Qt reads them.
    const size_t open = entry.rfind('(');
    const bool carriesPatterns =
        open != std::string::npos && entry.back() == ')' &&
        QtPatterns(Blanks(entry.substr(open + 1, entry.size() - open - 2))) == patterns;
    if (carriesPatterns) entry.erase(Trim(entry.substr(0, open)).size());
    if (!entry.empty()) entry += ' ';
    entry += "(" + patterns + ")";
    if (!out.empty()) out += ";;";
    out += entry;
  }
  return out;
}
