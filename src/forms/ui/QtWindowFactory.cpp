/*
** The Qt standard windows. See QtWindowFactory.h.
*/
#include "forms/ui/QtWindowFactory.h"

#include "forms/ui/FrmXAcercaDe.h"
#include "forms/ui/FrmXCerrando.h"
#include "forms/ui/FrmXInicioMensaje.h"
#include "forms/ui/FrmXMensaje.h"

std::unique_ptr<FrmXAcercaDeView> QtWindowFactory::AcercaDe(FrmXAcercaDeModel& modelo) {
  return std::make_unique<FrmXAcercaDe>(modelo);
}

std::unique_ptr<FrmXInicioMensajeView> QtWindowFactory::InicioMensaje(
    FrmXInicioMensajeModel& modelo) {
  return std::make_unique<FrmXInicioMensaje>(modelo);
}

std::unique_ptr<FrmXMensajeView> QtWindowFactory::Mensaje(FrmXMensajeModel& modelo) {
  return std::make_unique<FrmXMensaje>(modelo);
}

std::unique_ptr<FrmXCerrandoView> QtWindowFactory::Cerrando(FrmXCerrandoModel& modelo) {
  return std::make_unique<FrmXCerrando>(modelo);
}
