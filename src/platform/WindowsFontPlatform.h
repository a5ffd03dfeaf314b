/*
** WindowsFontPlatform: the font installation's steps as the Windows system
** calls, with the arguments of FontInstallCalls.h: the TrueType file goes to
** the Windows folder's "fonts" subfolder; CreateScalableFontResourceA,
** AddFontResourceA, WriteProfileStringA and PostMessageA follow. Their
** results are not examined. Built on Windows only.
*/
#pragma once

#ifdef _WIN32

#include "platform/FontPlatform.h"

class WindowsFontPlatform : public FontPlatform {
 public:
  std::string FontsFolder() override;
  void CreateScalableResource(const fontcalls::ScalableResource& call) override;
  void RegisterFont(const std::string& fontFile) override;
  void RecordInProfile(const fontcalls::ProfileEntry& call) override;
  void BroadcastFontChange(const fontcalls::Broadcast& call) override;
};

#endif
