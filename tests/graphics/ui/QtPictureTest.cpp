// Pictures of the Qt program: what the widgets get back of a picture the
// logic passed on, and an icon's own drawing for a screen scaled to twice
// the size.
#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>

#include "graphics/ui/QtPicture.h"
#include "support/FakePicture.h"

namespace {

QPixmap Filled(int side, const QColor& colour) {
  QPixmap pixmap(side, side);
  pixmap.fill(colour);
  return pixmap;
}

}  // namespace

TEST(QtPicture, GivesBackItsPixmapAndIconAndNothingForOtherPictures) {
  const auto red = QtPicture::From(Filled(8, Qt::red));
  EXPECT_EQ(red->Width(), 8);
  EXPECT_EQ(QtPicture::PixmapOf(red.get()).toImage().pixelColor(4, 4), QColor(Qt::red));
  EXPECT_EQ(QtPicture::IconOf(red.get()).pixmap(8, 8).toImage().pixelColor(4, 4), QColor(Qt::red));

  const FakePicture other(8, 8);
  EXPECT_TRUE(QtPicture::PixmapOf(&other).isNull());
  EXPECT_TRUE(QtPicture::IconOf(&other).isNull());
  EXPECT_TRUE(QtPicture::PixmapOf(nullptr).isNull());
  EXPECT_TRUE(QtPicture::IconOf(nullptr).isNull());
  EXPECT_TRUE(Picture::IsNone(QtPicture::From(QPixmap()).get()));
}

TEST(QtPicture, AnIconKeepsItsDrawingForEachScale) {
  // Red at its own size, blue drawn for a screen scaled twice.
  QIcon icon;
  icon.addPixmap(Filled(16, Qt::red));
  QPixmap twice = Filled(32, Qt::blue);
  twice.setDevicePixelRatio(2.0);
  icon.addPixmap(twice);

  const auto picture = QtPicture::FromIcon(icon, 16);
  EXPECT_EQ(picture->Width(), 16);
  EXPECT_EQ(picture->Height(), 16);
  EXPECT_EQ(QtPicture::PixmapOf(picture.get()).toImage().pixelColor(8, 8), QColor(Qt::red));
  const QPixmap scaled = QtPicture::IconOf(picture.get()).pixmap(QSize(16, 16), 2.0);
  EXPECT_EQ(scaled.toImage().pixelColor(16, 16), QColor(Qt::blue));
}
