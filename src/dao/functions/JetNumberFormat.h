/*
** JetNumberFormat: Format's number patterns, as Access reads them.
**
** Sections: "positive;negative;zero;Null". A negative number takes the
** second section without its sign (the section writes its own, "(0)"); with
** one section, or an empty second one, the first writes it after a "-" at
** its very start ("-$5"), unless the number rounds to zero there. Zero
** takes the third section; so does a number that the section it would
** take writes as zero (Format(0.001, "0;(0);\"cero\"") is "cero"). An
** empty section stands for the first.
**
** Within a section, beside the literals of JetFormatSections:
**   0        a digit, or 0 where the number has none
**   #        a digit, or nothing
**   .        the decimal separator, written even when no digit follows
**            (Format(13, "0.") is "13,")
**   ,        between integer placeholders: groups of thousands; right after
**            the last one (before "." or the end): the number divided by
**            1000, once for each ("#,##0,," shows millions)
**   %        the number times 100, and the sign itself
**   E+ E- e+ e-   scientific: the exponent after the mantissa, with at
**            least as many digits as placeholders follow, its sign always
**            (+) or only when negative (-), the letter in the case written
**   !        left alignment: nothing to print in a text
** and any other character is printed as it stands. The integer digits fill
** the placeholders from the right, around the literals between them
** ("000-0000"); digits beyond the placeholders go before the first one.
** The decimals are rounded half away from zero on the number's shortest
** decimal form (1.005 to two decimals is 1,01), as ValueFormat rounds. The
** separators are the regional ones.
*/
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dao {

class JetNumberFormat {
 public:
  // The pattern read once, to write any number of values under it.
  explicit JetNumberFormat(std::string_view pattern);

  // The number under the pattern, sections and all.
  std::string Format(double value) const;

  // The same for a pattern used once.
  static std::string Apply(double value, std::string_view pattern);

  // One section, for a number's magnitude; `zero` tells whether what it
  // wrote shows no digit but 0.
  static std::string Section(double magnitude, std::string_view section, bool& zero);

 private:
  struct Item {
    enum Kind { Literal, Digit, Point, Comma, Exponent, Percent } kind;
    std::string text;  // Literal: what it prints; Exponent: "E+", "e-", ...
    char placeholder = 0;
  };
  // A section cut into items, with where its parts begin and what its
  // commas and percent signs do.
  struct Plan {
    std::vector<Item> items;
    std::size_t exponentAt = 0, integerEnd = 0, firstInteger = 0;
    std::size_t integerPlaces = 0, decimals = 0, minDecimals = 0, exponentPlaces = 0;
    std::size_t firstZero = 0;
    bool grouping = false;
    int percents = 0, scales = 0;
  };

  static std::vector<Item> Cut(std::string_view section);
  static Plan Read(std::string_view section);
  static std::string Written(double magnitude, const Plan& plan, bool& zero);

  std::vector<std::optional<Plan>> sections_;  // an empty section has none
};

}  // namespace dao
