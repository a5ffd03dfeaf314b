/*
** The engine's order of texts: Jet's, for a Spanish-speaking operator, and
** a strict weak order, as SQLite's sorting and std::sort need.
*/
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "dao/functions/JetCollation.h"

namespace dao {
namespace {

TEST(JetCollation, OrdersAsJetAndIsAStrictWeakOrder) {
  std::vector<std::string> words = {"zeta",  "Peña",     "pena",  "PENA",   "Penalba", "peña",
                                    "Ñandú", "nandu",    "Æther", "aether", "Straße",  "strasse",
                                    "Ünal",  "unal",     "a",     "",       "A",       "_x",
                                    "9",     "\xff\xfe", "Œuvre", "oeuvre", "Łódź",    "lodz"};
  const auto less = [](const std::string& a, const std::string& b) {
    return JetCollation::Compare(a, b) < 0;
  };
  for (const auto& a : words) {
    EXPECT_FALSE(less(a, a)) << a;
    for (const auto& b : words) {
      EXPECT_EQ(JetCollation::Compare(a, b) < 0, JetCollation::Compare(b, a) > 0)
          << a << " / " << b;
      for (const auto& c : words) {
        if (less(a, b) && less(b, c)) {
          EXPECT_TRUE(less(a, c)) << a << " < " << b << " < " << c;
        }
        const bool ab = !less(a, b) && !less(b, a), bc = !less(b, c) && !less(c, b);
        if (ab && bc) {
          EXPECT_TRUE(!less(a, c) && !less(c, a)) << a << " ~ " << b << " ~ " << c;
        }
      }
    }
  }
  EXPECT_EQ(JetCollation::Compare("PEÑA", "peña"), 0);
  EXPECT_EQ(JetCollation::Compare("ŁÓDŹ", "łódź"), 0);
  EXPECT_LT(JetCollation::Compare("pena", "peña"), 0);
  EXPECT_LT(JetCollation::Compare("peña", "penalba"), 0);
  EXPECT_LT(JetCollation::Compare("nandu", "Ñandú"), 0);
  EXPECT_LT(JetCollation::Compare("Ñandú", "oeuvre"), 0);
  EXPECT_LT(JetCollation::Compare("strasse", "Straße"), 0);
  EXPECT_LT(JetCollation::Compare("Straße", "strassf"), 0);
  EXPECT_LT(JetCollation::Compare("_x", "a"), 0);

  std::mt19937 random(7);
  std::shuffle(words.begin(), words.end(), random);
  std::sort(words.begin(), words.end(), less);
  EXPECT_TRUE(std::is_sorted(words.begin(), words.end(), less));
}

}  // namespace
}  // namespace dao
