// The Windows folder that a test writes novuPath.sys (or any file) into.
//
// Off Windows the program finds it through WINDIR: each test gets a
// scratch folder of its own and WINDIR names it until the test ends. On
// Windows the folder is the system's (GetWindowsDirectory), which no
// variable moves: the test writes into it (under Wine, the build's own
// Windows) and every file it wrote is put back as it was, or removed, when
// it ends. Where the folder cannot be written (a real Windows without an
// administrator), Writable() is false and the test skips.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "common/NativePath.h"
#include "support/EnvGuard.h"
#include "support/TempDir.h"

#ifdef _WIN32
#include "platform/PlatformFolders.h"
#endif

class WindowsFolder {
 public:
  WindowsFolder()
#ifdef _WIN32
      : path_(platform::WindowsDirectory()){}
#else
      : path_(NativePath::ToUtf8(dir_.Path() / "windows")), windir_("WINDIR", path_.c_str()) {
    std::filesystem::create_directories(dir_.Path() / "windows");
  }
#endif
        ~WindowsFolder() {
    for (const auto& [name, before] : saved_) {
      const auto file = NativePath::From(path_ + Separator() + name);
      std::error_code ec;
      if (before) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << *before;
      } else {
        std::filesystem::remove(file, ec);
      }
    }
  }
  WindowsFolder(const WindowsFolder&) = delete;
  WindowsFolder& operator=(const WindowsFolder&) = delete;

  // The folder as the system gives it, without a final separator.
  const std::string& Path() const {
    return path_;
  }

  // Writes `content` as the file `name` of the folder; false when the
  // folder cannot be written.
  bool Write(const std::string& name, const std::string& content) {
    const auto file = NativePath::From(path_ + Separator() + name);
    if (!saved_.count(name)) {
      std::ifstream in(file, std::ios::binary);
      saved_[name] = in ? std::optional<std::string>(std::string(std::istreambuf_iterator<char>(in),
                                                                 std::istreambuf_iterator<char>()))
                        : std::nullopt;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out.flush());
  }

  // Removes the file `name` (it is put back afterwards).
  void Remove(const std::string& name) {
    Write(name, "");
    std::error_code ec;
    std::filesystem::remove(NativePath::From(path_ + Separator() + name), ec);
  }

 private:
#ifdef _WIN32
  static const char* Separator() {
    return "\\";
  }
#else
  static const char* Separator() {
    return "/";
  }
  TempDir dir_;
#endif
  std::string path_;
#ifndef _WIN32
  EnvGuard windir_;
#endif
  std::map<std::string, std::optional<std::string>> saved_;
};
