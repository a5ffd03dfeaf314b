/*
** The installed font platform. See FontPlatform.h.
*/
#include "platform/FontPlatform.h"

#ifdef _WIN32
#include "platform/WindowsFontPlatform.h"
#else
#include "platform/XdgFontPlatform.h"
#endif

namespace {

std::shared_ptr<FontPlatform> SystemPlatform() {
#ifdef _WIN32
  return std::make_shared<WindowsFontPlatform>();
#else
  return std::make_shared<XdgFontPlatform>();
#endif
}

std::shared_ptr<FontPlatform>& Slot() {
  static std::shared_ptr<FontPlatform> platform = SystemPlatform();
  return platform;
}

}  // namespace

std::shared_ptr<FontPlatform> FontPlatform::Install(std::shared_ptr<FontPlatform> platform) {
  auto previous = Slot();
  Slot() = platform ? std::move(platform) : SystemPlatform();
  return previous;
}

FontPlatform& FontPlatform::Current() {
  return *Slot();
}
