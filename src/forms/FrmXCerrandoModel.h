/*
** FrmXCerrandoModel: the closing notice's logic.
**
** Mostrar puts the application's picture in the window and shows it
** modally; loading paints Label1 and centres the window. Once the window is
** on screen (Form_Activate, the first time only) it paints itself, raises
** its event, so that the listener does the closing work while the notice
** is shown, and closes, which ends the modal show. The listener is
** optional. An error of the listener is shown in a message box: the notice
** closes all the same.
*/
#pragma once

#include <functional>
#include <memory>

#include "forms/FrmXCerrandoView.h"
#include "graphics/Picture.h"

class a_c_graph;
class WindowFactory;

class FrmXCerrandoModel {
 public:
  static constexpr const char* kLabel2 = "Espere mientras se cierra el sistema...";
  static constexpr const char* kLabel1 =
      "Recuerde realizar diariamente un respaldo de la información.";

  FrmXCerrandoModel(a_c_graph& graph, WindowFactory& fabrica);
  ~FrmXCerrandoModel();
  FrmXCerrandoModel(const FrmXCerrandoModel&) = delete;
  FrmXCerrandoModel& operator=(const FrmXCerrandoModel&) = delete;

  void Mostrar(std::shared_ptr<const Picture> imagen, std::function<void()> alCerrar);

  // From the widgets, when the window is on screen.
  void Form_Activate();

 private:
  a_c_graph& graph_;
  std::unique_ptr<FrmXCerrandoView> vista_;
  std::function<void()> alCerrar_;
  bool activada_ = false;
};
