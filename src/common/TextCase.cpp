/*
** Case folding and comparison of texts. See TextCase.h.
**
** The case pairs of Latin-1 Supplement lie 0x20 apart (À-Þ and à-þ, but for
** × and ÷); those of Latin Extended-A are neighbours, upper case even in
** most runs and odd in two (Ĺ-ň, Ź-ž); ı, İ, Ÿ and ſ pair with ASCII or
** Latin-1 letters.
*/
#include "common/TextCase.h"

#include "common/Utf8Text.h"

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

template <char (*Ascii)(char), char32_t (*Map)(char32_t)>
std::string MapText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  if (IsAscii(text)) {
    for (char c : text) out += Ascii(c);
    return out;
  }
  for (std::size_t i = 0; i < text.size();) TextCase::Encode(Map(TextCase::Decode(text, i)), out);
  return out;
}

}  // namespace

bool TextCase::Equal(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  // ASCII letters fold to one byte each: compare bytes until the first
  // non-ASCII one, then code points.
  while (i < a.size() && j < b.size()) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[j]);
    if ((x | y) >= 0x80) break;
    if (AsciiLower(static_cast<char>(x)) != AsciiLower(static_cast<char>(y))) return false;
    ++i, ++j;
  }
  while (i < a.size() && j < b.size()) {
    if (FoldChar(Decode(a, i)) != FoldChar(Decode(b, j))) return false;
  }
  return i == a.size() && j == b.size();
}

std::string TextCase::Fold(std::string_view text) {
  return MapText<AsciiLower, FoldChar>(text);
}

std::string TextCase::Upper(std::string_view text) {
  return MapText<AsciiUpper, UpperChar>(text);
}

std::string TextCase::Lower(std::string_view text) {
  return MapText<AsciiLower, LowerChar>(text);
}

char32_t TextCase::FoldChar(char32_t c) {
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

char32_t TextCase::LowerChar(char32_t c) {
  return c == 0x17F ? c : FoldChar(c);
}

char32_t TextCase::UpperChar(char32_t c) {
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

char32_t TextCase::Decode(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  char32_t c = 0;
  return Utf8Text::Next(s, i, c) ? c : kInvalidByte + b0;
}

void TextCase::Encode(char32_t c, std::string& out) {
  if (c >= kInvalidByte)
    out += static_cast<char>(c - kInvalidByte);
  else
    Utf8Text::Append(out, c);
}
