/*
** The list view's rules. See NOVUListModel.h.
*/
#include "controls/NOVUListModel.h"

#include <algorithm>
#include <cstdlib>

#include "controls/CommonControlErrors.h"

const std::array<std::string, 5>& NOVUListModel::ClavesImagen() {
  static const std::array<std::string, 5> claves = {"agregar", "persona", "nota1", "marcado",
                                                    "desmarcado"};
  return claves;
}

const std::string& NOVUListModel::ClaveImagen(int32_t Imagen) {
  if (Imagen < 0 || Imagen >= static_cast<int32_t>(ClavesImagen().size())) {
    ccerr::Subscript(Imagen, 4);
  }
  return ClavesImagen()[static_cast<size_t>(Imagen)];
}

NOVUListModel::NOVUListModel() {
  estiloExtendido_ |= kFilaCompleta;
  Redimensionar(kAnchoDiseno, kAltoDiseno);
}

void NOVUListModel::AgregarColumna(const std::string& Texto, int32_t Ancho) {
  columnas_.push_back(Columna{Texto, Ancho, kAlineacionIzquierda, std::nullopt});
}

const NOVUListModel::Columna& NOVUListModel::ColumnaEn(int indice) const {
  if (indice < 1 || indice > CantColumnas()) ccerr::OutOfBounds();
  return columnas_[static_cast<size_t>(indice - 1)];
}

void NOVUListModel::SetAlineacion(int indice, int alineacion) {
  ColumnaEn(indice);
  if (alineacion < kAlineacionIzquierda || alineacion > kAlineacionCentro) {
    ccerr::InvalidValue();
  }
  columnas_[static_cast<size_t>(indice - 1)].alineacion = alineacion;
}

NOVUListModel::Orden NOVUListModel::ClickEncabezado(int k) {
  ColumnaEn(k);
  const int c = k - 1;
  Columna& columna = columnas_[static_cast<size_t>(c)];
  if (orden_.columna == c) columna.tag = ~columna.tag.value_or(0);
  orden_.direccion = std::abs(columna.tag.value_or(0));
  orden_.columna = c;
  ordenada_ = true;
  return orden_;
}

NOVUListModel::Orden NOVUListModel::Ordenar(int32_t TipoOrden, int32_t Columna) {
  if (TipoOrden < 0 || TipoOrden > 1 || Columna < 0 || Columna >= CantColumnas()) {
    ccerr::InvalidValue();
  }
  orden_ = Orden{Columna, TipoOrden};
  ordenada_ = true;
  return orden_;
}

std::optional<std::string> NOVUListModel::DobleClick(bool haySeleccion,
                                                     const std::string& imagenActual) const {
  if (!haySeleccion || !checkList_) return std::nullopt;
  return imagenActual == ClavesImagen()[3] ? ClavesImagen()[4] : ClavesImagen()[3];
}

std::optional<std::string> NOVUListModel::Toggle(CheckInput input, bool hasRow,
                                                 const std::string& image) const {
  if (input == CheckInput::DoubleClickOnBox) return std::nullopt;
  return DobleClick(hasRow, image);
}

void NOVUListModel::Redimensionar(int ancho, int alto) {
  lista_ =
      Rect{kMargen, kMargen, std::max(ancho - 2 * kMargen, 0), std::max(alto - 2 * kMargen, 0)};
}

void NOVUListModel::SetEnabled(bool New_Enabled) {
  enabled_ = New_Enabled;
  propiedades_.MarkChanged("Enabled");
}

void NOVUListModel::LeerPropiedades(const PropertyStore& propiedades) {
  propiedades_ = propiedades;
  enabled_ = propiedades.ReadFlag("Enabled", true);
}

void NOVUListModel::GuardarPropiedades(PropertyStore& propiedades) const {
  propiedades.Write("Enabled", enabled_, true);
}
