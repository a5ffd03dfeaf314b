/*
** The one case-insensitive comparison: every letter of Latin-1 and Latin
** Extended-A folds with its pair, accents and other scripts still count,
** and Fold gives equal keys exactly for equal texts.
*/
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "common/TextCase.h"

namespace {

// Letters match their other case; accents, lengths and other scripts
// still count, and a broken byte is itself: it neither matches a letter
// nor is dropped.
TEST(TextCase, AccentedLettersMatchTheirOtherCaseAndNothingElse) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"Situación", "SITUACIÓN", true},
      {"AÑO", "año", true},
      {"ÀÉÎÕÜÇÆØÞ", "àéîõüçæøþ", true},
      {"ŁÓDŹ", "łódź", true},
      {"Ÿ", "ÿ", true},
      {"", "", true},
      {"Peña", "Pena", false},
      {"Año", "Añoo", false},
      {"Año", "An", false},
      {"×", "÷", false},  // no letters, no pair
      {"Ω", "ω", false},  // beyond the folded ranges
      {"A\xC3", "a", false},
      {"A\xC3", "a\xC3", true},
      {"\xC3", "\xE3", false}};
  for (const auto& [a, b, equal] : cases)
    EXPECT_EQ(TextCase::Equal(a, b), equal) << a << " / " << b;
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
