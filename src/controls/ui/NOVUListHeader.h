/*
** NOVUListHeader: the list view's column header, drawn from the records
** that IC sends it (see ICHeader.h), with the pictures IC gives it drawn
** as the program's own (QtPicture) icons.
**
** A column that has received no record is drawn as Qt draws it. A column
** that has one gets its caption right aligned when its format has
** HDF_RIGHT and left aligned otherwise, and, when the format has
** HDF_IMAGE, the image of that number from the image list after the
** caption (HDF_BITMAP_ON_RIGHT) or before it. An image number outside the
** list draws no image.
*/
#pragma once

#include <QHeaderView>
#include <QIcon>
#include <map>
#include <memory>
#include <vector>

#include "controls/ICHeader.h"

class NOVUListHeader : public QHeaderView, public ICHeader {
  Q_OBJECT

 public:
  explicit NOVUListHeader(QWidget* parent = nullptr);

  void SetImageList(const std::vector<std::shared_ptr<const Picture>>& images) override;
  void SetItem(int column, const HDITEM& item) override;

  // The record a column was last given, with every field a later record's
  // mask left alone kept; null when it has none.
  const HDITEM* Item(int columna) const;
  // Where the image of a column is drawn, in the header's pixels; empty
  // when the column shows none.
  QRect RectImagen(int columna) const;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  QRect RectTexto(const QRect& seccion, int columna, const HDITEM& item) const;
  QRect RectImagen(const QRect& seccion, int columna, const HDITEM& item) const;
  bool MuestraImagen(const HDITEM& item) const;

  std::vector<QIcon> imagenes_;
  std::map<int, HDITEM> items_;
};
