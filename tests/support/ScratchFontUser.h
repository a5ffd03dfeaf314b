// A scratch user for font installations: HOME, XDG_DATA_HOME and
// XDG_CACHE_HOME point into a temporary folder for the life of the object,
// so that no test touches the real home. Run as root, fontconfig would
// write its cache into the system's cache folder, which the system's
// configuration names first: FONTCONFIG_FILE names a configuration that
// puts the scratch user's cache first and includes the system's.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "support/EnvGuard.h"
#include "support/TempDir.h"

class ScratchFontUser {
 public:
  ScratchFontUser() {
    std::ofstream(Config()) << "<?xml version=\"1.0\"?>\n<fontconfig>\n  <cachedir>"
                            << (dir_.Path() / "cache" / "fontconfig").string()
                            << "</cachedir>\n  <include ignore_missing=\"yes\">"
                               "/etc/fonts/fonts.conf</include>\n</fontconfig>\n";
  }

  std::filesystem::path FontsFolder() const { return dir_.Path() / "data" / "fonts"; }

 private:
  std::string Config() const { return dir_.File("fonts.conf"); }

  TempDir dir_;
  EnvGuard home_{"HOME", dir_.Path().c_str()};
  EnvGuard data_{"XDG_DATA_HOME", (dir_.Path() / "data").c_str()};
  EnvGuard cache_{"XDG_CACHE_HOME", (dir_.Path() / "cache").c_str()};
  EnvGuard config_{"FONTCONFIG_FILE", Config().c_str()};
};
