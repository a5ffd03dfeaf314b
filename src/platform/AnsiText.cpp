/*
** AnsiText: UTF-8 or Windows-1252 text to UTF-8. See AnsiText.h.
*/
#include "platform/AnsiText.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <array>
#include <cstdint>

#include "common/Utf8Text.h"

#ifdef _WIN32
#include "common/WideText.h"
#endif

namespace {

// Code points of the bytes 0x80-0x9F, where Windows-1252 departs from
// Latin-1; above them the two agree.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

bool AnsiText::IsUtf8(std::string_view text) {
  char32_t c = 0;
  for (size_t i = 0; i < text.size();)
    if (!Utf8Text::Next(text, i, c)) return false;
  return true;
}

std::string AnsiText::ToUtf8(std::string_view text) {
  if (IsUtf8(text)) return std::string(text);
#ifdef _WIN32
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n > 0) {
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return WideText::Narrow(wide);
  }
#endif
  std::string out;
  out.reserve(text.size() * 2);
  for (char ch : text) {
    const auto b = static_cast<uint8_t>(ch);
    if (b >= 0x80 && b < 0xA0) {
      Utf8Text::Append(out, kHighControls[b - 0x80]);
    } else {
      Utf8Text::Append(out, b);
    }
  }
  return out;
}
