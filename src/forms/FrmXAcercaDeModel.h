/*
** FrmXAcercaDeModel: the about window's logic, which also serves as the
** start-up splash with a progress line.
**
** Mostrar gives the window its texts and picture and shows it without
** waiting. The first show loads it: the window comes to the front, shows the
** rights notice only when it is no splash (Comienzo false) and centres
** itself on the screen. A click on any of its parts closes it, unless it is
** a splash: a splash closes only through Descargar, and refuses the window
** system's close too. The window has no frame; when it is no splash it
** also shows a button that closes it, so that the way out is seen.
**
** Actualizar writes the progress line and lets the waiting window messages
** run, so that the line is painted while the caller goes on working.
** Once the window is closed it is unloaded: Actualizar and Descargar then
** do nothing (they do not load a hidden window), and the next Mostrar loads
** a new one.
*/
#pragma once

#include <memory>
#include <string>

#include "forms/FrmXAcercaDeView.h"
#include "graphics/Picture.h"

class a_c_graph;
class WindowFactory;

class FrmXAcercaDeModel {
 public:
  static constexpr const char* kCaption = "Acerca De...";
  static constexpr const char* kAviso = "Todos los derechos reservados.";
  static constexpr const char* kCerrar = "Aceptar";

  struct Datos {
    std::string release;
    std::string version;
    std::string beta;
    std::string nombre;
    std::string descripcion;
    std::shared_ptr<const Picture> imagen;
  };

  FrmXAcercaDeModel(a_c_graph& graph, WindowFactory& fabrica);
  ~FrmXAcercaDeModel();
  FrmXAcercaDeModel(const FrmXAcercaDeModel&) = delete;
  FrmXAcercaDeModel& operator=(const FrmXAcercaDeModel&) = delete;

  void Mostrar(bool comienzo, const Datos& datos);
  void Actualizar(const std::string& mensaje);
  void Descargar();

  // From the widgets: a click on any part of the window.
  void Click();
  // From the widgets: the window system asks to close the window. True
  // lets it close, and the window is then unloaded.
  bool Form_QueryUnload();

  bool Cargada() const { return cargada_; }
  bool Comienzo() const { return comienzo_; }
  a_c_graph& Graph() { return graph_; }

 private:
  void Form_Load();

  a_c_graph& graph_;
  std::unique_ptr<FrmXAcercaDeView> vista_;
  bool comienzo_ = false;
  bool cargada_ = false;
};
