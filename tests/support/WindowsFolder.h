// The Windows folder that a test writes novuPath.sys (or any file) into.
//
// Off Windows the program finds it through WINDIR: each test gets a
// scratch folder of its own and WINDIR names it until the test ends. On
// Windows the folder is the system's (GetWindowsDirectory), which no
// variable moves: the test writes into it (under Wine, the build's own
// Windows) and every file it wrote is put back as it was, or removed, when
// it ends. Where the folder cannot be written (a real Windows without an
// administrator), Write() says false and the test skips.
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
  WindowsFolder() {
#ifndef _WIN32
    std::filesystem::create_directories(File(""));
#endif
  }
  ~WindowsFolder() {
    for (const auto& [name, before] : saved_) {
      std::error_code ec;
      if (before) std::ofstream(File(name), std::ios::binary | std::ios::trunc) << *before;
      if (!before) std::filesystem::remove(File(name), ec);
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
    const std::string file = NativePath::ToUtf8(File(name));
    if (!saved_.count(name)) {
      saved_[name] =
          std::filesystem::exists(File(name)) ? std::optional(Slurp(file)) : std::nullopt;
    }
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    return static_cast<bool>((out << content).flush());
  }

  // Removes the file `name` (it is put back afterwards).
  void Remove(const std::string& name) {
    Write(name, "");
    std::error_code ec;
    std::filesystem::remove(File(name), ec);
  }

 private:
  std::filesystem::path File(const std::string& name) const {
    return NativePath::From(path_) / NativePath::From(name);
  }

#ifdef _WIN32
  std::string path_ = platform::WindowsDirectory();
#else
  TempDir dir_;
  std::string path_ = NativePath::ToUtf8(dir_.Path() / "windows");
  EnvGuard windir_{"WINDIR", path_.c_str()};
#endif
  std::map<std::string, std::optional<std::string>> saved_;
};
