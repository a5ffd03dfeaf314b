/*
** GalleryPages: the gallery's pages, in the order of their tabs: for
** each, the name its picture is saved under (docs/galeria-<clave>.png),
** the tab's title and the one line that heads the page, saying which
** control it shows and what the operator can do with it.
*/
#pragma once

#include <vector>

struct GalleryPageInfo {
  const char* clave;
  const char* titulo;
  const char* linea;
};

class GalleryPages {
 public:
  static const std::vector<GalleryPageInfo>& Todas();
  // The page of `clave`; AppError 9 for a key that names none.
  static const GalleryPageInfo& De(const char* clave);
};
