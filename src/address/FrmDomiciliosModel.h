/*
** FrmDomiciliosModel: the address editor's logic (frmDomicilios), without
** its widgets. The editor lists an owner's addresses and lets the user add,
** edit and delete them; it is opened only by the address control
** (UcnDomModel, its ObjDom), which holds the scope, the field slots and the
** working copy. The window wires its widgets to it through
** FrmDomiciliosView.
**
** Modes: browsing (the list enabled, the data controls disabled, the bar in
** state 0 with entries and 1 without) and editing (the list disabled, the
** data controls enabled, the bar in state 2) after Nuevo or Editar.
** Editando tells an edited address (true) from a new one (false). Aceptar
** after a save and Cancelar go back to browsing, and so do the deletions.
** In single-address mode (ObjDom.SoloUno) every switch is forced to
** editing; the opening goes straight to Editar (entries) or Nuevo (none),
** and with the compact layout the list is hidden and Cancelar (and a
** successful Aceptar) close the window. Without single-address mode the
** opening ends in browsing.
**
** ValidarDatos gives the first problem, with the focus on its field:
** a mandatory visible text slot (2-21 but 4, 14, 17-19, in order) blank
** after trimming gives "Debe ingresar el dato " + its description; a
** mandatory province with none chosen, "Debe ingresar la provincia"; a
** fiscal address when the owner has another, the one-fiscal-address
** refusal. Aceptar shows the problem in an OK-only box and saves nothing.
** The deletions ask first ("¿Confirma la eliminación del domicilio
** seleccionado?", "¿Confirma la eliminación de todos los domicilios?",
** Yes/No); No changes nothing.
**
** A failure of the engine while loading, saving or deleting is shown in a
** message box with its description, and the handler stops there: what
** the user typed stays in the form (still editing, to retry or cancel),
** the list changes only after the database did, and a save that fails
** writes no row (the record is never updated). An address that fails to
** load leaves the fields empty rather than showing another address.
**
** Closing the window by its frame (or Alt+F4) while an address is being
** entered or edited, with something typed since the edit began, asks
** first ("¿Descarta los datos ingresados del domicilio?", Yes/No, No by
** default): No keeps the window and the typing; Yes drops the typing as
** Cancelar does and lets the window close. With nothing typed it closes
** without asking, as it does while browsing.
**
** Disabling the data frame leaves the fields as they are, so that the
** selected address shows while browsing and Editar starts from it.
** Nuevo leaves the type option as it stands (the type of the address
** shown before, or the one slot 1 fixes): a new address started as
** "&Fiscal" after browsing the owner's fiscal one is refused on saving by
** the one-fiscal-address rule, never stored. Once saved, a new address is
** the one edited, so a second Aceptar in single-address mode edits it
** rather than adding a copy.
*/
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "address/AddressRecords.h"
#include "address/FrmDomiciliosView.h"

class UcnDomModel;

class FrmDomiciliosModel {
 public:
  static constexpr const char* kConfirmaUno =
      "¿Confirma la eliminación del domicilio seleccionado?";
  static constexpr const char* kConfirmaTodos = "¿Confirma la eliminación de todos los domicilios?";
  static constexpr const char* kDebeIngresarDato = "Debe ingresar el dato ";
  static constexpr const char* kDebeIngresarProvincia = "Debe ingresar la provincia";
  static constexpr const char* kProvincias = "select * from provincias";
  static constexpr const char* kDescartar = "¿Descarta los datos ingresados del domicilio?";

  static constexpr int kAltoDatosCompacto = 3075;
  static constexpr int kAltoVentanaCompacta = 5710;
  static constexpr int kAltoBarraCompacta = 5475;
  static constexpr int kTopDatosSoloUno = 100;

  // Stores the control in ObjDom and runs the window's load: the caption
  // (ObjDom.DescFormulario) and empty fields.
  FrmDomiciliosModel(FrmDomiciliosView& vista, UcnDomModel& ObjDom);
  FrmDomiciliosModel(const FrmDomiciliosModel&) = delete;
  FrmDomiciliosModel& operator=(const FrmDomiciliosModel&) = delete;

  UcnDomModel& ObjDom() { return objDom_; }

  void HabilitarControles(bool Habilitar);
  // The loading routines show a failure and return false.
  bool CargarLista();
  bool RefrescarDatos();
  std::string DarTextoDomicilio() const { return ""; }
  void ProcesarOrden();
  bool CargarProvincias();
  // The control's working copy (it does nothing unless Inicio is true);
  // failures reach the caller.
  void HacerCopia(int32_t CodTemporal);

  // Selects the entry at `posicion` (-1: none) without loading it.
  void Seleccionar(int posicion);

  void Bot_BotonNuevo();
  void Bot_BotonEditar();
  void Bot_BotonAceptar();
  void Bot_BotonCancelar();
  void Bot_BotonEliminarDato();
  void Bot_BotonEliminarTodos();
  void Bot_BotonSalir();
  void LstDomicilios_ItemClick(int posicion);
  // The key to keep: KeyAscii, or 0 when a numeric slot refuses it.
  int TxtDato_KeyPress(int Index, int KeyAscii) const;
  // After the user ticked or cleared "Sin Número".
  void chkSinNro_Click();
  // The window system asks to close the window: true lets it close.
  bool CloseRequested();

  bool Editando() const { return editando_; }
  bool EnEdicion() const { return enEdicion_; }
  const std::vector<AddressListEntry>& Entradas() const { return entradas_; }
  int Seleccionada() const { return seleccion_; }
  bool ListaVisible() const { return listaVisible_; }

 private:
  std::string ValidarDatos();
  void GuardarDomicilio();
  void ModoEdicion(bool Editar);
  void LimpiarCampos();
  void Cancelar();
  // Chooses the type slot 1 fixes, and disables the frame; false when it
  // fixes none.
  bool AplicarTipoFijo();
  AddressInput Datos() const;
  // What the fields held when the edit began (after Nuevo's defaults).
  void RememberStart();
  int32_t CodigoSeleccionado() const;
  // Runs `paso`; a failure is shown with its description and gives false.
  static bool Atrapar(const std::function<void()>& paso);

  FrmDomiciliosView& vista_;
  UcnDomModel& objDom_;
  AddressRecords registros_;
  std::vector<AddressListEntry> entradas_;
  int seleccion_ = -1;
  bool editando_ = false;
  bool enEdicion_ = false;
  bool listaVisible_ = true;
  std::optional<AddressInput> start_;
};
