/*
** Tiling: where the tiles of a tiled background go.
**
** A source of w x h pixels drawn at `porcentaje` percent of its size
** (scale s = porcentaje / 100) fills a target of AnchoTotal x AltoTotal
** pixels with columns = round(AnchoTotal / (w s)) and rows =
** round(AltoTotal / (h s)), counting both ends (columns + 1 tiles across,
** rows + 1 down), so that the last tile may reach past the edge and the
** target is always covered. Rounding is to the nearest whole number, ties
** to the even one. Tiles are listed column by column, top to bottom.
**
** At exactly 100 percent every tile is the source's own size at (c w, r h).
** At any other scale tile c starts at round(c w s) and ends where tile c + 1
** starts, so that neighbours share their edge: rounding each tile's size on
** its own would leave one-pixel gaps between some of them.
**
** A percentage that is not above zero, a source without pixels, a scaled
** tile smaller than one pixel or a target without pixels is refused with
** AppError 5: there would be nothing to draw, or tiles without end.
*/
#pragma once

#include <vector>

#include "graphics/Picture.h"

class Tiling {
 public:
  static constexpr int kArgumentoNoValido = 5;

  static std::vector<Rect> Teselas(int anchoOrigen, int altoOrigen, int anchoTotal, int altoTotal,
                                   double porcentaje);
};
