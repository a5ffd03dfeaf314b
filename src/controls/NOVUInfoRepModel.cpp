/*
** The result list's geometry. See NOVUInfoRepModel.h.
*/
#include "controls/NOVUInfoRepModel.h"

#include <algorithm>

namespace {
constexpr int kAnchoListaDiseno = 4575;
constexpr int kAltoListaDiseno = 3375;
}  // namespace

NOVUInfoRepModel::NOVUInfoRepModel()
    : lista_{0, 0, kAnchoListaDiseno, kAltoListaDiseno},
      anchoColumna_(kAnchoListaDiseno - kReservaColumna) {}

void NOVUInfoRepModel::Redimensionar(int ancho, int alto) {
  lista_ =
      Rect{kMargen, kMargen, std::max(ancho - 2 * kMargen, 0), std::max(alto - 2 * kMargen, 0)};
  anchoColumna_ = std::max(lista_.width - kReservaColumna, 0);
}
