// Font installation: the Windows calls' arguments, the order of the steps
// behind the platform seam, and the user's fonts folder. That fontconfig
// finds the fonts installed there is the barcode font test's part, which
// draws them.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "common/NativePath.h"
#include "common/WideText.h"
#include "platform/FontInstallCalls.h"
#include "platform/FontPlatform.h"
#include "platform/ScopedService.h"
#ifndef _WIN32
#include "platform/XdgFontPlatform.h"
#endif
#include "platform/a_c_w.h"
#include "support/EnvGuard.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// Records each step; the fonts folder is a scratch folder.
class RecordingFontPlatform : public FontPlatform {
 public:
  explicit RecordingFontPlatform(std::string folder) : folder_(std::move(folder)) {}
  std::string FontsFolder() override { return folder_; }
  void CreateScalableResource(const fontcalls::ScalableResource& c) override {
    steps.push_back("resource " + c.resourceFile + " | " + c.fontFile + " | " + c.path);
  }
  void RegisterFont(const std::string& fontFile) override { steps.push_back("add " + fontFile); }
  void RecordInProfile(const fontcalls::ProfileEntry& c) override {
    steps.push_back("profile [" + c.section + "] " + c.key + "=" + c.value);
  }
  void BroadcastFontChange(const fontcalls::Broadcast& c) override {
    steps.push_back("post " + std::to_string(c.window) + " " + std::to_string(c.message));
  }
  std::vector<std::string> steps;

 private:
  std::string folder_;
};

class InstalarFuenteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.Path() / "app");
    std::ofstream(dir.File("app/3of9.ttf")) << "code 39";
    std::ofstream(dir.File("app/bar25IT.ttf")) << "2 of 5";
  }

  std::string App() const { return (dir.Path() / "app").string(); }
  // WINDIR's system32 here; on Windows, Windows' own (the fonts still go
  // where the recording platform says).
  std::string System() const { return a_c_w().DirSystemWindows(); }
  // The four steps that register `font` (a "name.ttf") under `key`.
  std::vector<std::string> Steps(const std::string& font, const std::string& key) const {
    const std::string fot = System() + font.substr(0, font.size() - 3) + "Fot";
    return {"resource " + fot + " | " + font + " | " + System().substr(1), "add " + font,
            "profile [Fonts] " + key + "=" + fot, "post 65535 29"};
  }

  TempDir dir;
  EnvGuard windir{"WINDIR", (dir.Path() / "WINDOWS").c_str()};
  ScopedService<RecordingFontPlatform> platform{
      std::make_shared<RecordingFontPlatform>((dir.Path() / "fonts").string() + "/")};
};

}  // namespace

// Every type but 1 is the interleaved font; with no system folder the
// resource's path is empty rather than a cut of nothing.
TEST(FontInstallCallsTest, OtherTypesAndNoSystemFolder) {
  for (int32_t other : {0, 2, -1, 25}) {
    EXPECT_EQ(fontcalls::FontSetFor(other).profileKey, "Bar Code25 InterleaveTall") << other;
  }
  EXPECT_EQ(fontcalls::ScalableResourceFor(fontcalls::FontSetFor(1), "").path, "");
}

TEST_F(InstalarFuenteTest, CopiesOnceThenRepeatsTheRegistration) {
  a_c_w().InstalarFuente(App(), 1);
  EXPECT_EQ(Slurp(dir.File("fonts/3of9.ttf")), "code 39");
  EXPECT_EQ(platform->steps, Steps("3of9.ttf", "3 of 9"));
  // A second call finds the font installed: it copies nothing, even a newer
  // file, and registers again.
  std::ofstream(dir.File("app/3of9.ttf")) << "newer";
  platform->steps.clear();
  a_c_w().InstalarFuente(App(), 1);
  EXPECT_EQ(Slurp(dir.File("fonts/3of9.ttf")), "code 39");
  EXPECT_EQ(platform->steps, Steps("3of9.ttf", "3 of 9"));
  EXPECT_FALSE(fs::exists(dir.Path() / "fonts" / "bar25IT.ttf"));
}

TEST_F(InstalarFuenteTest, FontMissingFromTheSourceFolderIsRegisteredAnyway) {
  fs::remove(dir.Path() / "app" / "bar25IT.ttf");
  a_c_w().InstalarFuente(App(), 7);
  EXPECT_FALSE(fs::exists(dir.Path() / "fonts" / "bar25IT.ttf"));
  EXPECT_EQ(platform->steps, Steps("bar25IT.ttf", "Bar Code25 InterleaveTall"));
}

TEST_F(InstalarFuenteTest, FailedCopyIsRaisedAndLeavesNothingBehind) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows keeps no write permission on folders: a read-only folder takes files";
#else
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
#endif
  fs::create_directories(dir.Path() / "fonts");
  fs::permissions(dir.Path() / "fonts", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(ErrorOf([&] { a_c_w().InstalarFuente(App(), 1); }), 70);
  EXPECT_TRUE(platform->steps.empty());  // nothing after the failed step
  fs::permissions(dir.Path() / "fonts", fs::perms::owner_all);
  EXPECT_TRUE(fs::is_empty(dir.Path() / "fonts"));
}

TEST_F(InstalarFuenteTest, FontsFolderThatIsAFileIsRaised) {
  // Works for root too: nothing can be created below a regular file.
  std::ofstream(dir.File("fonts")) << "not a folder";
  EXPECT_NE(ErrorOf([&] { a_c_w().InstalarFuente(App(), 2); }), 0);
  EXPECT_TRUE(platform->steps.empty());
}

#ifdef _WIN32

// The real calls, in the Windows this runs on (Wine's, in CI): the font
// lands in the fonts folder, the profile names its resource file, and the
// font is usable at once by its family name. (The resource file itself is
// not made: the path the installed applications pass for it names the
// system folder, while the font lies in the fonts folder.)
TEST(WindowsFontPlatformTest, BarcodeFontIsInstalledAndUsable) {
  const char* bin = std::getenv("REMENDOR_BIN_DIR");
  if (!bin || !fs::exists(fs::path(bin) / "3of9.ttf")) GTEST_SKIP() << "fonts not built";
  const std::string windows = a_c_w().DirWindows();
  a_c_w().InstalarFuente(bin, 1);
  EXPECT_TRUE(fs::exists(NativePath::From(windows + "fonts\\3of9.ttf")));
  wchar_t value[MAX_PATH] = {};
  GetProfileStringW(L"Fonts", L"3 of 9", L"", value, MAX_PATH);
  EXPECT_EQ(WideText::Narrow(value), a_c_w().DirSystemWindows() + "3of9.Fot");

  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcscpy(wanted.lfFaceName, L"3 of 9");
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM seen) -> int {
        *reinterpret_cast<bool*>(seen) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(found) << "the family \"3 of 9\" is not known to the system";
}

#else

TEST(XdgFontPlatformTest, FontsFolderFollowsTheBaseDirectoryRules) {
  EnvGuard home("HOME", "/home/operador");
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/datos", "/tmp/datos/fonts/"},
      {nullptr, "/home/operador/.local/share/fonts/"},
      {"relativo/datos", "/home/operador/.local/share/fonts/"}};  // ignored, as the rules say
  for (const auto& [data, folder] : cases) {
    EnvGuard guard("XDG_DATA_HOME", data);
    EXPECT_EQ(XdgFontPlatform().FontsFolder(), folder) << (data ? data : "(unset)");
  }
}

#endif
