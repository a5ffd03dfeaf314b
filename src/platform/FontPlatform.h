/*
** FontPlatform: the seam behind the installation of a font, one member per
** step that the platform performs (the copy itself is the caller's).
**
** On Windows (WindowsFontPlatform) the fonts folder is the Windows folder's
** "fonts" subfolder and the four steps are the system calls of
** FontInstallCalls.h. Elsewhere (XdgFontPlatform) a font is installed the way
** a desktop installs one for its user: the folder is $XDG_DATA_HOME/fonts,
** registering runs fontconfig's cache builder on it so that the font is
** usable at once, and the other steps have nothing to do. Tests install a
** recording platform.
**
** Failures of the steps are not reported: the installation goes on with the
** next step whatever the outcome.
*/
#pragma once

#include <memory>
#include <string>

#include "platform/FontInstallCalls.h"

class FontPlatform {
 public:
  virtual ~FontPlatform() = default;

  // The folder the TrueType files go into, ending in the separator.
  virtual std::string FontsFolder() = 0;
  virtual void CreateScalableResource(const fontcalls::ScalableResource& call) = 0;
  // fontFile: the TrueType file name alone.
  virtual void RegisterFont(const std::string& fontFile) = 0;
  virtual void RecordInProfile(const fontcalls::ProfileEntry& call) = 0;
  virtual void BroadcastFontChange(const fontcalls::Broadcast& call) = 0;

  // Installs the platform used from now on; the previous one is returned so
  // that a test can put it back. Null installs the system's own.
  static std::shared_ptr<FontPlatform> Install(std::shared_ptr<FontPlatform> platform);
  static FontPlatform& Current();
};
