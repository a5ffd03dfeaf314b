/*
** The closing notice's logic. See FrmXCerrandoModel.h.
*/
#include "forms/FrmXCerrandoModel.h"

#include "common/AppError.h"
#include "forms/WindowFactory.h"
#include "forms/a_c_graph.h"
#include "platform/MessageBoxService.h"

FrmXCerrandoModel::FrmXCerrandoModel(a_c_graph& graph, WindowFactory& fabrica)
    : graph_(graph), vista_(fabrica.Cerrando(*this)) {}

FrmXCerrandoModel::~FrmXCerrandoModel() = default;

void FrmXCerrandoModel::Mostrar(std::shared_ptr<const Picture> imagen,
                                std::function<void()> alCerrar) {
  alCerrar_ = std::move(alCerrar);
  vista_->Icono(std::move(imagen));
  vista_->RepintarLabel1();
  graph_.CentrarFormulario(vista_->Ventana());
  activada_ = false;
  vista_->MostrarModal();
}

// The notice must close whatever the work does: it is modal, and nothing
// else would ever end the show.
void FrmXCerrandoModel::Form_Activate() {
  if (activada_) return;
  activada_ = true;
  vista_->Repintar();
  vista_->RepintarLabel1();
  try {
    if (alCerrar_) alCerrar_();
  } catch (const std::exception& e) {
    MsgBox(e.what());
  }
  vista_->Cerrar();
}
