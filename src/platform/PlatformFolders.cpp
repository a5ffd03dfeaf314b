/*
** The Windows folders from the platform. See PlatformFolders.h.
*/
#include "platform/PlatformFolders.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/PathSeparator.h"

#ifdef _WIN32
#include "common/WideText.h"
#endif

namespace platform {

#ifdef _WIN32

namespace {
// The wide calls: a Windows folder whose name the ANSI code page cannot
// hold still comes back whole.
std::string FromCall(UINT(WINAPI* call)(LPWSTR, UINT)) {
  wchar_t buf[MAX_PATH + 1];
  UINT n = call(buf, MAX_PATH + 1);
  // 0 is a failure; a value at or above the size is a folder that did not fit.
  if (n == 0 || n >= MAX_PATH + 1) return std::string();
  return WideText::Narrow(std::wstring_view(buf, n));
}
}  // namespace

std::string WindowsDirectory() {
  return FromCall(GetWindowsDirectoryW);
}
std::string SystemDirectory() {
  return FromCall(GetSystemDirectoryW);
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
