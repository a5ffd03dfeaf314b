/*
** JetFormatSections: what every pattern of Format shares, whatever it
** formats: its sections, its literals, the marks that print nothing, and
** which kind of pattern a section is.
**
**   ;          splits the sections (up to four: positive; negative; zero;
**              Null for numbers and dates, text; zero-length text for
**              texts), outside quotes, escapes and brackets
**   "text"     a literal, up to the next quote ("" is an empty literal)
**   \x         the character x itself
**   [Color]    a colour or a condition: the caller paints, Format prints
**              nothing of it
**   *x         a fill character: it fills a control's width, and a text
**              has none, so nothing is printed
**
** A section's kind is that of its first placeholder: 0 or # make it a
** number pattern, a date or time letter (d w m q y h n s c ttttt AM/PM A/P
** AMPM) a date pattern, @ & < > a text pattern; a section with none of
** them is only literals.
*/
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dao {

class JetFormatSections {
 public:
  enum class Kind { Literal, Number, Date, Text };

  static std::vector<std::string> Split(std::string_view pattern);

  // At p[i]: a literal or a mark that prints nothing. Appends what it
  // prints to `out`, moves `i` past it and says true; false when p[i] is
  // none of them.
  static bool Literal(std::string_view p, std::size_t& i, std::string& out);

  static Kind KindOf(std::string_view section);

  // Whether p holds `word` at i, whatever the case.
  static bool WordAt(std::string_view p, std::size_t i, std::string_view word);
};

}  // namespace dao
