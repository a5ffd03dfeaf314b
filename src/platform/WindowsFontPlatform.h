/*
** WindowsFontPlatform: the font installation's steps as the Windows system
** calls, with the arguments of FontInstallCalls.h: the TrueType file goes to
** the Windows folder's "fonts" subfolder; CreateScalableFontResource,
** AddFontResource, WriteProfileString and PostMessage follow, in their wide
** forms so that a folder with any accent reaches them whole. Their results
** are not examined. Built on Windows only.
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
