/*
** The one-time message window's logic. See FrmXMensajeModel.h.
*/
#include "forms/FrmXMensajeModel.h"

#include "forms/WindowFactory.h"
#include "forms/a_c_graph.h"

FrmXMensajeModel::FrmXMensajeModel(a_c_graph& graph, WindowFactory& fabrica)
    : graph_(graph), vista_(fabrica.Mensaje(*this)) {}

FrmXMensajeModel::~FrmXMensajeModel() = default;

void FrmXMensajeModel::Mostrar(int32_t tipo, const std::string& titulo, const std::string& mensaje,
                               const dao::Database& db) {
  configuracion_.emplace(db);
  if (configuracion_->Suprimido(tipo)) return;
  tipo_ = tipo;
  vista_->Titulo(titulo);
  vista_->Mensaje(mensaje);
  graph_.CentrarFormulario(vista_->Ventana());
  error_ = nullptr;
  vista_->MostrarModal();
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
}

void FrmXMensajeModel::btnAceptar_Click() {
  try {
    if (vista_->NoVolverMarcado() && configuracion_) configuracion_->Suprimir(tipo_);
  } catch (...) {
    error_ = std::current_exception();
  }
  vista_->Cerrar();
}
