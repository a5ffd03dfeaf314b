/*
** The code/text combo's table and geometry. See NOVUCboModel.h.
*/
#include "controls/NOVUCboModel.h"

#include <algorithm>

#include "common/AppError.h"
#include "common/ValueFormat.h"
#include "dao/Database.h"
#include "dao/Recordset.h"

namespace {

constexpr int kAltoComboDiseno = 315;

[[noreturn]] void FueraDeIntervalo() {
  Raise(rterr::msg::kSubscriptOutOfRange);
}

}  // namespace

NOVUCboModel::NOVUCboModel()
    : Codigos_(1), combo_{kMargen, kMargen, kAnchoDiseno - 2 * kMargen, kAltoComboDiseno} {}

void NOVUCboModel::AgregarCodigo(const std::string& Codigo) {
  if (CantItems_ >= kMaximoEntradas) Raise(rterr::msg::kOverflow);
  ++CantItems_;
  if (LimiteSuperior() < CantItems_) Codigos_.resize(static_cast<size_t>(CantItems_) + 1);
  Codigos_[static_cast<size_t>(CantItems_)] = Codigo;
}

int NOVUCboModel::BuscarCodigo(const std::string& Codigo) const {
  const int ultimo = std::min(CantItems_, LimiteSuperior());
  for (int i = 1; i <= ultimo; ++i) {
    if (Codigos_[static_cast<size_t>(i)] == Codigo) return i - 1;
  }
  return -1;
}

const std::string& NOVUCboModel::CodigoEnPosicion(int posicion) const {
  if (posicion < 0 || posicion + 1 > LimiteSuperior()) FueraDeIntervalo();
  return Codigos_[static_cast<size_t>(posicion) + 1];
}

// The count comes from the engine; no list holds more than the maximum, so
// a larger count is not worth the memory.
void NOVUCboModel::RecrearTabla(long cantidad) {
  const long entradas = std::clamp(cantidad, 0L, static_cast<long>(kMaximoEntradas));
  Codigos_.assign(static_cast<size_t>(entradas) + 1, std::string());
  CantItems_ = 0;
}

void NOVUCboModel::CargarRs(
    dao::Database& Db, const std::string& SQL, const std::string& CampoCodigo,
    const std::string& CampoTexto,
    const std::function<void(const std::string& Codigo, const std::string& Texto)>& agregarItem) {
  dao::Recordset rs = Db.OpenRecordset(SQL);
  RecrearTabla(rs.RecordCount());
  while (!rs.Eof()) {
    agregarItem(ValueFormat::ToText(rs.Fields(CampoCodigo).Value()),
                ValueFormat::ToText(rs.Fields(CampoTexto).Value()));
    rs.MoveNext();
  }
  rs.Close();
}

void NOVUCboModel::SetSize(int16_t NuevoTam) {
  if (NuevoTam < 0) FueraDeIntervalo();
  Codigos_.resize(static_cast<size_t>(NuevoTam) + 1);
}

void NOVUCboModel::Redimensionar(int anchoControl, int altoCombo) {
  combo_ = Rect{kMargen, kMargen, std::max(anchoControl - 2 * kMargen, 0), altoCombo};
}

void NOVUCboModel::SetEnabled(bool New_Enabled) {
  enabled_ = New_Enabled;
  propiedades_.MarkChanged("Enabled");
}

void NOVUCboModel::LeerPropiedades(const PropertyStore& propiedades) {
  propiedades_ = propiedades;
  enabled_ = propiedades.ReadFlag("Enabled", true);
}

void NOVUCboModel::GuardarPropiedades(PropertyStore& propiedades) const {
  propiedades.Write("Enabled", enabled_, true);
}
