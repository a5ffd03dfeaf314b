/*
** Names between UTF-8 and UTF-16, and UTF-8 paths on the file system: an
** accent, a letter beyond the ANSI code page and a character beyond the
** 16-bit range come back unchanged; a broken text shows broken.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/NativePath.h"
#include "common/WideText.h"
#include "support/TempDir.h"

namespace {

TEST(WideText, NamesComeBackAsTheyWent) {
  for (const std::string text :
       {"", "VORA12", "D:\\Aplicativos\\Año 2024", "Şahin ₲ €", "𝄞 clave"}) {
    EXPECT_EQ(WideText::ToUtf8(WideText::FromUtf8(text)), text);
  }
  EXPECT_EQ(WideText::FromUtf8("ñ"), u"ñ");
  EXPECT_EQ(WideText::FromUtf8("𝄞"), std::u16string({0xD834, 0xDD1E}));
}

TEST(WideText, BrokenTextShowsAsReplacementCharacters) {
  EXPECT_EQ(WideText::FromUtf8("a\xE1z"), u"a\uFFFDz");                  // a Windows-1252 byte
  EXPECT_EQ(WideText::FromUtf8("\xC3"), u"\uFFFD");                      // cut short
  EXPECT_EQ(WideText::FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong "/"
  EXPECT_EQ(WideText::FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // a surrogate
  EXPECT_EQ(WideText::ToUtf8(std::u16string({u'x', 0xD800})), "x\xEF\xBF\xBD");
  EXPECT_EQ(WideText::ToUtf8(std::u16string({0xDC00, u'y'})), "\xEF\xBF\xBDy");
}

// The file system sees the names the system gives: listing a folder gives
// back, byte for byte, the UTF-8 names its files were made with, also
// beyond Windows-1252 and beyond the old 260-character limit of paths.
TEST(NativePath, AccentedAndLongPathsReachTheFileSystemWhole) {
  TempDir dir;
  const std::string names[] = {"Año ñandú.mdb", "Şube ₲.txt", "plain.txt"};
  for (const auto& name : names) {
    std::ofstream(NativePath::From(dir.File(name))) << name;
  }
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    const std::string name = NativePath::ToUtf8(entry.path().filename());
    EXPECT_NE(std::find(std::begin(names), std::end(names), name), std::end(names)) << name;
    std::ifstream in(entry.path());
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, name);
    ++seen;
  }
  EXPECT_EQ(seen, 3);

  std::string deep = dir.File("");
  for (int i = 0; i < 20; ++i) deep += "carpeta número " + std::to_string(i) + "/";
  ASSERT_GT(deep.size(), 260u);
  std::filesystem::create_directories(NativePath::From(deep));
  std::ofstream(NativePath::From(deep + "VORA12.mdb")) << "x";
  EXPECT_TRUE(std::filesystem::exists(NativePath::From(deep + "VORA12.mdb")));
}

}  // namespace
