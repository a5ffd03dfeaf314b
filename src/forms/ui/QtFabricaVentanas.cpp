/*
** The Qt standard windows. See QtFabricaVentanas.h.
*/
#include "forms/ui/QtFabricaVentanas.h"

#include "forms/ui/FrmXAcercaDe.h"
#include "forms/ui/FrmXCerrando.h"
#include "forms/ui/FrmXInicioMensaje.h"
#include "forms/ui/FrmXMensaje.h"

std::unique_ptr<FrmXAcercaDeVista> QtFabricaVentanas::AcercaDe(FrmXAcercaDeModel& modelo) {
  return std::make_unique<FrmXAcercaDe>(modelo);
}

std::unique_ptr<FrmXInicioMensajeVista> QtFabricaVentanas::InicioMensaje(
    FrmXInicioMensajeModel& modelo) {
  return std::make_unique<FrmXInicioMensaje>(modelo);
}

std::unique_ptr<FrmXMensajeVista> QtFabricaVentanas::Mensaje(FrmXMensajeModel& modelo) {
  return std::make_unique<FrmXMensaje>(modelo);
}

std::unique_ptr<FrmXCerrandoVista> QtFabricaVentanas::Cerrando(FrmXCerrandoModel& modelo) {
  return std::make_unique<FrmXCerrando>(modelo);
}
