/*
** CampoDomicilio: one field slot of the address control, and the roles of
** the 22 slots.
**
** The host describes its address table through the slots: which column
** holds each part of an address, its label, length, whether it is shown and
** whether it is mandatory. The slot numbers are fixed by the editor; the
** column names, labels and options belong to the host. Slot 0 is unused;
** slots 17, 18 and 19 name the owner, reference and address code columns,
** which the user never types.
*/
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct CampoDomicilio {
  std::string Descripcion;  // label text
  std::string NombreCampo;  // column of the address table
  int32_t Longitud = 0;     // characters the user may type
  bool Visible = false;     // shown and loaded (text slots and slot 4: also saved)
  bool Obligatorio = false;
  std::string SQL;  // kept for the host; no address operation reads it
  int32_t TipoControlDato = 0;
  std::string ValorFijo;  // slot 1 only: "1" fixes fiscal, "0" other
};

namespace campo {

inline constexpr int kCantidad = 22;

inline constexpr int kTipo = 1;  // 1 fiscal, 0 other
inline constexpr int kCalle = 2;
inline constexpr int kNumero = 3;
inline constexpr int kSinNumero = 4;  // Boolean
inline constexpr int kRuta = 5;
inline constexpr int kKm = 6;
inline constexpr int kTorre = 7;
inline constexpr int kPiso = 8;
inline constexpr int kDepto = 9;
inline constexpr int kManzana = 10;
inline constexpr int kPartido = 11;
inline constexpr int kLocalidad = 12;
inline constexpr int kCodigoPostal = 13;
inline constexpr int kProvincia = 14;  // numeric province code
inline constexpr int kTelefono = 15;
inline constexpr int kFax = 16;
inline constexpr int kDueño = 17;
inline constexpr int kReferencia = 18;
inline constexpr int kCodigo = 19;
inline constexpr int kEMail = 20;
inline constexpr int kObservaciones = 21;

// The slots the user types into, in increasing order.
inline constexpr std::array<int, 15> kDeTexto = {
    kCalle,   kNumero,    kRuta,         kKm,       kTorre, kPiso,  kDepto,        kManzana,
    kPartido, kLocalidad, kCodigoPostal, kTelefono, kFax,   kEMail, kObservaciones};

// TipoControlDato of a numeric field: written as the number its text begins
// with. Any other value is a text field.
inline constexpr int32_t kNumerico = 3;

}  // namespace campo
