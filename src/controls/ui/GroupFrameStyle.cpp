/*
** A group box frame drawn as Fusion draws it. See GroupFrameStyle.h.
*/
#include "controls/ui/GroupFrameStyle.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

const QString kFusion = QStringLiteral("fusion");
// Fusion's picture of a group box's frame, and where Fusion draws it: three
// pixels below the top of a box without a title, its corners six pixels
// square.
const QString kPicture =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
constexpr int kTopMargin = 3;
constexpr int kCorner = 6;

bool IsFusion(const QStyle& style) {
  return style.name().compare(kFusion, Qt::CaseInsensitive) == 0;
}

// Read once by the PNG reader alone, and kept where Qt keeps its pictures.
QPixmap FramePicture() {
  static const QString key = QStringLiteral("remendor/group-frame");
  QPixmap picture;
  if (QPixmapCache::find(key, &picture)) return picture;
  QImageReader reader(kPicture, "png");
  reader.setAutoDetectImageFormat(false);
  picture = QPixmap::fromImage(reader.read());
  if (!picture.isNull()) QPixmapCache::insert(key, picture);
  return picture;
}

}  // namespace

GroupFrameStyle::GroupFrameStyle() : QProxyStyle(QStyleFactory::create(kFusion)) {}

bool GroupFrameStyle::Install(QGroupBox& box) {
  if (!IsFusion(*QApplication::style())) return false;
  // One for the application, which outlives its boxes.
  static QPointer<GroupFrameStyle> shared;
  if (!shared) {
    shared = new GroupFrameStyle();
    shared->setParent(QCoreApplication::instance());
  }
  box.setStyle(shared);
  return true;
}

void GroupFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  if (element == PE_FrameGroupBox && box && !box->isCheckable() && !box->isFlat() &&
      box->title().isEmpty() && IsFusion(*baseStyle())) {
    const QPixmap picture = FramePicture();
    if (!picture.isNull()) {
      qDrawBorderPixmap(painter, option->rect.adjusted(0, kTopMargin, 0, 0),
                        QMargins(kCorner, kCorner, kCorner, kCorner), picture);
      return;
    }
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}
