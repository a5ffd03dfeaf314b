/*
** WideText: UTF-8 to and from UTF-16. See WideText.h.
*/
#include "common/WideText.h"

#include "common/Utf8Text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point that starts at text[i], and the bytes it takes; a
// malformed sequence is one byte of U+FFFD.
char32_t DecodeUtf8(std::string_view text, size_t& i) {
  char32_t c = 0;
  return Utf8Text::Next(text, i, c) ? c : kReplacement;
}

}  // namespace

std::u16string WideText::FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char32_t c = DecodeUtf8(text, i);
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string WideText::ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      Utf8Text::Append(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      Utf8Text::Append(out, kReplacement);
    } else {
      Utf8Text::Append(out, unit);
    }
  }
  return out;
}

#ifdef _WIN32

static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring WideText::Wide(std::string_view text) {
  const std::u16string wide = FromUtf8(text);
  return std::wstring(wide.begin(), wide.end());
}

std::string WideText::Narrow(std::wstring_view text) {
  return ToUtf8(std::u16string(text.begin(), text.end()));
}

#endif
