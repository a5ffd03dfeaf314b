// Windows folders from the platform layer, and the two path routines.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/TextCase.h"
#include "platform/PathSeparator.h"
#include "platform/a_c_w.h"

namespace {

const std::string S = kPathSeparatorText;

}  // namespace

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

namespace {

class WindirGuard {
 public:
  explicit WindirGuard(const char* value) {
    if (const char* old = std::getenv("WINDIR")) saved_ = old, had_ = true;
    if (value) {
      ::setenv("WINDIR", value, 1);
    } else {
      ::unsetenv("WINDIR");
    }
  }
  ~WindirGuard() {
    if (had_) {
      ::setenv("WINDIR", saved_.c_str(), 1);
    } else {
      ::unsetenv("WINDIR");
    }
  }

 private:
  std::string saved_;
  bool had_ = false;
};

}  // namespace

TEST(a_c_w, FoldersEndInTheSeparator) {
  WindirGuard g(("C:" + S + "WINDOWS").c_str());
  a_c_w w;
  EXPECT_EQ(w.DirWindows(), "C:" + S + "WINDOWS" + S);
  EXPECT_EQ(w.DirSystemWindows(), "C:" + S + "WINDOWS" + S + "system32" + S);
}

TEST(a_c_w, FolderWithTrailingSeparatorIsNotDoubled) {
  WindirGuard g(("C:" + S + "WINDOWS" + S).c_str());
  EXPECT_EQ(a_c_w().DirWindows(), "C:" + S + "WINDOWS" + S);
}

TEST(a_c_w, NoWindowsFolderGivesEmptyTexts) {
  WindirGuard g(nullptr);
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
  std::string p = "C:" + S + "X   ";
  a_c_w::agregarBarra(p);
  EXPECT_EQ(p, "C:" + S + "X" + S);
  p = "C:" + S + "X" + S;
  a_c_w::agregarBarra(p);
  EXPECT_EQ(p, "C:" + S + "X" + S);
  p = "C:" + S + "X" + S + "  ";
  a_c_w::agregarBarra(p);  // already ends in the separator once trimmed: untouched
  EXPECT_EQ(p, "C:" + S + "X" + S + "  ");
}
