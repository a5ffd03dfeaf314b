/*
** JetTextDecoder: the text of a Jet file's Text and Memo values, as UTF-8.
**
** Jet 3 keeps text in the ANSI code page that the file names (Windows-1252
** in these offices: "ñ" is the one byte F1). Windows-1252 is decoded here,
** with the five bytes it leaves undefined (81 8D 8F 90 9D) standing for the
** control characters of the same number, as Windows itself reads them;
** any other code page goes through the C library's iconv, where a byte that
** the page does not define becomes U+FFFD. A code page of 0 is read as
** Windows-1252.
**
** Jet 4 keeps text as UTF-16 little-endian, or "compressed": the marker
** FF FE, then runs of one byte per character (the low byte of a character
** below U+0100) and runs of two bytes per character, alternating, each
** ended by a 00 byte. Surrogate pairs are joined; a lone surrogate becomes
** U+FFFD. Two-byte text, or a two-byte run, of an odd length is malformed.
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace jetimport {

class JetTextDecoder {
 public:
  // For Jet 3 (jetVersion 3) text in `codePage`; Jet 4 ignores it. Raises
  // std::invalid_argument when the code page cannot be read here.
  JetTextDecoder(int jetVersion, int codePage);
  ~JetTextDecoder();
  JetTextDecoder(const JetTextDecoder&) = delete;
  JetTextDecoder& operator=(const JetTextDecoder&) = delete;

  // The text, or nullopt when its bytes are malformed.
  std::optional<std::string> Decode(std::string_view raw) const;

  static std::optional<std::string> FromJet4(std::string_view raw);
  static std::string FromWindows1252(std::string_view raw);

 private:
  std::string FromCodePage(std::string_view raw) const;

  int jetVersion_;
  void* iconv_ = nullptr;  // iconv_t of a code page other than 1252
};

}  // namespace jetimport
