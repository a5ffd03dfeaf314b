/*
** AnsiText: text files written by Windows programs in the ANSI code page.
**
** The maker's programs write their one-line files (novuPath.sys) in the
** system's ANSI code page, Windows-1252 on the Spanish systems they run on,
** while newer tools write UTF-8. A text that is valid UTF-8 is taken as it
** is; any other is decoded as Windows-1252, so that "C:\Aplicación" written
** by either reads the same. The five bytes that Windows-1252 leaves
** undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
** the same number, as Windows itself decodes them. Plain ASCII is valid
** UTF-8 and is never changed.
**
** On Windows the code page is the system's own (GetACP: 1252 on those
** Spanish systems, another elsewhere), decoded by the system; elsewhere
** Windows-1252 is assumed.
*/
#pragma once

#include <string>
#include <string_view>

class AnsiText {
 public:
  // True when `text` is well-formed UTF-8: no stray continuation byte, no
  // overlong form, no surrogate, nothing beyond U+10FFFF.
  static bool IsUtf8(std::string_view text);

  // `text` in UTF-8: unchanged when it is UTF-8 already, else decoded from
  // the ANSI code page.
  static std::string ToUtf8(std::string_view text);
};
