/*
** The font installation's Windows system calls. See WindowsFontPlatform.h.
*/
#ifdef _WIN32

#include "platform/WindowsFontPlatform.h"

#include <windows.h>

#include "common/WideText.h"
#include "platform/a_c_w.h"

std::string WindowsFontPlatform::FontsFolder() {
  return a_c_w().DirWindows() + "fonts\\";
}

void WindowsFontPlatform::CreateScalableResource(const fontcalls::ScalableResource& call) {
  CreateScalableFontResourceW(call.hidden, WideText::Wide(call.resourceFile).c_str(),
                              WideText::Wide(call.fontFile).c_str(),
                              WideText::Wide(call.path).c_str());
}

void WindowsFontPlatform::RegisterFont(const std::string& fontFile) {
  AddFontResourceW(WideText::Wide(fontFile).c_str());
}

void WindowsFontPlatform::RecordInProfile(const fontcalls::ProfileEntry& call) {
  WriteProfileStringW(WideText::Wide(call.section).c_str(), WideText::Wide(call.key).c_str(),
                      WideText::Wide(call.value).c_str());
}

void WindowsFontPlatform::BroadcastFontChange(const fontcalls::Broadcast& call) {
  // Posted, not sent: the caller does not wait for the other windows.
  PostMessageW(reinterpret_cast<HWND>(call.window), call.message, static_cast<WPARAM>(call.wParam),
               static_cast<LPARAM>(call.lParam));
}

#endif
