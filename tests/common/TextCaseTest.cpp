/*
** The one case-insensitive comparison: every letter of Latin-1 and Latin
** Extended-A folds with its pair, accents and other scripts still count,
** and Fold gives equal keys exactly for equal texts.
*/
#include <gtest/gtest.h>

#include <string>

#include "common/TextCase.h"

namespace {

TEST(TextCase, AccentedLettersMatchTheirOtherCase) {
  EXPECT_TRUE(TextCase::Equal("Situación", "SITUACIÓN"));
  EXPECT_TRUE(TextCase::Equal("AÑO", "año"));
  EXPECT_TRUE(TextCase::Equal("ÀÉÎÕÜÇÆØÞ", "àéîõüçæøþ"));
  EXPECT_TRUE(TextCase::Equal("ŁÓDŹ", "łódź"));
  EXPECT_TRUE(TextCase::Equal("Ÿ", "ÿ"));
  EXPECT_TRUE(TextCase::Equal("Clave", "CLAVE"));
  EXPECT_TRUE(TextCase::Equal("", ""));
}

TEST(TextCase, AccentsLengthsAndOtherScriptsStillCount) {
  EXPECT_FALSE(TextCase::Equal("Peña", "Pena"));
  EXPECT_FALSE(TextCase::Equal("Año", "Añoo"));
  EXPECT_FALSE(TextCase::Equal("Año", "An"));
  EXPECT_FALSE(TextCase::Equal("×", "÷"));  // no letters, no pair
  EXPECT_FALSE(TextCase::Equal("Ω", "ω"));  // beyond the folded ranges
  // A broken byte is itself: it neither matches a letter nor is dropped.
  EXPECT_FALSE(TextCase::Equal("A\xC3", "a"));
  EXPECT_TRUE(TextCase::Equal("A\xC3", "a\xC3"));
  EXPECT_FALSE(TextCase::Equal("\xC3", "\xE3"));
}

TEST(TextCase, FoldIsTheKeyOfEqualTexts) {
  const char* texts[] = {"Situación", "SITUACIÓN", "situacion", "AÑO", "año",  "Año ",
                         "İ",         "i",         "ſ",         "S",   "\xC3", "Straße"};
  for (const char* a : texts) {
    for (const char* b : texts) {
      EXPECT_EQ(TextCase::Equal(a, b), TextCase::Fold(a) == TextCase::Fold(b)) << a << " / " << b;
    }
  }
  EXPECT_EQ(TextCase::Fold("SITUACIÓN"), "situación");
}

TEST(TextCase, UpperAndLowerChangeEveryPairedLetter) {
  EXPECT_EQ(TextCase::Upper("año ñandú ÿ œ"), "AÑO ÑANDÚ Ÿ Œ");
  EXPECT_EQ(TextCase::Lower("AÑO ÑANDÚ Ÿ Œ"), "año ñandú ÿ œ");
  EXPECT_EQ(TextCase::Upper("ß×÷"), "ß×÷");
  EXPECT_EQ(TextCase::Upper("text (10)"), "TEXT (10)");
}

}  // namespace
