/*
** AddressFieldSlots: the field-slot table. See AddressFieldSlots.h.
*/
#include "address/AddressFieldSlots.h"

#include "common/AppError.h"

namespace {

void Comprobar(int Opcion) {
  if (Opcion < 0 || Opcion >= campo::kCantidad) {
    throw AppError(AddressFieldSlots::kSubindiceFueraDeIntervalo, "Subíndice fuera del intervalo");
  }
}

}  // namespace

void AddressFieldSlots::Set_Campo(int Opcion, int32_t TipoControlDato,
                                  const std::string& NombreCampo, int32_t Longitud, bool Visible,
                                  bool Obligatorio, const std::string& SQL,
                                  const std::string& Descripcion, const std::string& ValorFijo) {
  Comprobar(Opcion);
  CampoDomicilio& c = campos_[static_cast<size_t>(Opcion)];
  c.TipoControlDato = TipoControlDato;
  c.NombreCampo = NombreCampo;
  c.Longitud = Longitud;
  c.Visible = Visible;
  c.Obligatorio = Obligatorio;
  c.SQL = SQL;
  c.Descripcion = Descripcion;
  c.ValorFijo = ValorFijo;
}

void AddressFieldSlots::Get_Campo(int Opcion, int32_t& TipoControlDato, std::string& NombreCampo,
                                  int32_t& Longitud, bool& Visible, bool& Obligatorio,
                                  std::string& SQL, std::string& Descripcion,
                                  std::string& ValorFijo) const {
  const CampoDomicilio& c = Campo(Opcion);
  TipoControlDato = c.TipoControlDato;
  NombreCampo = c.NombreCampo;
  Longitud = c.Longitud;
  Visible = c.Visible;
  Obligatorio = c.Obligatorio;
  SQL = c.SQL;
  Descripcion = c.Descripcion;
  ValorFijo = c.ValorFijo;
}

const CampoDomicilio& AddressFieldSlots::Campo(int Opcion) const {
  Comprobar(Opcion);
  return campos_[static_cast<size_t>(Opcion)];
}
