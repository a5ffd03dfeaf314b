/*
** FrmXInicioMensajeView: what the welcome window's logic
** (FrmXInicioMensajeModel) asks of the widgets that show it.
*/
#pragma once

#include <string>

#include "forms/FormWindow.h"

class FrmXInicioMensajeView {
 public:
  // Mouse pointers, by the platform's numbers.
  static constexpr int kPunteroNormal = 0;
  static constexpr int kPunteroReloj = 11;

  virtual ~FrmXInicioMensajeView() = default;

  virtual FormWindow& Ventana() = 0;

  // lblNombreFrente and its shadow lblNombreFondo.
  virtual void Titulo(const std::string& texto) = 0;
  // lblMensaje.
  virtual void Mensaje(const std::string& texto) = 0;
  // Whether chkNoMostrar is ticked.
  virtual bool NoMostrarMarcado() const = 0;

  virtual void Puntero(int puntero) = 0;
  // Sends the key F1 to the application, as typed: it arrives after the
  // current handler returns, and the window answers it with TeclaF1.
  virtual void EnviarF1() = 0;
  // Opens a help page (a file) in the desktop's viewer; false when the
  // desktop could not open it.
  virtual bool AbrirAyuda(const std::string& pagina) = 0;

  // Shows the window and returns when it has closed.
  virtual void MostrarModal() = 0;
  virtual void Cerrar() = 0;
};
