// A scratch folder for one test, removed with everything in it afterwards.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "common/NativePath.h"

class TempDir {
 public:
  // A new folder under the system's temporary folder, made by this test
  // alone: create_directory refuses a name that exists.
  TempDir() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
      char name[32];
      std::snprintf(name, sizeof name, "remendor-test-%08x", static_cast<unsigned>(random()));
      path_ = base / name;
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const {
    // Written with "/" in the tests, shown as the system writes paths.
    return NativePath::ToUtf8((path_ / NativePath::From(name)).make_preferred());
  }

 private:
  std::filesystem::path path_;
};

inline std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(NativePath::From(path), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// The same bytes as one text.
inline std::string Slurp(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

inline void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(NativePath::From(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// The host's scrambling: bytes 0, 10, ... 390 XOR 0x3B.
inline void ToggleScrambling(const std::string& path) {
  auto bytes = ReadBytes(path);
  for (size_t i = 0; i <= 390 && i < bytes.size(); i += 10) bytes[i] ^= 0x3B;
  WriteBytes(path, bytes);
}
