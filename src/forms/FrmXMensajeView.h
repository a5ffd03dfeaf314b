/*
** FrmXMensajeView: what the one-time message window's logic
** (FrmXMensajeModel) asks of the widgets that show it.
*/
#pragma once

#include <string>

#include "forms/FormWindow.h"

class FrmXMensajeView {
 public:
  virtual ~FrmXMensajeView() = default;

  virtual FormWindow& Ventana() = 0;

  // The window's caption.
  virtual void Titulo(const std::string& texto) = 0;
  // lblMensaje.
  virtual void Mensaje(const std::string& texto) = 0;
  // Whether chkNoVolver is ticked.
  virtual bool NoVolverMarcado() const = 0;

  // Shows the window and returns when it has closed.
  virtual void MostrarModal() = 0;
  virtual void Cerrar() = 0;
};
