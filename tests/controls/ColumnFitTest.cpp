// How a list's columns grow to show their texts whole: only while the list
// has room, the smallest need first, never below the described width.
#include <gtest/gtest.h>

#include "controls/ColumnFit.h"

TEST(ColumnFit, TheColumnsGrowToTheirTextsWhileTheListHasRoom) {
  // The address editor's list: street, number, locality (pixels at 96 DPI),
  // and a five-digit number one character too wide for its column.
  const std::vector<int> described = {133, 33, 67};
  EXPECT_EQ(ColumnFit::Widths(described, {120, 38, 60}, 420), (std::vector<int>{133, 38, 67}));
  // Every column grows when the room allows it.
  EXPECT_EQ(ColumnFit::Widths(described, {200, 38, 150}, 420), (std::vector<int>{200, 38, 150}));
  // Not enough room for all: the smaller needs first, then nothing that
  // would overflow; the long street keeps its width (and its tooltip).
  EXPECT_EQ(ColumnFit::Widths(described, {400, 38, 90}, 300), (std::vector<int>{133, 38, 90}));
  // No room at all: the described widths, which never shrink.
  EXPECT_EQ(ColumnFit::Widths(described, {10, 40, 10}, 200), described);
  EXPECT_EQ(ColumnFit::Widths({}, {}, 100), std::vector<int>{});
}
