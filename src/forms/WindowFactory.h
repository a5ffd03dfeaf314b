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
class FrmXAcercaDeVista;
class FrmXCerrandoModel;
class FrmXCerrandoVista;
class FrmXInicioMensajeModel;
class FrmXInicioMensajeVista;
class FrmXMensajeModel;
class FrmXMensajeVista;

class WindowFactory {
 public:
  virtual ~WindowFactory() = default;

  virtual std::unique_ptr<FrmXAcercaDeVista> AcercaDe(FrmXAcercaDeModel& modelo) = 0;
  virtual std::unique_ptr<FrmXInicioMensajeVista> InicioMensaje(FrmXInicioMensajeModel& modelo) = 0;
  virtual std::unique_ptr<FrmXMensajeVista> Mensaje(FrmXMensajeModel& modelo) = 0;
  virtual std::unique_ptr<FrmXCerrandoVista> Cerrando(FrmXCerrandoModel& modelo) = 0;
};
