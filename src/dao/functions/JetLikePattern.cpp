/*
** Jet's LIKE. See JetLikePattern.h.
**
** Matching keeps one backtracking point, the last '*' seen: every other
** element takes exactly one character, so retrying from that '*' one
** character further is enough. Time is at most text length times pattern
** length.
*/
#include "dao/functions/JetLikePattern.h"

#include "common/TextCase.h"
#include "dao/functions/JetCollation.h"

namespace dao {

std::optional<JetLikePattern> JetLikePattern::Compile(std::string_view pattern) {
  JetLikePattern result;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char32_t c = TextCase::Decode(pattern, i);
    Element e;
    switch (c) {
      case '*':
        if (!result.elements_.empty() && result.elements_.back().kind == Kind::AnyRun) continue;
        e.kind = Kind::AnyRun;
        break;
      case '?':
        e.kind = Kind::AnyOne;
        break;
      case '#':
        e.kind = Kind::Digit;
        break;
      case '[': {
        e.kind = Kind::Class;
        std::vector<char32_t> members;
        bool closed = false;
        while (i < pattern.size()) {
          const char32_t m = TextCase::Decode(pattern, i);
          if (m == ']') {
            closed = true;
            break;
          }
          members.push_back(m);
        }
        if (!closed) return std::nullopt;
        std::size_t k = 0;
        if (members.size() > 1 && members[0] == '!') {
          e.negated = true;
          k = 1;
        }
        // "[]" matches the empty run: it adds nothing to the pattern.
        if (members.empty()) continue;
        for (; k < members.size(); ++k) {
          if (k + 2 < members.size() && members[k + 1] == '-') {
            e.ranges.emplace_back(members[k], members[k + 2]);
            k += 2;
          } else {
            e.ranges.emplace_back(members[k], members[k]);
          }
        }
        break;
      }
      default:
        e.kind = Kind::Literal;
        e.folded = TextCase::FoldChar(c);
        break;
    }
    result.elements_.push_back(std::move(e));
  }
  return result;
}

bool JetLikePattern::MatchesOne(const Element& e, char32_t c) const {
  switch (e.kind) {
    case Kind::Literal:
      return TextCase::FoldChar(c) == e.folded;
    case Kind::AnyOne:
      return true;
    case Kind::Digit:
      return c >= '0' && c <= '9';
    case Kind::Class: {
      bool in = false;
      for (const auto& [first, last] : e.ranges) {
        if (JetCollation::CompareCodePoints(first, c) <= 0 &&
            JetCollation::CompareCodePoints(c, last) <= 0) {
          in = true;
          break;
        }
      }
      return in != e.negated;
    }
    case Kind::AnyRun:
      return false;
  }
  return false;
}

bool JetLikePattern::Matches(std::string_view text) const {
  std::vector<char32_t> chars;
  chars.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) chars.push_back(TextCase::Decode(text, i));

  std::size_t p = 0, t = 0;
  std::size_t starP = elements_.size(), starT = 0;
  while (t < chars.size()) {
    if (p < elements_.size() && elements_[p].kind == Kind::AnyRun) {
      starP = p++;
      starT = t;
    } else if (p < elements_.size() && MatchesOne(elements_[p], chars[t])) {
      ++p;
      ++t;
    } else if (starP < elements_.size()) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < elements_.size() && elements_[p].kind == Kind::AnyRun) ++p;
  return p == elements_.size();
}

}  // namespace dao
