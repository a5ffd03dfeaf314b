/*
** The sections and literals of Format's patterns. See JetFormatSections.h.
*/
#include "dao/functions/JetFormatSections.h"

namespace dao {

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// The end of a quoted literal or a bracket opened at i: past its closing
// mark, or the end of the pattern.
std::size_t Closing(std::string_view p, std::size_t i, char mark) {
  const std::size_t close = p.find(mark, i + 1);
  return close == std::string_view::npos ? p.size() : close + 1;
}

}  // namespace

std::vector<std::string> JetFormatSections::Split(std::string_view pattern) {
  std::vector<std::string> out(1);
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    std::size_t end = i + 1;
    if (c == '"') end = Closing(pattern, i, '"');
    if (c == '[') end = Closing(pattern, i, ']');
    if ((c == '\\' || c == '*') && i + 1 < pattern.size()) end = i + 2;
    if (c == ';') {
      out.emplace_back();
    } else {
      out.back() += pattern.substr(i, end - i);
    }
    i = end;
  }
  return out;
}

bool JetFormatSections::Literal(std::string_view p, std::size_t& i, std::string& out) {
  switch (p[i]) {
    case '"': {
      const std::size_t end = Closing(p, i, '"');
      const std::size_t last = end > i + 1 && p[end - 1] == '"' ? end - 1 : end;
      out += p.substr(i + 1, last - i - 1);
      i = end;
      return true;
    }
    case '\\':
      if (i + 1 < p.size()) out += p[i + 1];
      i += 2;
      return true;
    case '[':
      i = Closing(p, i, ']');
      return true;
    case '*':
      i += 2;
      return true;
    default:
      return false;
  }
}

bool JetFormatSections::WordAt(std::string_view p, std::size_t i, std::string_view word) {
  if (p.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k) {
    if (Lower(p[i + k]) != Lower(word[k])) return false;
  }
  return true;
}

JetFormatSections::Kind JetFormatSections::KindOf(std::string_view section) {
  for (std::size_t i = 0; i < section.size();) {
    std::string ignored;
    if (Literal(section, i, ignored)) continue;
    const char c = Lower(section[i]);
    if (c == '0' || c == '#') return Kind::Number;
    if (c == '@' || c == '&' || c == '<' || c == '>') return Kind::Text;
    if (WordAt(section, i, "AM/PM") || WordAt(section, i, "A/P") || WordAt(section, i, "AMPM"))
      return Kind::Date;
    if (c == 't' && WordAt(section, i, "ttttt")) return Kind::Date;
    if (std::string_view("dwmqyhnsc").find(c) != std::string_view::npos) return Kind::Date;
    // An exponent's letter is no date letter.
    if (c == 'e' && i + 1 < section.size() && (section[i + 1] == '+' || section[i + 1] == '-')) {
      i += 2;
      continue;
    }
    ++i;
  }
  return Kind::Literal;
}

}  // namespace dao
