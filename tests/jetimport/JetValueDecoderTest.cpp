// Jet values from their bytes, exact for every type, and Jet text in both
// encodings: Jet 3's code page and Jet 4's UTF-16, compressed or not.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <stdexcept>

#include "jetimport/JetValueDecoder.h"
#include "jetimport/SourceTable.h"

using jetimport::JetCell;
using jetimport::JetColumnType;
using jetimport::JetTextDecoder;
using jetimport::JetValueDecoder;

namespace {

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

template <typename T>
std::string Raw(T value) {
  std::string s(sizeof value, '\0');
  std::memcpy(s.data(), &value, sizeof value);
  return s;
}

// A decimal's 17 bytes: sign, then four little-endian words, most
// significant first.
std::string DecimalBytes(bool negative, uint32_t w3, uint32_t w2, uint32_t w1, uint32_t w0) {
  return std::string(1, negative ? '\x80' : '\0') + Raw(w3) + Raw(w2) + Raw(w1) + Raw(w0);
}

class Decoder : public ::testing::Test {
 protected:
  std::optional<JetCell> Decode(JetColumnType type, const std::string& raw, int scale = 0) {
    return decoder.Decode(static_cast<int>(type), raw, scale);
  }
  JetTextDecoder text{4, 1252};
  JetValueDecoder decoder{text};
};

}  // namespace

TEST_F(Decoder, CurrencyIsItsCountOfTenThousandthsEvenAtTheEdges) {
  const auto max = Decode(JetColumnType::Currency, Raw<int64_t>(INT64_MAX));
  ASSERT_TRUE(max);
  EXPECT_EQ(max->kind, JetCell::Kind::Currency);
  EXPECT_EQ(max->integer, INT64_MAX);  // 922337203685477.5807, no double in between
  EXPECT_EQ(Decode(JetColumnType::Currency, Raw<int64_t>(-35000))->integer, -35000);
  EXPECT_FALSE(Decode(JetColumnType::Currency, Raw<int32_t>(1)));
}

TEST_F(Decoder, DecimalDigitsAndScaleAreExactUpTo28Digits) {
  EXPECT_EQ(JetValueDecoder::Decimal(DecimalBytes(false, 0, 0, 0, 12345), 2), "123.45");
  EXPECT_EQ(JetValueDecoder::Decimal(DecimalBytes(true, 0, 0, 0, 5), 3), "-0.005");
  EXPECT_EQ(JetValueDecoder::Decimal(DecimalBytes(true, 0, 0, 0, 0), 2), "0.00");
  EXPECT_EQ(JetValueDecoder::Decimal(DecimalBytes(false, 0, 0, 0, 4), 0), "4");
  // 10^28 - 1, the largest Access keeps: 0x204FCE5E 3E250261 0FFFFFFF.
  EXPECT_EQ(
      JetValueDecoder::Decimal(DecimalBytes(false, 0, 0x204FCE5E, 0x3E250261, 0x0FFFFFFF), 10),
      "999999999999999999.9999999999");
  const auto cell = Decode(JetColumnType::Numeric, DecimalBytes(true, 0, 0, 1, 0), 0);
  ASSERT_TRUE(cell);
  EXPECT_EQ(cell->kind, JetCell::Kind::Decimal);
  EXPECT_EQ(cell->text, "-4294967296");
  EXPECT_FALSE(JetValueDecoder::Decimal(std::string(16, '\0'), 0));
}

TEST_F(Decoder, ReplicationIdsReadAsWindowsShowsThem) {
  const std::string raw = "\x78\x56\x34\x12\x34\x12\x78\x56\x9A\xBC\xDE\xF0\x01\x02\x03\x04";
  EXPECT_EQ(JetValueDecoder::Guid(raw), "{12345678-1234-5678-9ABC-DEF001020304}");
  EXPECT_EQ(Decode(JetColumnType::ReplicationId, raw)->kind, JetCell::Kind::Text);
  EXPECT_FALSE(JetValueDecoder::Guid("short"));
}

TEST_F(Decoder, NumbersDatesAndBytesKeepTheirValues) {
  EXPECT_EQ(Decode(JetColumnType::Byte, "\xFF")->integer, 255);
  EXPECT_EQ(Decode(JetColumnType::Integer, Raw<int16_t>(-2))->integer, -2);
  EXPECT_EQ(Decode(JetColumnType::Long, Raw<int32_t>(INT32_MIN))->integer, INT32_MIN);
  // A Single reads as Jet shows it, and goes back to the same Single.
  EXPECT_EQ(Decode(JetColumnType::Single, Raw(1.1f))->number, 1.1);
  EXPECT_EQ(static_cast<float>(JetValueDecoder::Single(3.4028235e38f)), 3.4028235e38f);
  const auto date = Decode(JetColumnType::DateTime, Raw(27293.5 + 1.0 / 86400));
  EXPECT_EQ(date->kind, JetCell::Kind::Date);
  EXPECT_EQ(date->number, 27293.5 + 1.0 / 86400);
  const std::string ole("\x00\x01\xFF\x00", 4);
  EXPECT_EQ(Decode(JetColumnType::OleObject, ole)->text, ole);
  EXPECT_EQ(Decode(JetColumnType::Text, std::string("\xFF\xFE\xF1", 3))->text, "ñ");
  EXPECT_FALSE(Decode(JetColumnType::Text, "odd"));
  EXPECT_FALSE(Decode(JetColumnType::Long, Raw<int16_t>(1)));
  EXPECT_FALSE(Decode(JetColumnType::Complex, Raw<int32_t>(1)));
}

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
