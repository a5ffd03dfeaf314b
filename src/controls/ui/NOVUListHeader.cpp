/*
** The list view's header. See NOVUListHeader.h.
*/
#include "controls/ui/NOVUListHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

#include "graphics/ui/QtPicture.h"

namespace {

constexpr int kLadoImagen = 16;
constexpr int kSeparacion = 4;

}  // namespace

NOVUListHeader::NOVUListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setSortIndicatorShown(false);
}

void NOVUListHeader::SetImageList(const std::vector<std::shared_ptr<const Picture>>& images) {
  imagenes_.clear();
  for (const auto& image : images) imagenes_.push_back(QtPicture::IconOf(image.get()));
  viewport()->update();
}

void NOVUListHeader::SetItem(int column, const HDITEM& item) {
  HDITEM& actual = items_[column];
  if (item.mask & HDITEM::HDI_FORMAT) actual.fmt = item.fmt;
  if (item.mask & HDITEM::HDI_IMAGE) actual.iImage = item.iImage;
  actual.mask |= item.mask;
  viewport()->update();
}

const HDITEM* NOVUListHeader::Item(int columna) const {
  auto it = items_.find(columna);
  return it == items_.end() ? nullptr : &it->second;
}

bool NOVUListHeader::MuestraImagen(const HDITEM& item) const {
  return (item.fmt & HDITEM::HDF_IMAGE) && item.iImage >= 0 &&
         static_cast<size_t>(item.iImage) < imagenes_.size();
}

QRect NOVUListHeader::RectImagen(int columna) const {
  const HDITEM* item = Item(columna);
  if (item == nullptr) return QRect();
  const QRect seccion(sectionViewportPosition(columna), 0, sectionSize(columna), height());
  return RectImagen(seccion, columna, *item);
}

QRect NOVUListHeader::RectTexto(const QRect& seccion, int columna, const HDITEM& item) const {
  const int margen = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
  const QString texto =
      model() ? model()->headerData(columna, orientation()).toString() : QString();
  const int ancho = fontMetrics().horizontalAdvance(texto);
  const QRect interior = seccion.adjusted(margen, 0, -margen, 0);
  int izquierda = interior.left();
  if (item.fmt & HDITEM::HDF_RIGHT) {
    izquierda = interior.right() + 1 - ancho;
  } else if (MuestraImagen(item) && !(item.fmt & HDITEM::HDF_BITMAP_ON_RIGHT)) {
    izquierda += kLadoImagen + kSeparacion;
  }
  return QRect(izquierda, seccion.top(), ancho, seccion.height());
}

QRect NOVUListHeader::RectImagen(const QRect& seccion, int columna, const HDITEM& item) const {
  if (!MuestraImagen(item)) return QRect();
  const QRect texto = RectTexto(seccion, columna, item);
  const int arriba = seccion.top() + (seccion.height() - kLadoImagen) / 2;
  const int izquierda = (item.fmt & HDITEM::HDF_BITMAP_ON_RIGHT)
                            ? texto.right() + 1 + kSeparacion
                            : texto.left() - kSeparacion - kLadoImagen;
  return QRect(izquierda, arriba, kLadoImagen, kLadoImagen);
}

void NOVUListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  const HDITEM* item = Item(logicalIndex);
  if (item == nullptr) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  // The frame as the style draws it, then caption and image where the
  // record puts them.
  QStyleOptionHeader opcion;
  initStyleOption(&opcion);
  opcion.rect = rect;
  opcion.section = logicalIndex;
  opcion.state |= QStyle::State_Raised;
  if (isEnabled()) opcion.state |= QStyle::State_Enabled;
  painter->save();
  style()->drawControl(QStyle::CE_HeaderSection, &opcion, painter, this);
  painter->setClipRect(rect);
  const QString texto =
      model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
  painter->setFont(font());
  painter->setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter->drawText(RectTexto(rect, logicalIndex, *item), Qt::AlignLeft | Qt::AlignVCenter, texto);
  const QRect imagen = RectImagen(rect, logicalIndex, *item);
  if (!imagen.isEmpty()) {
    imagenes_[static_cast<size_t>(item->iImage)].paint(painter, imagen);
  }
  painter->restore();
}
