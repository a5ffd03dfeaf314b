/*
** Pictures of the Qt program. See QtPicture.h.
*/
#include "graphics/ui/QtPicture.h"

#include <QPainter>

QtPicture::QtPicture(const QIcon& icon, int side)
    : pixmap_(icon.pixmap(QSize(side, side), 1.0)), icon_(icon) {}

QPixmap QtPicture::PixmapOf(const Picture* picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture);
  return own ? own->pixmap_ : QPixmap();
}

QIcon QtPicture::IconOf(const Picture* picture) {
  const auto* own = dynamic_cast<const QtPicture*>(picture);
  if (own == nullptr) return QIcon();
  return own->icon_.isNull() ? QIcon(own->pixmap_) : own->icon_;
}

std::shared_ptr<Picture> QtPicture::Tile(int width, int height,
                                         const std::vector<Rect>& places) const {
  QPixmap target(width, height);
  target.fill(Qt::transparent);
  QPainter painter(&target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const Rect& place : places) {
    painter.drawPixmap(QRect(place.left, place.top, place.width, place.height), pixmap_);
  }
  painter.end();
  return std::make_shared<QtPicture>(std::move(target));
}
