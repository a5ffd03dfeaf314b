/*
** IC: puts the sort triangle into the header of a list's sort column and
** takes it out of every other column.
**
** IC owns a list of two pictures (Cargar: first the ascending triangle,
** then the descending one) and gives it to the list's header the first time
** it gets that far; the header is looked up once and kept for the life of
** the instance, never refreshed. It draws nothing itself, so it holds the
** pictures as the logic passes them on and works without a graphics
** system.
**
** SetHeaderIcons(column, order) sends one HDITEM per column (see
** ICHeader.h), with the mask HDI_FORMAT | HDI_IMAGE:
**   - format HDF_STRING, plus HDF_RIGHT when the column is right aligned;
**   - the sort column also gets HDF_IMAGE, and HDF_BITMAP_ON_RIGHT when it
**     is not right aligned, so the triangle sits after the caption of a
**     left-aligned column and before the caption of a right-aligned one;
**   - image index 1 (descending) when `iSortOrder` is not 0, else 0,
**     for every column.
** Only right alignment reaches the header: a centred column's caption is
** drawn left aligned once this has run.
**
** It does nothing and returns False when no list is set, when the list is
** not in report view, or when the list has no header; it never fails.
*/
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/Picture.h"

class ICHeader;
class ICListView;

class IC {
 public:
  IC() = default;

  ICListView* ListView() const { return listView_; }
  void SetListView(ICListView* listView) { listView_ = listView; }

  void Cargar(std::shared_ptr<const Picture> Imagen1, std::shared_ptr<const Picture> Imagen2);
  bool SetHeaderIcons(int32_t iActiveColumn, int32_t iSortOrder);

  const std::vector<std::shared_ptr<const Picture>>& Images() const { return images_; }

 private:
  ICListView* listView_ = nullptr;
  std::vector<std::shared_ptr<const Picture>> images_;
  ICHeader* header_ = nullptr;
};
