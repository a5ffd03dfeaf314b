// Pictures of the Qt program: what the widgets get back of a picture the
// logic passed on, and an icon's own drawing for a screen scaled to twice
// the size.
#include <gtest/gtest.h>

#include <QIcon>
#include <QPainter>
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
  const auto rojo = QtPicture::From(Filled(8, Qt::red));
  EXPECT_EQ(rojo->Width(), 8);
  EXPECT_EQ(QtPicture::PixmapOf(rojo.get()).toImage().pixelColor(4, 4), QColor(Qt::red));
  EXPECT_EQ(QtPicture::IconOf(rojo.get()).pixmap(8, 8).toImage().pixelColor(4, 4), QColor(Qt::red));

  const FakePicture otra(8, 8);
  EXPECT_TRUE(QtPicture::PixmapOf(&otra).isNull());
  EXPECT_TRUE(QtPicture::IconOf(&otra).isNull());
  EXPECT_TRUE(QtPicture::PixmapOf(nullptr).isNull());
  EXPECT_TRUE(QtPicture::IconOf(nullptr).isNull());
  EXPECT_TRUE(Picture::IsNone(QtPicture::From(QPixmap()).get()));
}

TEST(QtPicture, AnIconKeepsItsDrawingForEachScale) {
  // Red at its own size, blue drawn for a screen scaled twice.
  QIcon icono;
  icono.addPixmap(Filled(16, Qt::red));
  QPixmap doble = Filled(32, Qt::blue);
  doble.setDevicePixelRatio(2.0);
  icono.addPixmap(doble);

  const auto picture = QtPicture::FromIcon(icono, 16);
  EXPECT_EQ(picture->Width(), 16);
  EXPECT_EQ(picture->Height(), 16);
  EXPECT_EQ(QtPicture::PixmapOf(picture.get()).toImage().pixelColor(8, 8), QColor(Qt::red));
  const QPixmap escalado = QtPicture::IconOf(picture.get()).pixmap(QSize(16, 16), 2.0);
  EXPECT_EQ(escalado.toImage().pixelColor(16, 16), QColor(Qt::blue));
}
