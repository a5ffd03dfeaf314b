/*
** a_c_graph: the standard windows and window routines that every program of
** the family shares.
**
** Windows: the about window, which doubles as a start-up splash with a
** progress line (AcercaDe_*); the welcome window with its help button and
** its box to stop it appearing (InicioMensaje_Mostrar); the one-time
** message whose "do not show again" is kept in the caller's database
** (MensajePantalla_Mostrar); the notice shown while the program closes
** (Cerrando_Mostrar). Each window's rules are in its logic class
** (FrmX*Model); the widgets come from the WindowFactory the instance is
** given. The about window is one shared instance, loaded when first shown
** and unloaded when it closes; the other three are modal, and their
** operation returns once they have closed.
**
** Routines:
** - CentrarFormulario centres a window on its screen, or a child of a
**   multiple-document frame in the container given (with none it stays
**   where it is). Sizes in twips; halves are cut towards zero.
** - HabilitarControlesContenedor enables or disables the controls that
**   `oCont` holds directly (not those nested deeper), then `oCont` itself.
**   Disabling also empties Text and sets Value to 0 where a control has
**   them; enabling restores nothing. Properties a control lacks are
**   skipped: DarPropiedad reports them as not found.
** - DarPropiedad reads "container", "enabled", "text", "value" or "parent"
**   (any case) of an object; any error while reading means "not found". A
**   name outside the five is found, with an empty value.
** - DarMosaico tiles a picture over AnchoTotal x AltoTotal pixels at
**   Porcentaje percent of its size (Tiling gives the places).
** - DarRectColor makes no picture: it always returns an empty one.
**
** MostrarInicio is the welcome window's answer: false on a new instance,
** written only by the welcome window's start button. Since a close without
** that button leaves it as it was, WelcomeStarted tells the two apart: it
** says whether the last welcome window closed by its start button.
*/
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/Variant.h"
#include "dao/Database.h"
#include "forms/FormContainer.h"
#include "forms/FormWindow.h"
#include "forms/WindowFactory.h"
#include "graphics/GraphicObject.h"
#include "graphics/Picture.h"

class FrmXAcercaDeModel;

class a_c_graph {
 public:
  struct ValorPropiedad {
    bool encontrada = false;
    Variant valor;
    std::shared_ptr<GraphicObject> objeto;  // for "container" and "parent"
  };

  // The help of the welcome window is in `carpetaAyuda` (see HelpPages).
  explicit a_c_graph(WindowFactory& fabrica, std::string carpetaAyuda = "ayuda");
  ~a_c_graph();
  a_c_graph(const a_c_graph&) = delete;
  a_c_graph& operator=(const a_c_graph&) = delete;

  void CentrarFormulario(FormWindow& Formulario, const FormContainer* Contenedor = nullptr);
  void HabilitarControlesContenedor(GraphicObject& oCont, bool bEnabled);

  void AcercaDe_Mostrar(const std::string& CadRelease, const std::string& CadVersion,
                        const std::string& CadBeta, bool Comienzo,
                        const std::string& NombreAplicativo, const std::string& DescAplicativo,
                        std::shared_ptr<const Picture> imagen);
  void AcercaDe_Actualizar(const std::string& Mensaje);
  void AcercaDe_Descargar();

  // `alCerrar` listens to the notice's event: it runs while the notice is
  // on screen, before it closes.
  void Cerrando_Mostrar(std::shared_ptr<const Picture> imagen,
                        std::function<void()> alCerrar = nullptr);

  std::shared_ptr<Picture> DarMosaico(const Picture& Origen, int32_t AnchoTotal, int32_t AltoTotal,
                                      double Porcentaje);
  std::shared_ptr<Picture> DarRectColor(int32_t R, int32_t G, int32_t B, int32_t AnchoTotal,
                                        int32_t AltoTotal);

  bool InicioMensaje_Mostrar(const std::string& DescApp, int32_t IdHelp);
  Variant MensajePantalla_Mostrar(int32_t Tipo, const std::string& Titulo,
                                  const std::string& Mensaje, const dao::Database& Db);

  static ValorPropiedad DarPropiedad(const GraphicObject& objeto, const std::string& nombre);

  // The about window's logic while it is loaded, else null.
  FrmXAcercaDeModel* AcercaDe();
  // Whether the last welcome window was closed by its start button.
  bool WelcomeStarted() const { return welcomeStarted_; }

 private:
  friend class FrmXInicioMensajeModel;

  WindowFactory& fabrica_;
  std::string carpetaAyuda_;
  std::unique_ptr<FrmXAcercaDeModel> acercaDe_;
  bool MostrarInicio = false;
  bool welcomeStarted_ = false;
};
