/*
** QtWindowFactory: the standard windows of the Qt program, for
** a_c_graph. Each window is made for the logic that asks for it and
** belongs to that logic.
*/
#pragma once

#include "forms/WindowFactory.h"

class QtWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrmXAcercaDeView> AcercaDe(FrmXAcercaDeModel& modelo) override;
  std::unique_ptr<FrmXInicioMensajeView> InicioMensaje(FrmXInicioMensajeModel& modelo) override;
  std::unique_ptr<FrmXMensajeView> Mensaje(FrmXMensajeModel& modelo) override;
  std::unique_ptr<FrmXCerrandoView> Cerrando(FrmXCerrandoModel& modelo) override;
};
