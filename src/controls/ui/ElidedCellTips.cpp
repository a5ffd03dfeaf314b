/*
** Whole texts of cut cells in tooltips. See ElidedCellTips.h.
*/
#include "controls/ui/ElidedCellTips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

void ElidedCellTips::Install(QAbstractItemView& view) {
  view.setProperty("elidedCellTips", true);
  new ElidedCellTips(view);
}

ElidedCellTips::ElidedCellTips(QAbstractItemView& view) : QObject(&view), view_(view) {
  view.viewport()->installEventFilter(this);
}

bool ElidedCellTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip || watched != view_.viewport()) return false;
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = view_.indexAt(help->pos());
  if (!index.isValid() || index.data(Qt::ToolTipRole).isValid()) return false;
  const QString text = index.data(Qt::DisplayRole).toString();
  const QRect cell = view_.visualRect(index);
  // The room the delegate gives the text: the cell less its margins and,
  // where it has one, its picture.
  const int margin = view_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view_) + 1;
  int room = cell.width() - 2 * margin;
  const QVariant icon = index.data(Qt::DecorationRole);
  if (icon.isValid() && !icon.isNull()) room -= view_.iconSize().width() + 2 * margin;
  if (text.isEmpty() || view_.fontMetrics().horizontalAdvance(text) <= room) return false;
  QToolTip::showText(help->globalPos(), text, view_.viewport(), cell);
  return true;
}
