/*
** FontInstallCalls: the arguments of the system calls that install a
** barcode font on Windows, computed as plain values so that they can be
** checked anywhere; only WindowsFontPlatform passes them to the system.
**
** Font sets by type: 1 is "3of9.ttf" / "3of9.Fot" / key "3 of 9"; any other
** type is "bar25IT.ttf" / "bar25IT.Fot" / key "Bar Code25 InterleaveTall".
** The keys are also the family names of the two font files.
**
** The font resource is created in the system folder, and the path argument
** is the system folder's text without its first character (":\WINDOWS\
** SYSTEM32\" for "C:\WINDOWS\SYSTEM32\"), as the installed applications have
** always passed it; the TrueType file itself lies in the Windows fonts
** folder. The broadcast goes to every top-level window (HWND_BROADCAST,
** 0xFFFF) with the font-change message 0x1D, both parameters 0.
*/
#pragma once

#include <cstdint>
#include <string>

namespace fontcalls {

struct FontSet {
  std::string trueTypeFile;
  std::string resourceFile;
  std::string profileKey;
};

// CreateScalableFontResourceA(hidden, resourceFile, fontFile, path).
struct ScalableResource {
  uint32_t hidden = 0;
  std::string resourceFile;
  std::string fontFile;
  std::string path;
};

// WriteProfileStringA(section, key, value).
struct ProfileEntry {
  std::string section;
  std::string key;
  std::string value;
};

// PostMessageA(window, message, wParam, lParam).
struct Broadcast {
  uintptr_t window = 0;
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

inline constexpr uintptr_t kBroadcastWindow = 0xFFFF;
inline constexpr uint32_t kFontChangeMessage = 0x1D;

FontSet FontSetFor(int32_t Tipo);
// systemFolder: the system folder ending in the separator (DirSystemWindows).
ScalableResource ScalableResourceFor(const FontSet& set, const std::string& systemFolder);
ProfileEntry ProfileEntryFor(const FontSet& set, const std::string& systemFolder);
Broadcast FontChangeBroadcast();

}  // namespace fontcalls
