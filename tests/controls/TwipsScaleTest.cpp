// Twips, the controls' unit, against pixels at a screen's resolution.
#include <gtest/gtest.h>

#include "controls/TwipsScale.h"

TEST(TwipsScale, ConvertsAtTheScreensResolution) {
  EXPECT_EQ(TwipsScale::ToPixels(555, 96), 37);
  EXPECT_EQ(TwipsScale::ToPixels(800, 96), 53);
  EXPECT_EQ(TwipsScale::ToPixels(1440, 144), 144);
  EXPECT_EQ(TwipsScale::FromPixels(37, 96), 555);
  EXPECT_EQ(TwipsScale::FromPixels(1, 120), 12);

  // Across and down at their own resolutions; nothing is less than empty.
  EXPECT_EQ(TwipsScale::ToPixels(Rect{1440, 720, 2880, 1440}, 96, 120), (Rect{96, 60, 192, 120}));
  EXPECT_EQ(TwipsScale::ToPixels(Rect{-15, 0, -300, -1}, 96, 96), (Rect{-1, 0, 0, 0}));
}
