/*
** JetCollation: how the engine compares and orders text, as Jet does for a
** Spanish-speaking operator.
**
** Equality ignores case, accented Latin letters included: "Álvarez" equals
** "ÁLVAREZ" and "álvarez", "Ñandú" equals "ñandú". Accents still count:
** "Peña" differs from "Pena".
**
** Order: first by the base letters, ignoring case and accents, so that
** accented letters sort beside their base letter (Pena, Peña, Penalba);
** among texts with the same base letters, by the lower-case letters
** themselves, plain before accented. Ligatures count as their two letters
** (Æ as ae, ß as ss). The order is total over case-folded text, a strict
** weak order as SQLite and std::sort require.
**
** Case is folded as TextCase folds it (common/TextCase.h): ASCII, Latin-1
** Supplement (U+00C0-U+00FF) and Latin Extended-A (U+0100-U+017F); other
** letters compare by code point. Bytes that are not valid UTF-8 compare as
** themselves, after every code point.
** ASCII text takes a fast path with no decoding.
*/
#pragma once

#include <string>
#include <string_view>

namespace dao {

class JetCollation {
 public:
  // < 0, 0 or > 0, as memcmp.
  static int Compare(std::string_view a, std::string_view b);

  // The same order for two single characters (LIKE's [a-z] ranges).
  static int CompareCodePoints(char32_t a, char32_t b);
};

}  // namespace dao
