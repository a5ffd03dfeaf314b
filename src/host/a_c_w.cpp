/*
** a_c_w: folders and paths. See a_c_w.h.
*/
#include "host/a_c_w.h"

#include "host/PathSeparator.h"
#include "host/PlatformFolders.h"

namespace {

std::string Folder(const std::string& fromSystem) {
  if (fromSystem.empty()) return std::string();
  std::string s = a_c_w::SacarUltimo(fromSystem);
  a_c_w::agregarBarra(s);
  return s;
}

}  // namespace

std::string a_c_w::DirWindows() const {
  return Folder(platform::WindowsDirectory());
}

std::string a_c_w::DirSystemWindows() const {
  return Folder(platform::SystemDirectory());
}

std::string a_c_w::SacarUltimo(const std::string& pString) {
  size_t p = pString.find('\0');
  return p == std::string::npos ? pString : pString.substr(0, p);
}

void a_c_w::agregarBarra(std::string& PPath) {
  std::string trimmed = PPath;
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  if (trimmed.empty() || trimmed.back() != kPathSeparator) PPath = trimmed + kPathSeparator;
}
