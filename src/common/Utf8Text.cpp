/*
** Utf8Text: see Utf8Text.h.
*/
#include "common/Utf8Text.h"

namespace {

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Byte length of the character that starts at byte i.
size_t CharacterBytes(std::string_view text, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  size_t want = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  size_t n = 1;
  while (n < want && i + n < text.size() &&
         IsContinuation(static_cast<unsigned char>(text[i + n]))) {
    ++n;
  }
  return n;
}

// Byte offset of the character with 0-based index k (text.size() past the end).
size_t ByteOffset(std::string_view text, size_t k) {
  size_t i = 0;
  while (k > 0 && i < text.size()) {
    i += CharacterBytes(text, i);
    --k;
  }
  return i;
}

}  // namespace

size_t Utf8Text::Length(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += CharacterBytes(text, i)) ++count;
  return count;
}

std::string Utf8Text::Mid(std::string_view text, size_t start, size_t count) {
  if (start == 0) start = 1;
  const size_t from = ByteOffset(text, start - 1);
  const std::string_view rest = text.substr(from);
  return std::string(rest.substr(0, ByteOffset(rest, count)));
}

bool Utf8Text::Next(std::string_view text, size_t& i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  if (b0 < 0x80) {
    ++i;
    c = b0;
    return true;
  }
  int length = 0;
  char32_t v = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF)
    length = 2, v = b0 & 0x1F;
  else if (b0 >= 0xE0 && b0 <= 0xEF)
    length = 3, v = b0 & 0x0F;
  else if (b0 >= 0xF0 && b0 <= 0xF4)
    length = 4, v = b0 & 0x07;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return false;
  }
  for (int k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if (!IsContinuation(b)) {
      ++i;
      return false;
    }
    v = (v << 6) | (b & 0x3F);
  }
  if ((length == 3 && v < 0x800) || (length == 4 && (v < 0x10000 || v > 0x10FFFF)) ||
      (v >= 0xD800 && v <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += length;
  c = v;
  return true;
}

void Utf8Text::Append(std::string& out, char32_t c) {
  if (c < 0x80) {
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
