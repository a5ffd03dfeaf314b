/*
** TextCase: the one case-insensitive comparison of texts in the system, and
** the case folding behind it.
**
** The database engine matches names this way (tables, fields, the columns a
** statement names, TableDefs and Fields items) and compares text values the
** same way; the controls match their setting keys with it too. Equal ignores
** case for every letter of ASCII, of Latin-1 Supplement (U+00C0-U+00FF:
** "SITUACIÓN" equals "Situación", "AÑO" equals "año") and of Latin Extended-A
** (U+0100-U+017F); accents still count ("Peña" differs from "Pena"). Other
** code points compare as they are. Bytes that are not valid UTF-8 stand for
** themselves, so that no input is refused or merged with another.
**
** Fold gives the key under which equal names meet: Equal(a, b) exactly when
** Fold(a) == Fold(b). Upper and Lower are the engine's UCase and LCase.
** ASCII text takes a fast path with no decoding.
*/
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class TextCase {
 public:
  static bool Equal(std::string_view a, std::string_view b);

  static std::string Fold(std::string_view text);
  static std::string Upper(std::string_view text);
  static std::string Lower(std::string_view text);

  static char32_t FoldChar(char32_t c);   // lower case, for comparison
  static char32_t LowerChar(char32_t c);  // as Fold, but ſ stays ſ
  static char32_t UpperChar(char32_t c);

  // Decodes the code point at s[i] and advances i. A byte that does not
  // start a valid sequence decodes to kInvalidByte + its value.
  static char32_t Decode(std::string_view s, std::size_t& i);
  // Writes a code point (or an invalid byte, as itself) as UTF-8.
  static void Encode(char32_t c, std::string& out);

  static constexpr char32_t kInvalidByte = 0x110000;
};
