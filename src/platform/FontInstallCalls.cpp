/*
** The arguments of the font installation's system calls. See
** FontInstallCalls.h.
*/
#include "platform/FontInstallCalls.h"

namespace fontcalls {

FontSet FontSetFor(int32_t Tipo) {
  if (Tipo == 1) return {"3of9.ttf", "3of9.Fot", "3 of 9"};
  return {"bar25IT.ttf", "bar25IT.Fot", "Bar Code25 InterleaveTall"};
}

ScalableResource ScalableResourceFor(const FontSet& set, const std::string& systemFolder) {
  ScalableResource r;
  r.hidden = 0;
  r.resourceFile = systemFolder + set.resourceFile;
  r.fontFile = set.trueTypeFile;
  r.path = systemFolder.empty() ? std::string() : systemFolder.substr(1);
  return r;
}

ProfileEntry ProfileEntryFor(const FontSet& set, const std::string& systemFolder) {
  return {"Fonts", set.profileKey, systemFolder + set.resourceFile};
}

Broadcast FontChangeBroadcast() {
  Broadcast b;
  b.window = kBroadcastWindow;
  b.message = kFontChangeMessage;
  return b;
}

}  // namespace fontcalls
