/*
** UTF-8 paths and the platform's. See NativePath.h.
*/
#include "common/NativePath.h"

#include <algorithm>

namespace {

#ifdef _WIN32
// Windows' file calls refuse a path of MAX_PATH (260) characters or more,
// a folder from 248 on, unless the path is written in the extended form
// "\\?\C:\...", which they take as it stands: whole, with "\" only.
constexpr size_t kLongPath = 248;

std::filesystem::path Extended(std::filesystem::path path) {
  const std::wstring& text = path.native();
  if (text.size() < kLongPath || text.rfind(L"\\\\?\\", 0) == 0 || !path.is_absolute()) return path;
  std::wstring normal = path.lexically_normal().native();
  std::replace(normal.begin(), normal.end(), L'/', L'\\');
  if (normal.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + normal.substr(2);
  return L"\\\\?\\" + normal;
}
#endif

}  // namespace

std::filesystem::path NativePath::From(const std::string& utf8) {
  std::filesystem::path path(std::u8string(utf8.begin(), utf8.end()));
#ifdef _WIN32
  path = Extended(std::move(path));
#endif
  return path;
}

std::string NativePath::ToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
