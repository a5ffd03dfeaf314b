/*
** FrmXInicioMensajeModel: the welcome window's logic.
**
** Mostrar builds the title "¡ Bienvenido a " + DescApp + "!", puts it in
** the title and its shadow, keeps the help context and shows the window
** modally; loading centres the window and fills in the welcome text.
**
** btnAyuda shows the hourglass, sends F1 to the application and puts the
** pointer back; F1, from the button or typed anywhere in the window, opens
** the help page of the window's context (HelpPages), or tells the
** operator that there is no help to open.
**
** btnInicio records the choice in the a_c_graph instance (MostrarInicio:
** true when chkNoMostrar is unticked) and closes the window. Closing it
** any other way leaves MostrarInicio as it was.
*/
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "forms/FrmXInicioMensajeView.h"

class a_c_graph;
class WindowFactory;

class FrmXInicioMensajeModel {
 public:
  static constexpr const char* kBtnAyuda = "Ver ayuda";
  static constexpr const char* kBtnInicio = "Salir y ejecutar el sistema";
  static constexpr const char* kChkNoMostrar =
      "No mostrar esta ventana cada vez que inicia el sistema";
  static constexpr const char* kMensaje =
      "Antes de comenzar a utilizar la aplicación,"
      " le recomendamos que lea atentamente la ayuda del sistema."
      " Allí encontrará toda la información que necesita para poder"
      " utilizar el aplicativo y obtener resultados satisfactorios."
      " Puede acceder a la ayuda presionando el botón que está a "
      "la derecha de este cuadro o en cualquier momento presionando"
      " la tecla F1.";

  FrmXInicioMensajeModel(a_c_graph& graph, WindowFactory& fabrica, std::string carpetaAyuda);
  ~FrmXInicioMensajeModel();
  FrmXInicioMensajeModel(const FrmXInicioMensajeModel&) = delete;
  FrmXInicioMensajeModel& operator=(const FrmXInicioMensajeModel&) = delete;

  void Mostrar(const std::string& descApp, int32_t idHelp);

  // From the widgets.
  void btnAyuda_Click();
  void TeclaF1();
  void btnInicio_Click();

  int32_t HelpContextID() const { return helpContextID_; }

 private:
  a_c_graph& graph_;
  std::string carpetaAyuda_;
  std::unique_ptr<FrmXInicioMensajeView> vista_;
  int32_t helpContextID_ = 0;
};
