/*
** ElidedCellTips: a list or tree view that cannot widen its columns for
** every text shows a cut cell's whole text in a tooltip, as its labels do
** (ElidedLabel). Install it once on a view; it asks nothing of the view's
** model, and a cell with a tooltip of its own keeps that one.
**
** The view carries the property "elidedCellTips" (true), which the tests
** that look for cut texts read.
*/
#pragma once

#include <QObject>

class QAbstractItemView;

class ElidedCellTips : public QObject {
  Q_OBJECT

 public:
  static void Install(QAbstractItemView& view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ElidedCellTips(QAbstractItemView& view);

  QAbstractItemView& view_;
};
