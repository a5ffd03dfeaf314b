/*
** TwipsControl: the base of the controls that a form places in twips.
**
** The form places a control with Move(left, top, width, height), in twips
** and relative to the parent; the control keeps those numbers exactly and
** turns them into pixels only to set its widget's geometry. After every placement the control's
** OnResize runs, where it lays out its children and may correct its own
** size (SetSizeTwips) without running OnResize again.
**
** A control can also be sized in pixels by a Qt layout. Then, and only
** then, the new pixel size is taken back into twips and OnResize runs;
** resize events that merely echo a size the control set itself are
** ignored, so rounding never creeps into the twips.
**
** Before its first placement a control has its design size and OnResize
** has not run: a control's first layout comes from the form placing it.
*/
#pragma once

#include <QRect>
#include <QWidget>

#include "graphics/Rect.h"

class TwipsControl : public QWidget {
  Q_OBJECT

 public:
  void Move(int left, int top, int width, int height);

  int LeftTwips() const { return twips_.left(); }
  int TopTwips() const { return twips_.top(); }
  int WidthTwips() const { return twips_.width(); }
  int HeightTwips() const { return twips_.height(); }

  QSize sizeHint() const override;

 protected:
  TwipsControl(int designWidth, int designHeight, QWidget* parent);

  virtual void OnResize() = 0;
  // The control's own correction of its size, from OnResize.
  void SetSizeTwips(int width, int height);
  // A child's rectangle in twips, placed in pixels.
  void PlaceChild(QWidget& child, const Rect& twips) const;

  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void ApplyGeometry();
  void RunResize();

  QRect twips_;
  bool applying_ = false;
  bool resizing_ = false;
};
