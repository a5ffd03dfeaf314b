/*
** Controls placed in twips. See TwipsControl.h.
*/
#include "controls/ui/TwipsControl.h"

#include <QMoveEvent>
#include <QResizeEvent>

#include "controls/ui/Twips.h"

TwipsControl::TwipsControl(int designWidth, int designHeight, QWidget* parent)
    : QWidget(parent), twips_(0, 0, designWidth, designHeight) {
  ApplyGeometry();
}

void TwipsControl::Move(int left, int top, int width, int height) {
  twips_ = QRect(left, top, width, height);
  ApplyGeometry();
  RunResize();
}

void TwipsControl::SetSizeTwips(int width, int height) {
  twips_.setSize(QSize(width, height));
  ApplyGeometry();
}

void TwipsControl::PlaceChild(QWidget& child, const Rect& twips) const {
  child.setGeometry(Twips::ToPixels(twips, *this));
}

QSize TwipsControl::sizeHint() const {
  return Twips::ToPixels(twips_, *this).size();
}

void TwipsControl::ApplyGeometry() {
  applying_ = true;
  setGeometry(Twips::ToPixels(twips_, *this));
  updateGeometry();
  applying_ = false;
}

// A control that corrects its size inside OnResize would otherwise be sent
// back into OnResize by the resize event of its own correction.
void TwipsControl::RunResize() {
  if (resizing_) return;
  resizing_ = true;
  try {
    OnResize();
  } catch (...) {
    resizing_ = false;
    throw;
  }
  resizing_ = false;
}

void TwipsControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (applying_ || resizing_) return;
  if (event->size() == Twips::ToPixels(twips_, *this).size()) return;
  twips_.setSize(QSize(Twips::FromPixelsX(event->size().width(), *this),
                       Twips::FromPixelsY(event->size().height(), *this)));
  RunResize();
}

void TwipsControl::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (applying_) return;
  const QRect pixels = Twips::ToPixels(twips_, *this);
  if (event->pos() == pixels.topLeft()) return;
  twips_.moveTopLeft(QPoint(Twips::FromPixelsX(event->pos().x(), *this),
                            Twips::FromPixelsY(event->pos().y(), *this)));
}
