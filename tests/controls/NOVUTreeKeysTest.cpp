// The lazy tree's node keys: built from codes and key values, read back at
// fixed positions, and the platform's Val they read numbers with.
#include <gtest/gtest.h>

#include "controls/NOVUTreeKeys.h"
#include "support/ErrorOf.h"

TEST(NOVUTreeKeys, KeysAreBuiltAndReadBackAtFixedPositions) {
  EXPECT_EQ(NOVUTreeKeys::Clave({}, int32_t{1}), "A000001");
  EXPECT_EQ(NOVUTreeKeys::Clave({int32_t{12}}, int32_t{7}), "A000012000007");
  EXPECT_EQ(NOVUTreeKeys::Clave({"12abc", "x"}, int32_t{7}), "A000012000000000007");
  EXPECT_EQ(NOVUTreeKeys::Clave({int32_t{1234567}}, int32_t{7}), "A1234567000007");
  EXPECT_EQ(NOVUTreeKeys::ClaveNodo({7, 12}), "A000012000007");
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000007"), (std::vector<double>{7}));
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000012000007"), (std::vector<double>{7, 12}));
  // Two values and a code (19 characters) read back as two elements only.
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000012000003000008"), (std::vector<double>{8, 12}));
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000012000003000005000009"),
            (std::vector<double>{9, 12, 3}));
  EXPECT_EQ(NOVUTreeKeys::Val("  1 2.5e1x"), 125);
  EXPECT_EQ(NOVUTreeKeys::Val("&H1F"), 31);
  EXPECT_EQ(NOVUTreeKeys::Val("-7"), -7);
  EXPECT_EQ(NOVUTreeKeys::Val("abc"), 0);
  EXPECT_EQ(NOVUTreeKeys::Val("."), 0);
  EXPECT_EQ(ErrorOf([] { NOVUTreeKeys::ValorDe(Variant::Null()); }), 94);
}
