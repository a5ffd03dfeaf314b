// Text of the maker's files in the ANSI code page or in UTF-8.
#include <gtest/gtest.h>

#include "platform/AnsiText.h"

TEST(AnsiTextTest, Utf8IsKeptAndAnythingElseIsWindows1252) {
  EXPECT_EQ(AnsiText::ToUtf8("C:\\Aplicaci\xF3n"), "C:\\Aplicación");
  EXPECT_EQ(AnsiText::ToUtf8("C:\\Aplicación"), "C:\\Aplicación");
  EXPECT_EQ(AnsiText::ToUtf8("C:\\NOVU"), "C:\\NOVU");
  EXPECT_EQ(AnsiText::ToUtf8("\x80 \x93x\x94 \x9F \xD1"), "€ “x” Ÿ Ñ");
  // The bytes that the code page leaves undefined, as Windows decodes them.
  EXPECT_EQ(AnsiText::ToUtf8("\x81\x8D"), "\xC2\x81\xC2\x8D");
  // One malformed sequence makes the whole text ANSI: "Ã±" is the two
  // Windows-1252 characters, not a half-decoded "ñ".
  EXPECT_EQ(AnsiText::ToUtf8("\xC3\xB1\xF1"), "Ã±ñ");
}

TEST(AnsiTextTest, OnlyWellFormedUtf8IsUtf8) {
  EXPECT_TRUE(AnsiText::IsUtf8(""));
  EXPECT_TRUE(AnsiText::IsUtf8("año € \xF0\x9F\x98\x80"));
  EXPECT_FALSE(AnsiText::IsUtf8("a\xF1o"));            // ANSI "año"
  EXPECT_FALSE(AnsiText::IsUtf8("\xC3"));              // cut short
  EXPECT_FALSE(AnsiText::IsUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(AnsiText::IsUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(AnsiText::IsUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(AnsiText::IsUtf8("\x80"));              // stray continuation
}
