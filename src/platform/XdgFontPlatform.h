/*
** XdgFontPlatform: a font installed for the user the way a Linux desktop
** does it. The fonts folder is $XDG_DATA_HOME/fonts, or ~/.local/share/fonts
** when XDG_DATA_HOME is unset, empty or relative (as the XDG base-directory
** rules say). Registering runs "fc-cache FOLDER", fontconfig's cache builder,
** so that every program sees the font at once; fontconfig writes its cache
** under $XDG_CACHE_HOME. Creating a font resource, the profile entry and the
** broadcast have no counterpart here and do nothing. Built off Windows
** only.
**
** A missing fc-cache or one that fails is not reported: fontconfig finds the
** font on its next scan of the folder all the same.
*/
#pragma once

#ifndef _WIN32

#include "platform/FontPlatform.h"

class XdgFontPlatform : public FontPlatform {
 public:
  std::string FontsFolder() override;
  void CreateScalableResource(const fontcalls::ScalableResource& call) override;
  void RegisterFont(const std::string& fontFile) override;
  void RecordInProfile(const fontcalls::ProfileEntry& call) override;
  void BroadcastFontChange(const fontcalls::Broadcast& call) override;
};

#endif
