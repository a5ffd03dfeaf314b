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
  // than a blurred enlargement. A selected row shows the drawing as it is,
  // not tinted with the selection's colour: a check box must read the same
  // on the row the operator is marking.
  for (qreal ratio : {1.0, 2.0}) {
    const QPixmap pixmap = Render(renderer, size, ratio);
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
  }
  return icon;
}
