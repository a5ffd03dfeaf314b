/*
** The standard windows and window routines. See a_c_graph.h.
*/
#include "forms/a_c_graph.h"

#include <algorithm>
#include <cctype>

#include "forms/FrmXAcercaDeModel.h"
#include "forms/FrmXCerrandoModel.h"
#include "forms/FrmXInicioMensajeModel.h"
#include "forms/FrmXMensajeModel.h"
#include "forms/Tiling.h"

a_c_graph::a_c_graph(WindowFactory& fabrica, std::string carpetaAyuda)
    : fabrica_(fabrica), carpetaAyuda_(std::move(carpetaAyuda)) {}

a_c_graph::~a_c_graph() = default;

void a_c_graph::CentrarFormulario(FormWindow& Formulario, const FormContainer* Contenedor) {
  if (!Formulario.MDIChild()) {
    Formulario.Move((Formulario.ScreenWidth() - Formulario.Width()) / 2,
                    (Formulario.ScreenHeight() - Formulario.Height()) / 2);
  } else if (Contenedor) {
    Formulario.Move((Contenedor->ScaleWidth() - Formulario.Width()) / 2,
                    (Contenedor->ScaleHeight() - Formulario.Height()) / 2);
  }
}

a_c_graph::ValorPropiedad a_c_graph::DarPropiedad(const GraphicObject& objeto,
                                                  const std::string& nombre) {
  std::string clave = nombre;
  std::transform(clave.begin(), clave.end(), clave.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  ValorPropiedad resultado;
  try {
    if (clave == "container") {
      resultado.objeto = objeto.ObjectProperty("Container");
    } else if (clave == "enabled") {
      resultado.valor = objeto.Property("Enabled");
    } else if (clave == "text") {
      resultado.valor = objeto.Property("Text");
    } else if (clave == "value") {
      resultado.valor = objeto.Property("Value");
    } else if (clave == "parent") {
      resultado.objeto = objeto.ObjectProperty("Parent");
    }
    resultado.encontrada = true;
  } catch (const std::exception&) {
    resultado = ValorPropiedad{};
  }
  return resultado;
}

void a_c_graph::HabilitarControlesContenedor(GraphicObject& oCont, bool bEnabled) {
  const ValorPropiedad padre = DarPropiedad(oCont, "Parent");
  if (padre.encontrada && padre.objeto) {
    for (const std::shared_ptr<GraphicObject>& control : padre.objeto->Controls()) {
      const ValorPropiedad contenedor = DarPropiedad(*control, "Container");
      if (!contenedor.encontrada || !contenedor.objeto ||
          contenedor.objeto->Identity() != oCont.Identity()) {
        continue;
      }
      if (DarPropiedad(*control, "Enabled").encontrada) {
        control->SetProperty("Enabled", Variant(bEnabled));
      }
      if (!bEnabled) {
        if (DarPropiedad(*control, "Text").encontrada) {
          control->SetProperty("Text", Variant(std::string()));
        }
        if (DarPropiedad(*control, "Value").encontrada) {
          control->SetProperty("Value", Variant(int16_t{0}));
        }
      }
    }
  }
  oCont.SetProperty("Enabled", Variant(bEnabled));
}

FrmXAcercaDeModel* a_c_graph::AcercaDe() {
  return acercaDe_ && acercaDe_->Cargada() ? acercaDe_.get() : nullptr;
}

void a_c_graph::AcercaDe_Mostrar(const std::string& CadRelease, const std::string& CadVersion,
                                 const std::string& CadBeta, bool Comienzo,
                                 const std::string& NombreAplicativo,
                                 const std::string& DescAplicativo,
                                 std::shared_ptr<const Picture> imagen) {
  // A window closed since it was last shown is unloaded: a new one is made.
  if (!AcercaDe()) {
    acercaDe_.reset();
    acercaDe_ = std::make_unique<FrmXAcercaDeModel>(*this, fabrica_);
  }
  acercaDe_->Mostrar(Comienzo, {CadRelease, CadVersion, CadBeta, NombreAplicativo, DescAplicativo,
                                std::move(imagen)});
}

void a_c_graph::AcercaDe_Actualizar(const std::string& Mensaje) {
  if (FrmXAcercaDeModel* ventana = AcercaDe()) ventana->Actualizar(Mensaje);
}

void a_c_graph::AcercaDe_Descargar() {
  if (FrmXAcercaDeModel* ventana = AcercaDe()) ventana->Descargar();
}

void a_c_graph::Cerrando_Mostrar(std::shared_ptr<const Picture> imagen,
                                 std::function<void()> alCerrar) {
  FrmXCerrandoModel(*this, fabrica_).Mostrar(std::move(imagen), std::move(alCerrar));
}

std::shared_ptr<Picture> a_c_graph::DarMosaico(const Picture& Origen, int32_t AnchoTotal,
                                               int32_t AltoTotal, double Porcentaje) {
  return Origen.Tile(
      AnchoTotal, AltoTotal,
      Tiling::Teselas(Origen.Width(), Origen.Height(), AnchoTotal, AltoTotal, Porcentaje));
}

std::shared_ptr<Picture> a_c_graph::DarRectColor(int32_t, int32_t, int32_t, int32_t, int32_t) {
  return nullptr;
}

bool a_c_graph::InicioMensaje_Mostrar(const std::string& DescApp, int32_t IdHelp) {
  welcomeStarted_ = false;
  FrmXInicioMensajeModel(*this, fabrica_, carpetaAyuda_).Mostrar(DescApp, IdHelp);
  return MostrarInicio;
}

Variant a_c_graph::MensajePantalla_Mostrar(int32_t Tipo, const std::string& Titulo,
                                           const std::string& Mensaje, const dao::Database& Db) {
  FrmXMensajeModel(*this, fabrica_).Mostrar(Tipo, Titulo, Mensaje, Db);
  return Variant();
}
