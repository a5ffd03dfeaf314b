/*
** Jet's text comparison. See JetCollation.h.
**
** Each character has a primary key (its base letters: one or two code
** points) and a folded form (its lower-case code point). Texts compare by
** the run of their primary keys, then by the run of their folded forms.
*/
#include "dao/functions/JetCollation.h"

#include "common/TextCase.h"

namespace dao {

namespace {

// Base letters of U+00C0-U+00FF and U+0100-U+017F, by folded code point.
// Upper-case markers stand for two letters; '*' and '/' mark × and ÷,
// which are no letters and stay as they are.
constexpr std::string_view kLatin1Base =
    "aaaaaaAceeeeiiii"
    "dnooooo*ouuuuyTS"
    "aaaaaaAceeeeiiii"
    "dnooooo/ouuuuyTy";
static_assert(kLatin1Base.size() == 64);
constexpr std::string_view kExtendedABase =
    "aaaaaa"
    "cccccccc"
    "dddd"
    "eeeeeeeeee"
    "gggggggg"
    "hhhh"
    "iiiiiiiiii"
    "JJ"
    "jj"
    "kkk"
    "llllllllll"
    "nnnnnnnnn"
    "oooooo"
    "OO"
    "rrrrrr"
    "ssssssss"
    "tttttt"
    "uuuuuuuuuuuu"
    "ww"
    "yyy"
    "zzzzzz"
    "s";
static_assert(kExtendedABase.size() == 128);

// The primary key of a folded code point: writes one or two units.
int Primary(char32_t c, char32_t out[2]) {
  char base = 0;
  if (c >= 0xC0 && c <= 0xFF)
    base = kLatin1Base[c - 0xC0];
  else if (c >= 0x100 && c <= 0x17F)
    base = kExtendedABase[c - 0x100];
  if (base == 0 || base == '*' || base == '/') {
    out[0] = c;
    return 1;
  }
  switch (base) {
    case 'A':
      out[0] = 'a', out[1] = 'e';
      return 2;
    case 'T':
      out[0] = 't', out[1] = 'h';
      return 2;
    case 'S':
      out[0] = 's', out[1] = 's';
      return 2;
    case 'J':
      out[0] = 'i', out[1] = 'j';
      return 2;
    case 'O':
      out[0] = 'o', out[1] = 'e';
      return 2;
    default:
      out[0] = static_cast<char32_t>(base);
      return 1;
  }
}

// Walks the primary keys of a text, one unit at a time.
class PrimaryStream {
 public:
  PrimaryStream(std::string_view s, std::size_t from) : s_(s), i_(from) {}

  // False at the end.
  bool Next(char32_t& unit) {
    if (pending_ < count_) {
      unit = units_[pending_++];
      return true;
    }
    if (i_ >= s_.size()) return false;
    count_ = Primary(TextCase::FoldChar(TextCase::Decode(s_, i_)), units_);
    pending_ = 1;
    unit = units_[0];
    return true;
  }

 private:
  std::string_view s_;
  std::size_t i_;
  char32_t units_[2] = {0, 0};
  int count_ = 0;
  int pending_ = 0;
};

int Sign(char32_t a, char32_t b) {
  return a < b ? -1 : 1;
}

// Compares from `from` on, the texts being equal before it.
int CompareFrom(std::string_view a, std::string_view b, std::size_t from) {
  PrimaryStream pa(a, from), pb(b, from);
  while (true) {
    char32_t ua = 0, ub = 0;
    const bool ha = pa.Next(ua), hb = pb.Next(ub);
    if (!ha || !hb) {
      if (ha != hb) return ha ? 1 : -1;
      break;
    }
    if (ua != ub) return Sign(ua, ub);
  }
  std::size_t i = from, j = from;
  while (i < a.size() && j < b.size()) {
    const char32_t fa = TextCase::FoldChar(TextCase::Decode(a, i));
    const char32_t fb = TextCase::FoldChar(TextCase::Decode(b, j));
    if (fa != fb) return Sign(fa, fb);
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

int JetCollation::Compare(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char ca = a[i], cb = b[i];
    if ((static_cast<unsigned char>(ca) | static_cast<unsigned char>(cb)) >= 0x80)
      return CompareFrom(a, b, i);
    const char la = static_cast<char>(TextCase::FoldChar(static_cast<unsigned char>(ca)));
    const char lb = static_cast<char>(TextCase::FoldChar(static_cast<unsigned char>(cb)));
    if (la != lb) return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb) ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int JetCollation::CompareCodePoints(char32_t a, char32_t b) {
  const char32_t fa = TextCase::FoldChar(a), fb = TextCase::FoldChar(b);
  char32_t pa[2], pb[2];
  const int na = Primary(fa, pa), nb = Primary(fb, pb);
  for (int k = 0; k < na && k < nb; ++k) {
    if (pa[k] != pb[k]) return Sign(pa[k], pb[k]);
  }
  if (na != nb) return na < nb ? -1 : 1;
  if (fa != fb) return Sign(fa, fb);
  return 0;
}

}  // namespace dao
