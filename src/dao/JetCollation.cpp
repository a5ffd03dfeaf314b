/*
** Jet's text comparison. See JetCollation.h.
**
** Each character has a primary key (its base letters: one or two code
** points) and a folded form (its lower-case code point). Texts compare by
** the run of their primary keys, then by the run of their folded forms.
*/
#include "dao/JetCollation.h"

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
    count_ = Primary(JetCollation::Fold(JetCollation::Decode(s_, i_)), units_);
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

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

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
    const char32_t fa = JetCollation::Fold(JetCollation::Decode(a, i));
    const char32_t fb = JetCollation::Fold(JetCollation::Decode(b, j));
    if (fa != fb) return Sign(fa, fb);
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

char32_t JetCollation::Fold(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;
  if (c < 0x100) return c;
  if (c > 0x17F) return c;
  if (c == 0x130) return 'i';
  if (c == 0x178) return 0xFF;
  if (c == 0x17F) return 's';
  if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) return (c % 2 == 0 && c != 0x131) ? c + 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1 ? c + 1 : c;
  return c;
}

char32_t JetCollation::Lower(char32_t c) {
  return c == 0x17F ? c : Fold(c);
}

char32_t JetCollation::Upper(char32_t c) {
  if (c < 0x80) return c >= 'a' && c <= 'z' ? c - 32 : c;
  if (c >= 0xE0 && c <= 0xFE) return c == 0xF7 ? c : c - 0x20;
  if (c == 0xFF) return 0x178;
  if (c < 0x100 || c > 0x17F) return c;
  if (c == 0x131) return 'I';
  if (c == 0x17F) return 'S';
  if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) return c % 2 == 1 ? c - 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 0 ? c - 1 : c;
  return c;
}

char32_t JetCollation::Decode(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int length = 0;
  char32_t c = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF)
    length = 2, c = b0 & 0x1F;
  else if (b0 >= 0xE0 && b0 <= 0xEF)
    length = 3, c = b0 & 0x0F;
  else if (b0 >= 0xF0 && b0 <= 0xF4)
    length = 4, c = b0 & 0x07;
  if (length == 0 || i + length > s.size()) {
    ++i;
    return kInvalidByte + b0;
  }
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kInvalidByte + b0;
    }
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms and surrogates are not valid UTF-8.
  if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
      (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kInvalidByte + b0;
  }
  i += length;
  return c;
}

void JetCollation::Encode(char32_t c, std::string& out) {
  if (c >= kInvalidByte) {
    out += static_cast<char>(c - kInvalidByte);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

int JetCollation::Compare(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char ca = a[i], cb = b[i];
    if ((static_cast<unsigned char>(ca) | static_cast<unsigned char>(cb)) >= 0x80)
      return CompareFrom(a, b, i);
    const char la = AsciiLower(ca), lb = AsciiLower(cb);
    if (la != lb) return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb) ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int JetCollation::CompareCodePoints(char32_t a, char32_t b) {
  const char32_t fa = Fold(a), fb = Fold(b);
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
