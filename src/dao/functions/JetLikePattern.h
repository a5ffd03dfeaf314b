/*
** JetLikePattern: Jet's LIKE patterns.
**
**   *        any run of characters, the empty run included
**   ?        any one character
**   #        one digit, 0 to 9
**   [abc]    one of the characters listed; [a-z] a range, [!abc] and [!a-z]
**            any character but those; a '-' first or last in the list is
**            itself; [*], [?], [#] and [[] match the character itself
**   other    the character itself; % and _ are ordinary characters
**
** Letters match as the JET collation compares them: without regard to case,
** accented letters included, but accents count (a does not match á). A range
** follows the JET order, so [a-z] takes accented letters too (Á, ñ). The
** whole text must match.
*/
#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace dao {

class JetLikePattern {
 public:
  // nullopt when the pattern is not valid (a '[' without its ']').
  static std::optional<JetLikePattern> Compile(std::string_view pattern);

  bool Matches(std::string_view text) const;

 private:
  enum class Kind { Literal, AnyOne, Digit, AnyRun, Class };
  struct Element {
    Kind kind = Kind::Literal;
    char32_t folded = 0;                                // Literal
    std::vector<std::pair<char32_t, char32_t>> ranges;  // Class: first..last
    bool negated = false;                               // Class
  };

  bool MatchesOne(const Element& e, char32_t c) const;

  std::vector<Element> elements_;
};

}  // namespace dao
