/*
** The result list's geometry. See NOVUInfoRepLayout.h.
*/
#include "controls/NOVUInfoRepLayout.h"

#include <algorithm>

namespace {
constexpr int kAnchoListaDiseno = 4575;
constexpr int kAltoListaDiseno = 3375;
}  // namespace

NOVUInfoRepLayout::NOVUInfoRepLayout()
    : lista_(0, 0, kAnchoListaDiseno, kAltoListaDiseno),
      anchoColumna_(kAnchoListaDiseno - kReservaColumna) {}

void NOVUInfoRepLayout::Redimensionar(int ancho, int alto) {
  lista_ =
      QRect(kMargen, kMargen, std::max(ancho - 2 * kMargen, 0), std::max(alto - 2 * kMargen, 0));
  anchoColumna_ = std::max(lista_.width() - kReservaColumna, 0);
}
