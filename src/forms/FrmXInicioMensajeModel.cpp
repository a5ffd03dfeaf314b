/*
** The welcome window's logic. See FrmXInicioMensajeModel.h.
*/
#include "forms/FrmXInicioMensajeModel.h"

#include "forms/HelpPages.h"
#include "forms/WindowFactory.h"
#include "forms/a_c_graph.h"
#include "platform/MessageBoxService.h"

FrmXInicioMensajeModel::FrmXInicioMensajeModel(a_c_graph& graph, WindowFactory& fabrica,
                                               std::string carpetaAyuda)
    : graph_(graph), carpetaAyuda_(std::move(carpetaAyuda)), vista_(fabrica.InicioMensaje(*this)) {}

FrmXInicioMensajeModel::~FrmXInicioMensajeModel() = default;

void FrmXInicioMensajeModel::Mostrar(const std::string& descApp, int32_t idHelp) {
  vista_->Titulo("¡ Bienvenido a " + descApp + "!");
  helpContextID_ = idHelp;
  graph_.CentrarFormulario(vista_->Ventana());
  vista_->Mensaje(kMensaje);
  vista_->MostrarModal();
}

void FrmXInicioMensajeModel::btnAyuda_Click() {
  vista_->Puntero(FrmXInicioMensajeView::kPunteroReloj);
  vista_->EnviarF1();
  vista_->Puntero(FrmXInicioMensajeView::kPunteroNormal);
}

void FrmXInicioMensajeModel::TeclaF1() {
  const std::string pagina = HelpPages::Pagina(carpetaAyuda_, helpContextID_);
  if (pagina.empty()) {
    MsgBox("No se encontró la ayuda del sistema en la carpeta '" + carpetaAyuda_ + "'.");
  } else if (!vista_->AbrirAyuda(pagina)) {
    MsgBox("No se pudo abrir la ayuda del sistema (" + pagina + ").");
  }
}

void FrmXInicioMensajeModel::btnInicio_Click() {
  graph_.MostrarInicio = !vista_->NoMostrarMarcado();
  graph_.welcomeStarted_ = true;
  vista_->Cerrar();
}
