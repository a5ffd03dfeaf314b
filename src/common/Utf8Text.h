/*
** Utf8Text: character counts and character positions in UTF-8 texts.
**
** Lengths and positions that users think of ("23 characters", "characters
** 10 to 23") count characters, not bytes. A character is a code point: a lead
** byte and its continuation bytes. Malformed bytes count one character each,
** so that no input can make a position run past the end of the text.
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
};
