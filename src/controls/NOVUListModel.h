/*
** NOVUListModel: the rules of the list view, without widgets: the image
** keys of the rows, the columns with the sort direction each remembers,
** the sort state, check-list mode, the geometry and the one stored
** setting.
**
** Rows are shown with one of five images, named by number:
**   0 "agregar", 1 "persona", 2 "nota1", 3 "marcado", 4 "desmarcado";
** a number outside 0-4 has no key and is AppError 9.
**
** Sorting by a header click. Each column remembers a direction in its tag,
** which starts empty (read as ascending). Clicking the column that is
** already the sort column complements the tag (ascending becomes
** descending and back); clicking another column sorts it in the direction
** its tag remembers. The sort column is 0 before the list is first sorted,
** so the very first click on column 1 already reverses it: it sorts
** descending. Ordenar sorts without touching any tag. Once sorted, the list
** stays sorted for good.
**
** Check-list mode, once on, stays on: a double click on the selected row
** then flips its image between "marcado" and anything else ("marcado"
** becomes "desmarcado", any other image "marcado"). As a list of check
** boxes does, it also flips by a click on the row's image (its box) and by
** the space bar on the selected row, so that the keyboard alone can mark
** it (Toggle). A double click on the box flips it once, not twice: its
** first click already did.
**
** Geometry, in twips: the list sits at (10, 10), 20 narrower and 20 lower
** than the control.
*/
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/PropertyStore.h"
#include "graphics/Rect.h"

class NOVUListModel {
 public:
  static constexpr int kMargen = 10;
  static constexpr int kAnchoDiseno = 4800;
  static constexpr int kAltoDiseno = 3600;
  // The row-selection bit of the list's extended style: a click selects
  // the whole row rather than the first cell.
  static constexpr uint32_t kFilaCompleta = 0x20;
  static constexpr int kAlineacionIzquierda = 0;
  static constexpr int kAlineacionDerecha = 1;
  static constexpr int kAlineacionCentro = 2;

  struct Columna {
    std::string texto;
    int32_t ancho = 0;  // twips
    int alineacion = kAlineacionIzquierda;
    // The direction the column remembers: empty, 0 ascending, -1 descending.
    std::optional<int32_t> tag;
  };

  struct Orden {
    int columna = 0;    // 0-based
    int direccion = 0;  // 0 ascending, 1 descending
  };

  static const std::array<std::string, 5>& ClavesImagen();
  static const std::string& ClaveImagen(int32_t Imagen);

  NOVUListModel();

  void AgregarColumna(const std::string& Texto, int32_t Ancho);
  int CantColumnas() const { return static_cast<int>(columnas_.size()); }
  // `indice` counts from 1, as the header does; 35600 outside.
  const Columna& ColumnaEn(int indice) const;
  void SetAlineacion(int indice, int alineacion);

  // The click on header `k` (from 1): the new sort column and direction.
  Orden ClickEncabezado(int k);
  // TipoOrden 0 or 1, Columna from 0 and below the column count; anything
  // else is AppError 380 and changes nothing.
  Orden Ordenar(int32_t TipoOrden, int32_t Columna);
  Orden OrdenActual() const { return orden_; }
  bool Ordenada() const { return ordenada_; }

  void SetCheckList() { checkList_ = true; }
  bool CheckList() const { return checkList_; }
  // The image a double click gives the selected row, or nothing when the
  // click leaves it as it is.
  std::optional<std::string> DobleClick(bool haySeleccion, const std::string& imagenActual) const;

  // What the operator does to a row of a check list.
  enum class CheckInput { BoxClick, Space, DoubleClick, DoubleClickOnBox };
  // The image `input` gives the row, or nothing when it leaves it as it is.
  std::optional<std::string> Toggle(CheckInput input, bool hasRow, const std::string& image) const;

  uint32_t EstiloExtendido() const { return estiloExtendido_; }

  void Redimensionar(int ancho, int alto);
  Rect LstDatos() const { return lista_; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool New_Enabled);
  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  const PropertyStore& Propiedades() const { return propiedades_; }

 private:
  std::vector<Columna> columnas_;
  Orden orden_;
  bool ordenada_ = false;
  bool checkList_ = false;
  uint32_t estiloExtendido_ = 0;
  Rect lista_;
  bool enabled_ = true;
  PropertyStore propiedades_;
};
