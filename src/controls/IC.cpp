/*
** The header's sort triangle. See IC.h.
*/
#include "controls/IC.h"

#include "controls/ICHeader.h"
#include "controls/ICListView.h"

void IC::Cargar(const QIcon& Imagen1, const QIcon& Imagen2) {
  imagenes_.push_back(Imagen1);
  imagenes_.push_back(Imagen2);
}

bool IC::SetHeaderIcons(int32_t iActiveColumn, int32_t iSortOrder) {
  if (listView_ == nullptr) return false;
  if (listView_->View() != ICListView::kVistaReporte) return false;
  if (header_ == nullptr) {
    header_ = listView_->Header();
    if (header_ != nullptr) header_->SetImageList(imagenes_);
  }
  if (header_ == nullptr) return false;
  for (int i = 0; i < listView_->ColumnCount(); i++) {
    const bool derecha = listView_->ColumnAlignment(i + 1) == 1;
    HDITEM item;
    item.mask = HDITEM::HDI_FORMAT | HDITEM::HDI_IMAGE;
    item.fmt = HDITEM::HDF_STRING | (derecha ? HDITEM::HDF_RIGHT : 0);
    if (i == iActiveColumn) {
      item.fmt |= HDITEM::HDF_IMAGE | (derecha ? 0 : HDITEM::HDF_BITMAP_ON_RIGHT);
    }
    item.iImage = iSortOrder != 0 ? 1 : 0;
    header_->SetItem(i, item);
  }
  return true;
}
