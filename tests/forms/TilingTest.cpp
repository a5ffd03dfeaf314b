// The places of the tiles: own size at 100 percent, scaled tiles sharing
// their edges at other scales, the target always covered, and the
// arguments that would draw nothing or never end.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "forms/Tiling.h"
#include "support/ErrorOf.h"

namespace {

using Tiles = std::vector<Rect>;

// Every pixel of the target lies in some tile.
bool Covers(const Tiles& tiles, int width, int height) {
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      bool inside = false;
      for (const auto& z : tiles) {
        if (x >= z.left && x < z.left + z.width && y >= z.top && y < z.top + z.height) {
          inside = true;
          break;
        }
      }
      if (!inside) return false;
    }
  }
  return true;
}

}  // namespace

TEST(TilingTest, TilesKeepTheirOwnSizeBothEndsCountAndHalfSizeDoublesThem) {
  // 100 / 32 = 3.125 rounds to 3: columns 0..3; 40 / 16 = 2.5 rounds to
  // 2 (ties to even): rows 0..2.
  const Tiles tiles = Tiling::Teselas(32, 16, 100, 40, 100);
  ASSERT_EQ(tiles.size(), 12u);
  EXPECT_EQ(tiles.front(), (Rect{0, 0, 32, 16}));
  EXPECT_EQ(tiles[1], (Rect{0, 16, 32, 16}));
  EXPECT_EQ(tiles[3], (Rect{32, 0, 32, 16}));
  EXPECT_EQ(tiles.back(), (Rect{96, 32, 32, 16}));
  for (const auto& z : tiles) EXPECT_EQ(std::make_pair(z.width, z.height), std::make_pair(32, 16));
  EXPECT_TRUE(Covers(tiles, 100, 40));

  // At half size, twice as many tiles each way.
  const Tiles half = Tiling::Teselas(20, 20, 200, 100, 50);
  EXPECT_EQ(Tiling::Teselas(20, 20, 200, 100, 100).size(), 11u * 6u);
  EXPECT_EQ(half.size(), 21u * 11u);  // columns 0..20, against 0..10 at full size
  for (const auto& z : half) EXPECT_EQ(std::make_pair(z.width, z.height), std::make_pair(10, 10));
  EXPECT_EQ(half.back(), (Rect{200, 100, 10, 10}));
  EXPECT_TRUE(Covers(half, 200, 100));
}

TEST(TilingTest, ScaledTilesLeaveNoGapsAtAnySize) {
  // 10 px at 45 percent is 4.5 px: tiles of 4 and 5 pixels that meet.
  for (const double percent : {45.0, 55.0, 33.3, 150.0, 99.9, 100.1}) {
    for (const int width : {1, 7, 64, 333}) {
      const Tiles tiles = Tiling::Teselas(10, 7, width, width / 2 + 1, percent);
      EXPECT_TRUE(Covers(tiles, width, width / 2 + 1)) << percent << " " << width;
      for (size_t k = 1; k < tiles.size(); ++k) {
        const auto& a = tiles[k - 1];
        const auto& b = tiles[k];
        if (a.left == b.left) {
          EXPECT_EQ(a.top + a.height, b.top) << percent;
        }
      }
    }
  }
}

TEST(TilingTest, RefusesWhatWouldDrawNothingOrNeverEnd) {
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(10, 10, 100, 100, 0); }), 5);
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(10, 10, 100, 100, -50); }), 5);
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(10, 10, 100, 100, std::nan("")); }), 5);
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(0, 10, 100, 100, 100); }), 5);
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(10, 10, 0, 100, 100); }), 5);
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(10, 10, 100, -1, 100); }), 5);
  // A tile of 0.9 pixels: millions of tiles on a screen-sized target.
  EXPECT_EQ(ErrorOf([] { Tiling::Teselas(9, 100, 100000, 100000, 10); }), 5);
  EXPECT_EQ(Tiling::Teselas(10, 100, 20, 20, 10).size(), 21u * 3u);
}
