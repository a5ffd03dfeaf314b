// The controls' icons, drawn when first shown: the sizes they answer with,
// a drawing at each size asked up to twice their own, the disabled form,
// and no icon for a name the resources do not hold.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "controls/ui/ControlIcons.h"

namespace {

// How many pixels of the image are not fully transparent.
int Painted(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); y++) {
    for (int x = 0; x < image.width(); x++) n += qAlpha(image.pixel(x, y)) != 0;
  }
  return n;
}

}  // namespace

TEST(ControlIcons, DrawnAtTheSizeAskedUpToTwiceTheirOwn) {
  const QIcon icon = ControlIcons::Icon(QStringLiteral("bot_migrar"), 32);
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(64, 64)}));
  EXPECT_EQ(icon.actualSize(QSize(32, 32)), QSize(32, 32));
  EXPECT_EQ(icon.actualSize(QSize(200, 200)), QSize(64, 64));
  for (int side : {16, 32, 64}) {
    const QImage drawn = icon.pixmap(QSize(side, side), 1.0).toImage();
    EXPECT_EQ(drawn.size(), QSize(side, side));
    // The drawing fills most of its square at every size, not a corner of it.
    EXPECT_GT(Painted(drawn), side * side / 2) << side;
  }
  // A screen at twice the density gets a drawing of twice the pixels.
  const QPixmap dense = icon.pixmap(QSize(32, 32), 2.0);
  EXPECT_EQ(dense.size(), QSize(64, 64));
  EXPECT_EQ(dense.devicePixelRatio(), 2.0);
}

TEST(ControlIcons, DisabledIsTheStylesGreyedFormAndUnknownNamesHaveNoIcon) {
  const QIcon icon = ControlIcons::Icon(QStringLiteral("bot_salir"), 32);
  const QImage normal = icon.pixmap(QSize(32, 32), 1.0, QIcon::Normal).toImage();
  const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage();
  EXPECT_EQ(disabled.size(), normal.size());
  EXPECT_NE(disabled, normal);
  // Asked again, the same drawing.
  EXPECT_EQ(icon.pixmap(QSize(32, 32), 1.0, QIcon::Normal).toImage(), normal);

  EXPECT_TRUE(ControlIcons::Icon(QStringLiteral("no_existe"), 32).isNull());
  EXPECT_FALSE(ControlIcons::Exists(QStringLiteral("no_existe")));
}
