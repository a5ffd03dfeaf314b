/*
** The font installation's Windows system calls. See WindowsFontPlatform.h.
*/
#ifdef _WIN32

#include "platform/WindowsFontPlatform.h"

#include <windows.h>

#include "platform/a_c_w.h"

std::string WindowsFontPlatform::FontsFolder() {
  return a_c_w().DirWindows() + "fonts\\";
}

void WindowsFontPlatform::CreateScalableResource(const fontcalls::ScalableResource& call) {
  CreateScalableFontResourceA(call.hidden, call.resourceFile.c_str(), call.fontFile.c_str(),
                              call.path.c_str());
}

void WindowsFontPlatform::RegisterFont(const std::string& fontFile) {
  AddFontResourceA(fontFile.c_str());
}

void WindowsFontPlatform::RecordInProfile(const fontcalls::ProfileEntry& call) {
  WriteProfileStringA(call.section.c_str(), call.key.c_str(), call.value.c_str());
}

void WindowsFontPlatform::BroadcastFontChange(const fontcalls::Broadcast& call) {
  // Posted, not sent: the caller does not wait for the other windows.
  PostMessageA(reinterpret_cast<HWND>(call.window), call.message, static_cast<WPARAM>(call.wParam),
               static_cast<LPARAM>(call.lParam));
}

#endif
