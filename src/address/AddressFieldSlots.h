/*
** AddressFieldSlots: the table of the 22 field slots that the host fills
** for its address table (slots 0 to 21, see CampoDomicilio.h).
**
** Empty at creation; a slot keeps what Set_Campo stored until the next
** Set_Campo of the same slot. A slot number outside 0-21 is the run time's
** subscript error (9) and stores or returns nothing.
*/
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "address/CampoDomicilio.h"

class AddressFieldSlots {
 public:
  static constexpr int kSubindiceFueraDeIntervalo = 9;

  void Set_Campo(int Opcion, int32_t TipoControlDato, const std::string& NombreCampo,
                 int32_t Longitud, bool Visible, bool Obligatorio, const std::string& SQL,
                 const std::string& Descripcion, const std::string& ValorFijo);
  void Get_Campo(int Opcion, int32_t& TipoControlDato, std::string& NombreCampo, int32_t& Longitud,
                 bool& Visible, bool& Obligatorio, std::string& SQL, std::string& Descripcion,
                 std::string& ValorFijo) const;

  const CampoDomicilio& Campo(int Opcion) const;
  // Shorthand for the column a slot names.
  const std::string& Columna(int Opcion) const { return Campo(Opcion).NombreCampo; }

 private:
  std::array<CampoDomicilio, campo::kCantidad> campos_;
};
