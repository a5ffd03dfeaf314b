/*
** A header measured in the face it draws. See RegularFaceHeader.h.
*/
#include "controls/ui/RegularFaceHeader.h"

#include <QIcon>
#include <QPixmap>
#include <QStyleOptionHeader>
#include <QTreeView>

RegularFaceHeader::RegularFaceHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

RegularFaceHeader* RegularFaceHeader::Install(QTreeView& view) {
  const QHeaderView* before = view.header();
  auto* header = new RegularFaceHeader(&view);
  header->setSectionsMovable(before->sectionsMovable());
  header->setStretchLastSection(before->stretchLastSection());
  header->setDefaultAlignment(before->defaultAlignment());
  header->setHighlightSections(before->highlightSections());
  view.setHeader(header);
  return header;
}

// Qt's own measure, less the bold face.
QSize RegularFaceHeader::sectionSizeFromContents(int logicalIndex) const {
  ensurePolished();
  const QAbstractItemModel* data = model();
  const QVariant asked = data->headerData(logicalIndex, orientation(), Qt::SizeHintRole);
  if (asked.isValid()) return asked.toSize();
  // A header that highlights its sections draws them bold: Qt's measure
  // is then the right one.
  if (highlightSections()) return QHeaderView::sectionSizeFromContents(logicalIndex);

  QStyleOptionHeader option;
  initStyleOption(&option);
  option.section = logicalIndex;
  const QVariant face = data->headerData(logicalIndex, orientation(), Qt::FontRole);
  option.fontMetrics =
      QFontMetrics(face.isValid() && face.canConvert<QFont>() ? face.value<QFont>() : font());
  option.text = data->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
  const QVariant decoration = data->headerData(logicalIndex, orientation(), Qt::DecorationRole);
  option.icon = decoration.value<QIcon>();
  if (option.icon.isNull()) option.icon = decoration.value<QPixmap>();
  if (isSortIndicatorShown()) option.sortIndicator = QStyleOptionHeader::SortDown;
  return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
}
