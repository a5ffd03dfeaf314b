/*
** NOVUCboModel: the code table behind the code/text combo, its geometry
** and its one stored setting, without widgets.
**
** Codigos is indexed from 0; entry i (i >= 1) holds the code of the list's
** entry at position i - 1, and entry 0 is never used. CantItems counts the
** entries added since the list was last emptied. The table can be longer
** than the list: emptying the list keeps its length, and later entries
** overwrite the old codes. SetSize can also make it shorter, and an entry
** whose code was cut off has none: asking for it is AppError 9, and a
** search does not find it. Adding an entry grows the table again; the
** codes cut off then come back as empty codes.
**
** Positions are 16-bit numbers, so the list holds at most 32767 entries;
** adding one more is AppError 6 (overflow) and changes nothing.
**
** CargarRs fills the list from a query: the code table is made as long as
** the record count that the engine reports right after opening; that count
** may be lower than the rows that follow, which does no harm, since adding
** an entry grows the table. Values become text by the regional conversion,
** as everywhere else in the library: a DOUBLE or CURRENCY 3.5 is the code
** "3,5", the form in which callers hold it and select it.
**
** Geometry, in twips: the combo box sits at (10, 10), 20 narrower than the
** control, and keeps its own height; the control is always exactly the
** combo's height + 20 tall.
*/
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/PropertyStore.h"
#include "graphics/Rect.h"

namespace dao {
class Database;
}

class NOVUCboModel {
 public:
  static constexpr int kMaximoEntradas = 32767;
  static constexpr int kMargen = 10;
  static constexpr int kAnchoDiseno = 3735 + 2 * kMargen;

  NOVUCboModel();

  // AgregarItem's part: counts the new entry and records its code.
  void AgregarCodigo(const std::string& Codigo);
  // The position of the first entry with exactly this code, or -1.
  int BuscarCodigo(const std::string& Codigo) const;
  // The code of the entry at list position `posicion`.
  const std::string& CodigoEnPosicion(int posicion) const;
  void Limpiar() { CantItems_ = 0; }
  // CargarRs's fresh table: indexes 0 to `cantidad`, nothing counted.
  void RecrearTabla(long cantidad);
  // CargarRs's part, on a list already emptied: reads the rows of `SQL`
  // and hands each code and text, in order, to `agregarItem`, which adds
  // the entry (the widget's AgregarItem, which counts its code here).
  // Engine errors, and a NULL in either field, reach the caller after the
  // rows read before.
  void CargarRs(
      dao::Database& Db, const std::string& SQL, const std::string& CampoCodigo,
      const std::string& CampoTexto,
      const std::function<void(const std::string& Codigo, const std::string& Texto)>& agregarItem);
  void SetSize(int16_t NuevoTam);

  int32_t CantItems() const { return CantItems_; }
  int LimiteSuperior() const { return static_cast<int>(Codigos_.size()) - 1; }

  // The resize rule, from the control's outer width and the combo box's
  // own height.
  void Redimensionar(int anchoControl, int altoCombo);
  Rect CboDatos() const { return combo_; }
  int AltoControl() const { return combo_.height + 2 * kMargen; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool New_Enabled);
  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  const PropertyStore& Propiedades() const { return propiedades_; }

 private:
  std::vector<std::string> Codigos_;
  int32_t CantItems_ = 0;
  Rect combo_;
  bool enabled_ = true;
  PropertyStore propiedades_;
};
