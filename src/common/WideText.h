/*
** WideText: UTF-8 texts to and from UTF-16, the form of Windows' wide
** character calls (file names, the command line, the environment, locale
** data).
**
** Every text of the system is UTF-8; Windows speaks UTF-16 through its
** wide calls and the ANSI code page through the others, and the ANSI code
** page cannot hold every name (an accent outside Windows-1252, a name
** written on another system). So every call that carries a name goes
** through the wide form and this conversion. Malformed input is never
** refused: a bad UTF-8 byte or a lone surrogate becomes U+FFFD, so that a
** broken name shows as broken instead of vanishing.
*/
#pragma once

#include <string>
#include <string_view>

class WideText {
 public:
  static std::u16string FromUtf8(std::string_view text);
  static std::string ToUtf8(std::u16string_view text);

#ifdef _WIN32
  // The same, for the wchar_t of Windows' calls (16 bits there).
  static std::wstring Wide(std::string_view text);
  static std::string Narrow(std::wstring_view text);
#endif
};
