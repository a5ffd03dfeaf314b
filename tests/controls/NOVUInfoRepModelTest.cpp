// The operation result list's geometry, in twips.
#include <gtest/gtest.h>

#include "controls/NOVUInfoRepModel.h"

TEST(NOVUInfoRepModel, FillsWithTenTwipMarginsAndNeverGoesNegative) {
  NOVUInfoRepModel g;
  EXPECT_EQ(g.AnchoColumna(), 4075);  // design size, before any resize

  g.Redimensionar(6000, 2000);
  EXPECT_EQ(g.LstInfo(), (Rect{10, 10, 5980, 1980}));
  EXPECT_EQ(g.AnchoColumna(), 5480);

  g.Redimensionar(400, 300);
  EXPECT_EQ(g.LstInfo().width, 380);
  EXPECT_EQ(g.AnchoColumna(), 0);

  g.Redimensionar(15, 5);
  EXPECT_EQ(g.LstInfo().width, 0);
  EXPECT_EQ(g.LstInfo().height, 0);
  EXPECT_EQ(g.AnchoColumna(), 0);
}
