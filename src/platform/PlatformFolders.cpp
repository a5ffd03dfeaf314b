/*
** The Windows folders from the platform. See PlatformFolders.h.
*/
#include "platform/PlatformFolders.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/PathSeparator.h"

namespace platform {

#ifdef _WIN32

namespace {
std::string FromCall(UINT(WINAPI* call)(LPSTR, UINT)) {
  char buf[MAX_PATH + 1];
  UINT n = call(buf, sizeof buf);
  // 0 is a failure; a value at or above the size is a folder that did not fit.
  if (n == 0 || n >= sizeof buf) return std::string();
  return std::string(buf, n);
}
}  // namespace

std::string WindowsDirectory() {
  return FromCall(GetWindowsDirectoryA);
}
std::string SystemDirectory() {
  return FromCall(GetSystemDirectoryA);
}

#else

std::string WindowsDirectory() {
  const char* v = std::getenv("WINDIR");
  return v ? std::string(v) : std::string();
}

std::string SystemDirectory() {
  std::string windows = WindowsDirectory();
  if (windows.empty()) return windows;
  if (windows.back() != kPathSeparator) windows += kPathSeparator;
  return windows + "system32";
}

#endif

}  // namespace platform
