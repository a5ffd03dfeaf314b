/*
** FrmXAcercaDeView: what the about window's logic (FrmXAcercaDeModel)
** asks of the widgets that show it. Every call returns when the widgets
** show the change.
*/
#pragma once

#include <memory>
#include <string>

#include "forms/FormWindow.h"
#include "graphics/Picture.h"

class FrmXAcercaDeView {
 public:
  virtual ~FrmXAcercaDeView() = default;

  virtual FormWindow& Ventana() = 0;

  // lblRelease, lblVersion.
  virtual void Release(const std::string& texto) = 0;
  virtual void Version(const std::string& texto) = 0;
  // LblBeta and its shadow LblBeta2.
  virtual void Beta(const std::string& texto) = 0;
  // LblTitulo1, the application's name.
  virtual void Nombre(const std::string& texto) = 0;
  // Element 1 of txtTitulo, the application's description.
  virtual void Descripcion(const std::string& texto) = 0;
  // Img; an empty picture clears it.
  virtual void Dibujo(std::shared_ptr<const Picture> imagen) = 0;
  // lblEstado, the progress line.
  virtual void Estado(const std::string& texto) = 0;
  // The rights-notice label.
  virtual void MostrarAviso(bool visible) = 0;
  // The button that closes the window, which has no frame to close it by.
  virtual void MostrarCerrar(bool visible) = 0;

  // Brings the window in front of every other (z-order position 0).
  virtual void AlFrente() = 0;
  // Paints what changed and runs the window messages that are waiting,
  // inside the caller's work.
  virtual void ProcesarMensajes() = 0;
  // Shows the window without waiting for it to close.
  virtual void MostrarSinEsperar() = 0;
  // Hides the window for good; the logic then counts it unloaded.
  virtual void Cerrar() = 0;
};
