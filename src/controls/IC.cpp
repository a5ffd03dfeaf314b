/*
** The header's sort triangle. See IC.h.
*/
#include "controls/IC.h"

#include "controls/ICHeader.h"
#include "controls/ICListView.h"

void IC::Cargar(std::shared_ptr<const Picture> Imagen1, std::shared_ptr<const Picture> Imagen2) {
  images_.push_back(std::move(Imagen1));
  images_.push_back(std::move(Imagen2));
}

bool IC::SetHeaderIcons(int32_t iActiveColumn, int32_t iSortOrder) {
  if (listView_ == nullptr) return false;
  if (listView_->View() != ICListView::kReportView) return false;
  if (header_ == nullptr) {
    header_ = listView_->Header();
    if (header_ != nullptr) header_->SetImageList(images_);
  }
  if (header_ == nullptr) return false;
  for (int i = 0; i < listView_->ColumnCount(); i++) {
    const bool right = listView_->ColumnAlignment(i + 1) == 1;
    HDITEM item;
    item.mask = HDITEM::HDI_FORMAT | HDITEM::HDI_IMAGE;
    item.fmt = HDITEM::HDF_STRING | (right ? HDITEM::HDF_RIGHT : 0);
    if (i == iActiveColumn) {
      item.fmt |= HDITEM::HDF_IMAGE | (right ? 0 : HDITEM::HDF_BITMAP_ON_RIGHT);
    }
    item.iImage = iSortOrder != 0 ? 1 : 0;
    header_->SetItem(i, item);
  }
  return true;
}
