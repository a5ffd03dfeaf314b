/*
** Places of the tiles. See Tiling.h.
*/
#include "forms/Tiling.h"

#include <cmath>

#include "common/AppError.h"

namespace {

int Redondear(double valor) {
  return static_cast<int>(std::nearbyint(valor));
}

[[noreturn]] void NoValido() {
  throw AppError(Tiling::kArgumentoNoValido, "Argumento o llamada a procedimiento no válida");
}

}  // namespace

std::vector<Rect> Tiling::Teselas(int anchoOrigen, int altoOrigen, int anchoTotal, int altoTotal,
                                  double porcentaje) {
  if (!(porcentaje > 0) || anchoOrigen <= 0 || altoOrigen <= 0 || anchoTotal <= 0 ||
      altoTotal <= 0) {
    NoValido();
  }
  const double escala = porcentaje / 100;
  const double ancho = anchoOrigen * escala;
  const double alto = altoOrigen * escala;
  if (ancho < 1 || alto < 1) NoValido();
  const int columnas = Redondear(anchoTotal / ancho);
  const int filas = Redondear(altoTotal / alto);

  std::vector<Rect> zonas;
  zonas.reserve(static_cast<size_t>(columnas + 1) * static_cast<size_t>(filas + 1));
  for (int c = 0; c <= columnas; ++c) {
    for (int r = 0; r <= filas; ++r) {
      if (porcentaje == 100) {
        zonas.push_back({c * anchoOrigen, r * altoOrigen, anchoOrigen, altoOrigen});
      } else {
        const int x = Redondear(c * ancho);
        const int y = Redondear(r * alto);
        zonas.push_back({x, y, Redondear((c + 1) * ancho) - x, Redondear((r + 1) * alto) - y});
      }
    }
  }
  return zonas;
}
