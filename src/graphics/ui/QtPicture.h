/*
** QtPicture: a picture of the Qt program behind the Picture that the logic
** passes on: a QPixmap, or an icon drawn at a fixed size.
**
** A picture made from an icon keeps the icon, so that a widget painting it
** on a screen scaled to twice the size gets the icon's own drawing for that
** scale rather than an enlargement (IconOf); everywhere else it is the
** icon's pixmap at that size.
**
** Tile draws the whole pixmap into each place with smooth scaling when a
** place's size differs from the picture's, on a transparent target; places
** reaching past the edges are clipped by the painter.
*/
#pragma once

#include <QIcon>
#include <QPixmap>
#include <memory>

#include "graphics/Picture.h"

class QtPicture : public Picture {
 public:
  explicit QtPicture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}
  QtPicture(const QIcon& icon, int side);

  static std::shared_ptr<QtPicture> From(const QPixmap& pixmap) {
    return std::make_shared<QtPicture>(pixmap);
  }
  static std::shared_ptr<QtPicture> FromIcon(const QIcon& icon, int side) {
    return std::make_shared<QtPicture>(icon, side);
  }
  // The pixmap of a picture made by this program; an empty pixmap for an
  // empty reference or a picture of another kind.
  static QPixmap PixmapOf(const Picture* picture);
  // The icon of a picture made by this program (one of its pixmap when it
  // was made from a pixmap); an empty icon otherwise.
  static QIcon IconOf(const Picture* picture);

  int Width() const override { return pixmap_.width(); }
  int Height() const override { return pixmap_.height(); }
  std::shared_ptr<Picture> Tile(int width, int height,
                                const std::vector<Rect>& places) const override;

  const QPixmap& Pixmap() const { return pixmap_; }

 private:
  QPixmap pixmap_;
  QIcon icon_;
};
