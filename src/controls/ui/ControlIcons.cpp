/*
** The controls' icons. See ControlIcons.h.
*/
#include "controls/ui/ControlIcons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources of a static library are linked in only when something
// refers to them; this does, before the first icon is read.
static void EnsureControlResources() {
  static const bool loaded = [] {
    Q_INIT_RESOURCE(controls);
    return true;
  }();
  (void)loaded;
}

namespace {

QString PathOf(const QString& name) {
  return QStringLiteral(":/controls/icons/%1.svg").arg(name);
}

QPixmap Render(QSvgRenderer& renderer, int size, qreal ratio) {
  QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

bool ControlIcons::Exists(const QString& name) {
  EnsureControlResources();
  return QFile::exists(PathOf(name));
}

QIcon ControlIcons::Icon(const QString& name, int size) {
  EnsureControlResources();
  QSvgRenderer renderer(PathOf(name));
  if (!renderer.isValid()) return QIcon();
  QIcon icon;
  // Screens scaled to twice the size get a drawing of their own rather
  // than a blurred enlargement.
  icon.addPixmap(Render(renderer, size, 1.0));
  icon.addPixmap(Render(renderer, size, 2.0));
  return icon;
}
