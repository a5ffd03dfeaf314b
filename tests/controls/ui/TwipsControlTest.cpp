// The twips that controls are placed in, on a real widget.
#include <gtest/gtest.h>

#include "controls/ui/NOVUInfoRep.h"
#include "controls/ui/Twips.h"

// A control keeps the twips its form gave it, however they round to
// pixels, and takes a size in pixels back into twips only when a layout
// sized it.
TEST(TwipsControl, KeepsTwipsExactAndFollowsPixelResizes) {
  NOVUInfoRep control;
  control.Move(120, 1920, 4217, 1337);
  control.show();
  EXPECT_EQ(control.LeftTwips(), 120);
  EXPECT_EQ(control.TopTwips(), 1920);
  EXPECT_EQ(control.WidthTwips(), 4217);
  EXPECT_EQ(control.HeightTwips(), 1337);
  EXPECT_EQ(control.geometry(), Twips::ToPixels(QRect(120, 1920, 4217, 1337), control));

  control.resize(Twips::ToPixelsX(6000, control), Twips::ToPixelsY(2000, control));
  EXPECT_EQ(control.WidthTwips(), Twips::FromPixelsX(control.width(), control));
  EXPECT_EQ(control.Modelo().LstInfo().width, control.WidthTwips() - 20);
}
