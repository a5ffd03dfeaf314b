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
