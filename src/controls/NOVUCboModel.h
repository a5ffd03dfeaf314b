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
** Geometry, in twips: the combo box sits at (10, 10), 20 narrower than the
** control, and keeps its own height; the control is always exactly the
** combo's height + 20 tall.
*/
#pragma once

#include <QRect>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/PropertyStore.h"

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
  void SetSize(int16_t NuevoTam);

  int32_t CantItems() const { return CantItems_; }
  int LimiteSuperior() const { return static_cast<int>(Codigos_.size()) - 1; }

  // The resize rule, from the control's outer width and the combo box's
  // own height.
  void Redimensionar(int anchoControl, int altoCombo);
  QRect CboDatos() const { return combo_; }
  int AltoControl() const { return combo_.height() + 2 * kMargen; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool New_Enabled);
  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  const PropertyStore& Propiedades() const { return propiedades_; }

 private:
  std::vector<std::string> Codigos_;
  int32_t CantItems_ = 0;
  QRect combo_;
  bool enabled_ = true;
  PropertyStore propiedades_;
};
