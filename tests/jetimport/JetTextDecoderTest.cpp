// Text of Jet files in both encodings: Jet 3's code page and Jet 4's
// UTF-16, compressed or not.
#include <gtest/gtest.h>

#include <stdexcept>

#include "jetimport/JetTextDecoder.h"

using jetimport::JetTextDecoder;

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

}  // namespace

TEST(JetTextDecoder, Jet3TextInWindows1252KeepsAccentsEnyeAndTheEuro) {
  const JetTextDecoder jet3(3, 1252);
  // "Año Peña, Ú € “x” Œ" as an office's Access 97 stores it.
  EXPECT_EQ(jet3.Decode(Bytes({'A', 0xF1, 'o', ' ', 'P', 'e', 0xF1, 'a', ',', ' ', 0xDA, ' ', 0x80,
                               ' ', 0x93, 'x', 0x94, ' ', 0x8C})),
            "Año Peña, Ú € “x” Œ");
  // The five bytes the page leaves undefined stand for the same controls.
  EXPECT_EQ(jet3.Decode(Bytes({0x81, 0x9D})), "\u0081\u009D");
  // A code page of 0 is read as 1252; Jet 4 ignores the page.
  EXPECT_EQ(JetTextDecoder(3, 0).Decode(Bytes({0xD1})), "Ñ");
  EXPECT_EQ(JetTextDecoder(4, 1251).Decode(Bytes({0xD1, 0x00})), "Ñ");
}

TEST(JetTextDecoder, Jet3TextInAnotherCodePageGoesThroughIconv) {
  const JetTextDecoder cyrillic(3, 1251);
  EXPECT_EQ(cyrillic.Decode(Bytes({0xCC, 0xE8, 0xF0, ' ', 'x'})), "Мир x");
  // 0x98 is the one byte that Windows-1251 leaves undefined.
  EXPECT_EQ(cyrillic.Decode(Bytes({'a', 0x98, 'b'})), "a\uFFFDb");
  EXPECT_THROW(JetTextDecoder(3, 99999), std::invalid_argument);
}

TEST(JetTextDecoder, Jet4PlainUtf16JoinsSurrogatesAndRefusesACutCharacter) {
  EXPECT_EQ(JetTextDecoder::FromJet4(Bytes({0xD1, 0, 'a', 0, 'n', 0, 'd', 0, 0xFA, 0})), "Ñandú");
  EXPECT_EQ(JetTextDecoder::FromJet4(Bytes({0x3D, 0xD8, 0x00, 0xDE})), "😀");
  EXPECT_EQ(JetTextDecoder::FromJet4(Bytes({0x3D, 0xD8, 'a', 0})), "\uFFFDa");
  EXPECT_EQ(JetTextDecoder::FromJet4(""), "");
  EXPECT_FALSE(JetTextDecoder::FromJet4(Bytes({'a', 0, 'b'})));
}

TEST(JetTextDecoder, Jet4CompressedTextSwitchesRunsAtEachZeroByte) {
  // "año " compressed, then "мир" two bytes a character, then "!" compressed.
  EXPECT_EQ(JetTextDecoder::FromJet4(Bytes({0xFF, 0xFE, 'a', 0xF1, 'o', ' ', 0x00, 0x3C, 0x04, 0x38,
                                            0x04, 0x40, 0x04, 0x00, '!'})),
            "año мир!");
  EXPECT_EQ(JetTextDecoder::FromJet4(Bytes({0xFF, 0xFE})), "");
  EXPECT_FALSE(JetTextDecoder::FromJet4(Bytes({0xFF, 0xFE, 'a', 0x00, 0x3C})));
}
