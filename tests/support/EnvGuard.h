// Sets (or, with nullptr, removes) an environment variable for one test and
// puts the previous value back afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/NativePath.h"

#ifdef _WIN32
#include "common/WideText.h"
#endif

class EnvGuard {
 public:
  EnvGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old, had_ = true;
    Set(value);
  }
  EnvGuard(const char* name, const std::filesystem::path& value)
      : EnvGuard(name, NativePath::ToUtf8(value).c_str()) {}
  ~EnvGuard() { Set(had_ ? saved_.c_str() : nullptr); }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

 private:
  void Set(const char* value) {
#ifdef _WIN32
    // The wide form: an accented value reaches the wide calls unchanged
    // (an empty value removes the variable, as Windows has no empty ones).
    _wputenv_s(WideText::Wide(name_).c_str(), WideText::Wide(value ? value : "").c_str());
#else
    if (value) {
      ::setenv(name_.c_str(), value, 1);
    } else {
      ::unsetenv(name_.c_str());
    }
#endif
  }
  std::string name_;
  std::string saved_;
  bool had_ = false;
};
