/*
** AddressRecords: the address rows of one owner as the editor and the
** control see them: the list, the summary, loading one address into the
** editor's fields, saving it (new or edited), the one-fiscal-address rule
** and the deletions. Every change goes straight to the live rows; the
** working copy (WorkingCopy) is what lets the host undo them.
**
** Which fields take part follows the editor's controls: the text slots and
** slot 4 ("Sin Número") only when their slot is Visible; the type (slot 1)
** and the province (slot 14) are written on every save, since their
** controls are never hidden (only the type's frame is), and loaded only
** when their slot is Visible. A numeric slot (TipoControlDato 3) is written
** as the number its text begins with, read in the regional form in which
** it is shown (LeadingNumber); any other as its text.
**
** Values are shown as the regional text of the column's value; a Null
** column shows as the empty text (it never fails the loading), in the
** list, the summary and the editor's fields alike.
**
** Nothing is trapped: an engine error, a missing column or the host's
** failing DevolverMaximo reaches the caller, and a save that fails leaves
** the row unsaved.
*/
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "address/AddressScope.h"

// One entry of the editor's list.
struct AddressListEntry {
  std::string Clave;      // "A" + code
  std::string Texto;      // street (slot 2)
  std::string Numero;     // slot 3
  std::string Localidad;  // slot 12
};

// What the editor holds when it saves: the type chosen, the "Sin Número"
// box, the text of every text slot (by slot number) and the province code
// selected ("" for none).
struct AddressInput {
  bool Fiscal = false;
  bool SinNumero = false;
  std::array<std::string, campo::kCantidad> Textos;
  std::string Provincia;

  bool operator==(const AddressInput&) const = default;
};

// What loading gives the editor: only what the slots let it load; a field
// left empty here (nullopt) keeps what the editor shows.
struct LoadedAddress {
  std::optional<bool> Fiscal;
  std::optional<bool> SinNumero;
  std::array<std::optional<std::string>, campo::kCantidad> Textos;
  std::optional<std::string> Provincia;  // the code to select, as text
};

class AddressRecords {
 public:
  static constexpr const char* kYaHayFiscal =
      "Ya existe un domicilio fiscal. Solo puede haber uno.";
  static constexpr int kObjetoNoEstablecido = 91;

  explicit AddressRecords(AddressScope& ambito) : a_(ambito) {}

  // The owner's addresses of the current reference, in the order read.
  std::vector<AddressListEntry> Lista();

  // Street, " ", number, ", ", locality of each listed address, one per
  // line (CR LF between lines, none after the last); "" for none.
  std::string DarDomicilios();

  // 3021 when no row has the code.
  LoadedAddress Cargar(int32_t codigo);

  // A new row with its code from the host's DevolverMaximo (91 without a
  // host object); returns the code.
  int32_t Agregar(const AddressInput& datos);
  void Editar(int32_t codigo, const AddressInput& datos);

  // The refusal text when the owner already has a fiscal address other
  // than `editado`; "" when the save may go on or `fiscal` is false.
  std::string ControlarFiscal(bool fiscal, std::optional<int32_t> editado);

  void Eliminar(int32_t codigo);
  // Every address of the owner, whatever its reference.
  void EliminarTodos();

 private:
  void Escribir(dao::Recordset& rs, const AddressInput& datos);

  AddressScope& a_;
};
