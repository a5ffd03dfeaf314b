/*
** The about window's logic. See FrmXAcercaDeModel.h.
*/
#include "forms/FrmXAcercaDeModel.h"

#include "forms/WindowFactory.h"
#include "forms/a_c_graph.h"

FrmXAcercaDeModel::FrmXAcercaDeModel(a_c_graph& graph, WindowFactory& fabrica)
    : graph_(graph), vista_(fabrica.AcercaDe(*this)) {}

FrmXAcercaDeModel::~FrmXAcercaDeModel() = default;

void FrmXAcercaDeModel::Mostrar(bool comienzo, const Datos& datos) {
  comienzo_ = comienzo;
  vista_->Release(datos.release);
  vista_->Version(datos.version);
  vista_->Beta(datos.beta);
  vista_->Nombre(datos.nombre);
  vista_->Descripcion(datos.descripcion);
  vista_->Dibujo(datos.imagen);
  if (!cargada_) {
    cargada_ = true;
    Form_Load();
  }
  vista_->MostrarSinEsperar();
}

void FrmXAcercaDeModel::Form_Load() {
  vista_->AlFrente();
  vista_->MostrarAviso(!comienzo_);
  vista_->MostrarCerrar(!comienzo_);
  graph_.CentrarFormulario(vista_->Ventana());
}

void FrmXAcercaDeModel::Actualizar(const std::string& mensaje) {
  if (!cargada_) return;
  vista_->Estado(mensaje);
  vista_->ProcesarMensajes();
}

void FrmXAcercaDeModel::Descargar() {
  if (!cargada_) return;
  cargada_ = false;
  vista_->Cerrar();
}

void FrmXAcercaDeModel::Click() {
  if (comienzo_ || !cargada_) return;
  cargada_ = false;
  vista_->Cerrar();
}

bool FrmXAcercaDeModel::Form_QueryUnload() {
  if (comienzo_ && cargada_) return false;
  cargada_ = false;
  return true;
}
