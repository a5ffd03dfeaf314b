/*
** QtWindowFactory: the standard windows of the Qt program, for
** a_c_graph. Each window is made for the logic that asks for it and
** belongs to that logic.
*/
#pragma once

#include "forms/WindowFactory.h"

class QtWindowFactory : public WindowFactory {
 public:
  std::unique_ptr<FrmXAcercaDeVista> AcercaDe(FrmXAcercaDeModel& modelo) override;
  std::unique_ptr<FrmXInicioMensajeVista> InicioMensaje(FrmXInicioMensajeModel& modelo) override;
  std::unique_ptr<FrmXMensajeVista> Mensaje(FrmXMensajeModel& modelo) override;
  std::unique_ptr<FrmXCerrandoVista> Cerrando(FrmXCerrandoModel& modelo) override;
};
