/*
** WindowFactory: makes the widgets of the standard windows for their
** logic. The program's factory makes Qt windows; tests make fakes.
**
** Each window's logic owns the widgets it is given and hands them its own
** reference, to which the widgets report the operator's actions; the logic
** outlives its widgets.
*/
#pragma once

#include <memory>

class FrmXAcercaDeModel;
class FrmXAcercaDeView;
class FrmXCerrandoModel;
class FrmXCerrandoView;
class FrmXInicioMensajeModel;
class FrmXInicioMensajeView;
class FrmXMensajeModel;
class FrmXMensajeView;

class WindowFactory {
 public:
  virtual ~WindowFactory() = default;

  virtual std::unique_ptr<FrmXAcercaDeView> AcercaDe(FrmXAcercaDeModel& modelo) = 0;
  virtual std::unique_ptr<FrmXInicioMensajeView> InicioMensaje(FrmXInicioMensajeModel& modelo) = 0;
  virtual std::unique_ptr<FrmXMensajeView> Mensaje(FrmXMensajeModel& modelo) = 0;
  virtual std::unique_ptr<FrmXCerrandoView> Cerrando(FrmXCerrandoModel& modelo) = 0;
};
