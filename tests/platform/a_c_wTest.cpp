// Windows folders from the platform layer, and the two path routines.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/TextCase.h"
#include "platform/PathSeparator.h"
#include "platform/a_c_w.h"
#include "support/EnvGuard.h"

namespace {

const std::string S = kPathSeparatorText;

#ifdef _WIN32

// Windows names its own folder in WINDIR too; the calls and the variable
// agree, letter case aside.
TEST(a_c_w, FoldersAreTheSystemsAndEndInTheSeparator) {
  const char* windir = std::getenv("WINDIR");
  ASSERT_NE(windir, nullptr);
  a_c_w w;
  EXPECT_TRUE(TextCase::Equal(w.DirWindows(), std::string(windir) + "\\")) << w.DirWindows();
  EXPECT_TRUE(TextCase::Equal(w.DirSystemWindows(), w.DirWindows() + "system32\\"))
      << w.DirSystemWindows();
}

#else

// WINDIR with or without its final separator gives one; no WINDIR, nothing.
TEST(a_c_w, FoldersFollowWindirAndEndInOneSeparator) {
  for (const std::string& windir : {"C:" + S + "WINDOWS", "C:" + S + "WINDOWS" + S}) {
    EnvGuard g("WINDIR", windir.c_str());
    EXPECT_EQ(a_c_w().DirWindows(), "C:" + S + "WINDOWS" + S) << windir;
    EXPECT_EQ(a_c_w().DirSystemWindows(), "C:" + S + "WINDOWS" + S + "system32" + S);
  }
  EnvGuard none("WINDIR", nullptr);
  EXPECT_EQ(a_c_w().DirWindows(), "");
  EXPECT_EQ(a_c_w().DirSystemWindows(), "");
}

#endif

TEST(a_c_w, SacarUltimoCutsAtTheFirstNul) {
  EXPECT_EQ(a_c_w::SacarUltimo("sin nulo"), "sin nulo");
  EXPECT_EQ(a_c_w::SacarUltimo(std::string("\0resto", 6)), "");
  EXPECT_EQ(a_c_w::SacarUltimo(std::string("C:\0\0  ", 6)), "C:");
}

TEST(a_c_w, AgregarBarraDropsTrailingBlanksOnlyWhenItAddsTheSeparator) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:" + S + "X   ", "C:" + S + "X" + S},
      {"C:" + S + "X" + S, "C:" + S + "X" + S},
      // Already ends in the separator once trimmed: untouched.
      {"C:" + S + "X" + S + "  ", "C:" + S + "X" + S + "  "}};
  for (auto [path, expected] : cases) {
    a_c_w::agregarBarra(path);
    EXPECT_EQ(path, expected);
  }
}

}  // namespace
