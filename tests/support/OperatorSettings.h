// Windows only: the operator's regional settings for one test, set as the
// Control Panel sets them (SetLocaleInfo) and put back afterwards.
#pragma once

#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class OperatorSettings {
 public:
  OperatorSettings(const wchar_t* decimal, const wchar_t* thousands, const wchar_t* shortDate) {
    for (auto [item, value] :
         {std::pair{LOCALE_SDECIMAL, decimal}, std::pair{LOCALE_STHOUSAND, thousands},
          std::pair{LOCALE_SSHORTDATE, shortDate}}) {
      wchar_t old[80] = {};
      GetLocaleInfoW(LOCALE_USER_DEFAULT, item, old, 80);
      saved_.emplace_back(item, old);
      EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, item, value));
    }
  }
  ~OperatorSettings() {
    for (const auto& [item, value] : saved_)
      SetLocaleInfoW(LOCALE_USER_DEFAULT, item, value.c_str());
  }
  OperatorSettings(const OperatorSettings&) = delete;
  OperatorSettings& operator=(const OperatorSettings&) = delete;

 private:
  std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

#endif
