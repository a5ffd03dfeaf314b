/*
** FrmDomiciliosView: what the address editor's logic (FrmDomiciliosModel)
** asks of the window that shows it. The Qt window implements it; the logic
** never touches a widget itself.
**
** Field slots are the numbers of CampoDomicilio.h: the text boxes are the
** slots of campo::kDeTexto, slot 14 is the province combo (for focus), and
** the type frame, "Sin Número" and the list have calls of their own.
** Sizes are in twips. Every call is made on the user-interface thread and
** returns when the widgets show the change.
*/
#pragma once

#include <memory>
#include <string>

#include "address/AddressRecords.h"
#include "graphics/Picture.h"

class FrmDomiciliosModel;

class FrmDomiciliosView {
 public:
  virtual ~FrmDomiciliosView() = default;

  virtual void Caption(const std::string& texto) = 0;

  // The list (LstDomicilios): entries by position from 0, each shown with
  // the list's image 2 and the number and locality as its sub-items.
  virtual void AgregarColumna(const std::string& titulo, int ancho) = 0;
  virtual void AgregarEntrada(const AddressListEntry& entrada) = 0;
  virtual void ActualizarEntrada(int posicion, const AddressListEntry& entrada) = 0;
  virtual void EliminarEntrada(int posicion) = 0;
  virtual void LimpiarLista() = 0;
  // -1: nothing selected.
  virtual void SeleccionarEntrada(int posicion) = 0;
  virtual void HabilitarLista(bool habilitada) = 0;
  virtual void MostrarLista(bool visible) = 0;

  // A text slot's label (its description and ":"), its length and whether
  // label and box show; set once at opening.
  virtual void ConfigurarCampo(int slot, const std::string& etiqueta, int longitud,
                               bool visible) = 0;
  virtual void MostrarTipo(bool visible) = 0;
  virtual void MostrarSinNumero(bool visible) = 0;

  virtual std::string Texto(int slot) const = 0;
  virtual void SetTexto(int slot, const std::string& texto) = 0;
  virtual bool SinNumero() const = 0;
  virtual void SetSinNumero(bool marcado) = 0;
  // True: "&Fiscal" chosen; false: "&Otro".
  virtual bool Fiscal() const = 0;
  virtual void SetFiscal(bool fiscal) = 0;

  // The province combo (CboProvincia); "" selects nothing.
  virtual void LimpiarProvincias() = 0;
  virtual void AgregarProvincia(const std::string& codigo, const std::string& descripcion) = 0;
  virtual void SeleccionarProvincia(const std::string& codigo) = 0;
  // "" when nothing is selected.
  virtual std::string ProvinciaSeleccionada() const = 0;

  // The data frame's controls (fraDatos), the number box and the type
  // frame. Disabling leaves what the controls show as it is.
  virtual void HabilitarDatos(bool habilitados) = 0;
  virtual void HabilitarNumero(bool habilitado) = 0;
  virtual void HabilitarTipo(bool habilitado) = 0;
  // The keyboard focus to a text slot's box or, for slot 14, the combo.
  virtual void Enfocar(int slot) = 0;

  // The button bar's state (2 editing, 0 browsing entries, 1 browsing an
  // empty list) and picture.
  virtual void EstadoBarra(int estado) = 0;
  virtual void ImagenBarra(std::shared_ptr<const Picture> imagen) = 0;

  // Layout of the compact form.
  virtual void AltoDatos(int alto) = 0;
  virtual void TopDatos(int top) = 0;
  virtual void AltoVentana(int alto) = 0;
  virtual void AltoBarra(int alto) = 0;
  virtual void Centrar() = 0;

  // Shows the window modally, its widgets calling `modelo`, and returns
  // once it has closed.
  virtual void MostrarModal(FrmDomiciliosModel& modelo) = 0;
  virtual void Cerrar() = 0;
};
