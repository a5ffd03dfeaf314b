/*
** Utf8Text: character counts and character positions in UTF-8 texts.
**
** Lengths and positions that users think of ("23 characters", "characters
** 10 to 23") count characters, not bytes. A character is a code point: a lead
** byte and its continuation bytes. Malformed bytes count one character each,
** so that no input can make a position run past the end of the text.
**
** It also holds the one strict UTF-8 codec of the system (Next, Append):
** overlong forms, surrogates and code points past U+10FFFF are malformed.
** Each caller decides what a malformed byte becomes (U+FFFD for Windows'
** wide calls, a byte kept as it came for case folding, a refusal for the
** code-page guess), so the codec only says that it is one.
*/
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class Utf8Text {
 public:
  // Number of characters of the text.
  static size_t Length(std::string_view text);

  // The characters from position start (1 = first) on, at most count of them;
  // empty when start lies beyond the text.
  static std::string Mid(std::string_view text, size_t start, size_t count = std::string::npos);

  // Reads the character at text[i] into c and moves i past it; on a
  // malformed sequence returns false and moves i one byte on.
  static bool Next(std::string_view text, size_t& i, char32_t& c);

  // Appends code point c (at most U+10FFFF) in UTF-8.
  static void Append(std::string& out, char32_t c);
};
