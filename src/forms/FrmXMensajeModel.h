/*
** FrmXMensajeModel: the one-time message window's logic.
**
** Mostrar looks the message's code up in table Configuracion of the
** database given (MessageSettings); when the operator asked not to
** see it again nothing is shown. Otherwise the window shows the title as
** its caption and the text, modally, centred on the screen.
**
** btnAceptar records the code when chkNoVolver is ticked, then closes the
** window. Closing it any other way records nothing. The engine's errors
** reach Mostrar's caller, the save's too: the window closes and the error
** is raised once the modal show has ended, so that it never escapes into
** the event loop.
*/
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "dao/Database.h"
#include "forms/FrmXMensajeView.h"
#include "forms/MessageSettings.h"

class a_c_graph;
class WindowFactory;

class FrmXMensajeModel {
 public:
  static constexpr const char* kBtnAceptar = "&Aceptar";
  static constexpr const char* kChkNoVolver = "No volver a mostrar este mensaje en el futuro.";

  FrmXMensajeModel(a_c_graph& graph, WindowFactory& fabrica);
  ~FrmXMensajeModel();
  FrmXMensajeModel(const FrmXMensajeModel&) = delete;
  FrmXMensajeModel& operator=(const FrmXMensajeModel&) = delete;

  void Mostrar(int32_t tipo, const std::string& titulo, const std::string& mensaje,
               const dao::Database& db);

  // From the widgets.
  void btnAceptar_Click();

 private:
  a_c_graph& graph_;
  std::unique_ptr<FrmXMensajeView> vista_;
  std::optional<MessageSettings> configuracion_;
  int32_t tipo_ = 0;
  std::exception_ptr error_;
};
