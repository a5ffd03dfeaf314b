/*
** FrmXCerrandoView: what the closing notice's logic (FrmXCerrandoModel)
** asks of the widgets that show it.
*/
#pragma once

#include <memory>

#include "forms/FormWindow.h"
#include "graphics/Picture.h"

class FrmXCerrandoView {
 public:
  virtual ~FrmXCerrandoView() = default;

  virtual FormWindow& Ventana() = 0;

  // picIcono, the application's picture.
  virtual void Icono(std::shared_ptr<const Picture> imagen) = 0;
  // Paints Label1 at once, or the whole window, while the caller works.
  virtual void RepintarLabel1() = 0;
  virtual void Repintar() = 0;

  // Shows the window and returns when it has closed. Once it is on screen
  // the window calls Form_Activate of its logic.
  virtual void MostrarModal() = 0;
  virtual void Cerrar() = 0;
};
