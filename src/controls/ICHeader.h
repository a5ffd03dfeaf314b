/*
** ICHeader: the header of a list's columns as IC sees it, and HDITEM, the
** record that IC sends for each column.
**
** HDITEM keeps the layout of the platform's header item: nine 32-bit
** fields, in this order. IC fills only the mask, the format and the image
** index; the rest stay 0. The mask says which of the fields the header
** takes (HDI_FORMAT, HDI_IMAGE); the format, how the column's header is
** drawn:
**   HDF_STRING           the caption is drawn
**   HDF_RIGHT            the caption is right aligned (left otherwise)
**   HDF_IMAGE            image iImage of the header's image list is drawn
**   HDF_BITMAP_ON_RIGHT  the image goes after the caption, not before it
*/
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/Picture.h"

struct HDITEM {
  static constexpr uint32_t HDI_FORMAT = 0x4;
  static constexpr uint32_t HDI_IMAGE = 0x20;
  static constexpr int32_t HDF_RIGHT = 0x1;
  static constexpr int32_t HDF_IMAGE = 0x800;
  static constexpr int32_t HDF_BITMAP_ON_RIGHT = 0x1000;
  static constexpr int32_t HDF_STRING = 0x4000;

  uint32_t mask = 0;
  int32_t cxy = 0;
  int32_t pszText = 0;
  int32_t hbm = 0;
  int32_t cchTextMax = 0;
  int32_t fmt = 0;
  int32_t lParam = 0;
  int32_t iImage = 0;
  int32_t iOrder = 0;

  bool operator==(const HDITEM&) const = default;
};

class ICHeader {
 public:
  // The images that HDF_IMAGE refers to by number.
  virtual void SetImageList(const std::vector<std::shared_ptr<const Picture>>& images) = 0;
  // Applies the fields of `item` that its mask names to column `column`
  // (from 0).
  virtual void SetItem(int column, const HDITEM& item) = 0;

 protected:
  ~ICHeader() = default;
};
