/*
** NOVUCbo: a drop-down list of texts, each standing for a code that the
** operator never sees.
**
** A caller fills it with (code, text) pairs, one by one (AgregarItem) or
** from a query (CargarRs), selects an entry by code, by text or by
** position, and reads back the code and the text of the selection. The
** list is never sorted, so each entry goes to the end, and adding entries
** never changes the selection. The codes live in NOVUCboModel; the texts
** and the selection in the combo box (CboDatos), whose position p has its
** code at table entry p + 1.
**
** Codes compare exactly, letter case included. A text matches exactly too,
** letter case included, as Qt's combo box compares.
**
** Events: Click when the operator picks an entry (also the one already
** shown); Change whenever the combo box's text changes, by the operator
** or by a call.
**
** The one stored setting is "Enabled" (default True). Texts and codes are
** UTF-8.
*/
#pragma once

#include <cstdint>
#include <string>

#include "controls/NOVUCboModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/TwipsControl.h"

class QComboBox;

namespace dao {
class Database;
}

class NOVUCbo : public TwipsControl {
  Q_OBJECT
  Q_CLASSINFO("Click",
              "Ocurre cuando el usuario presiona y libera un botón del mouse encima de un objeto.")
  Q_CLASSINFO("Change", "Ocurre cuando el contenido de un control ha cambiado.")

 public:
  explicit NOVUCbo(QWidget* parent = nullptr);
  // A combo loaded from the settings its form stored for it.
  explicit NOVUCbo(const PropertyStore& propiedades, QWidget* parent = nullptr);

  void AgregarItem(const std::string& Codigo, const std::string& Texto);
  void SeleccionarPorCodigo(const std::string& Codigo);
  void SeleccionarPorTexto(const std::string& Texto);
  std::string GetCodigoSeleccionado() const;
  std::string GetTextoSeleccionado() const;
  void Limpiar();
  // Replaces the list by the rows of `SQL`: the field `CampoCodigo` gives
  // the codes and `CampoTexto` the texts. Engine errors, and a NULL in
  // either field, reach the caller; the rows read before stay listed.
  void CargarRs(dao::Database& Db, const std::string& SQL, const std::string& CampoCodigo,
                const std::string& CampoTexto);
  void SetSize(int16_t NuevoTam) { modelo_.SetSize(NuevoTam); }
  void SeleccionarOrden(int32_t Orden);

  bool Enabled() const { return modelo_.Enabled(); }
  void SetEnabled(bool New_Enabled);

  void GuardarPropiedades(PropertyStore& propiedades) const {
    modelo_.GuardarPropiedades(propiedades);
  }
  const PropertyStore& Propiedades() const { return modelo_.Propiedades(); }

  const NOVUCboModel& Modelo() const { return modelo_; }
  QComboBox* CboDatos() const { return cboDatos_; }

 signals:
  void Click();
  void Change();

 protected:
  void OnResize() override;

 private:
  void Construir();

  QComboBox* cboDatos_ = nullptr;
  NOVUCboModel modelo_;
};
