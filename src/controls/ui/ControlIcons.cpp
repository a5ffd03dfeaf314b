/*
** The controls' icons. See ControlIcons.h.
*/
#include "controls/ui/ControlIcons.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
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

// An icon drawn from its SVG at the size it is shown, the first time it is
// shown at that size, and kept. A window makes icons for every button it
// may show, most of which it never shows: drawing them up front, at two
// pixel ratios each, took a fifth of the program's start.
//
// It answers as an icon of two pixmaps, the drawing at its own size and at
// twice it, would: no size above twice its own, smaller sizes drawn at
// that size, and the style's greyed form for the disabled mode. A selected
// row shows the drawing as it is, not tinted with the selection's colour: a
// check box must read the same on the row the operator is marking.
class SvgIconEngine : public QIconEngine {
 public:
  SvgIconEngine(QString path, int side) : path_(std::move(path)), side_(side) {}

  QIconEngine* clone() const override { return new SvgIconEngine(path_, side_); }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    return QSize(side_, side_)
        .scaled(size.boundedTo(QSize(2 * side_, 2 * side_)), Qt::KeepAspectRatio);
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(side_, side_), QSize(2 * side_, 2 * side_)};
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const QSize side = actualSize(size, mode, state);
    if (side.isEmpty()) return QPixmap();
    const QString key = QStringLiteral("%1/%2/%3").arg(path_).arg(side.width()).arg(int(mode));
    QPixmap found;
    if (QPixmapCache::find(key, &found)) return found;
    QPixmap drawn = Drawn(side);
    if (mode == QIcon::Selected) return pixmap(size, QIcon::Normal, state);
    if (mode == QIcon::Disabled) {
      QStyleOption option(0);
      option.palette = QGuiApplication::palette();
      const QPixmap styled = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
      if (!styled.isNull()) drawn = styled;
    }
    QPixmapCache::insert(key, drawn);
    return drawn;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rect.size() * ratio, mode, state);
    pm.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, pm);
  }

 private:
  QPixmap Drawn(const QSize& side) const {
    QSvgRenderer renderer(path_);
    QPixmap pixmap(side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return pixmap;
  }

  QString path_;
  int side_;
};

}  // namespace

bool ControlIcons::Exists(const QString& name) {
  EnsureControlResources();
  return QFile::exists(PathOf(name));
}

QIcon ControlIcons::Icon(const QString& name, int size) {
  if (!Exists(name)) return QIcon();
  return QIcon(new SvgIconEngine(PathOf(name), size));
}
