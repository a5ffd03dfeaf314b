/*
** NOVUSearchModel: the file search box's settings, its click and its
** layout, without widgets.
**
** The box shows a description (Caption, "Label1" on a new box), the chosen
** file's full path (NombreArchivo) and a "..." button. The click asks the
** file dialog seam for a file: to open (the file must exist) or, with
** Guardar, to save under (any name; the dialog adds the chosen filter's
** extension to a name typed without one). Filtro is handed to the dialog
** in Qt's form (FileFilter). The dialog opens where the path shown points
** (StartPath): on that file, offering its name, when its folder exists;
** on the folder it names; elsewhere (no path, or a folder gone) where the
** dialog itself starts. Outcomes, each through the message-box seam with
** the program's title, OK only and no icon:
**   - a file chosen: NombreArchivo shows it (not marked as changed: the
**     operator's choice is no design setting) and Buscar answers true, for
**     the widget to raise Busqueda;
**   - in open mode a path that names no existing file (a folder, a file
**     deleted meanwhile): "El archivo especificado no existe", nothing
**     changes;
**   - a cancelled dialog or a dialog that fails: "Busqueda cancelada",
**     nothing changes.
**
** Stored settings, in this order: "Caption" ("Label1"), "Guardar" (False),
** "NombreArchivo" (""), "Filtro" (""). Setting any of them marks it as
** changed.
**
** Layout, in twips, from the control's width W: the control is 310 high;
** the button sits in the bottom right corner; the description 30 from the
** left, centred in height, as wide as its text; the path 30 right of the
** description, from the top, up to the button.
*/
#pragma once

#include <string>

#include "controls/PropertyStore.h"
#include "graphics/Rect.h"
#include "graphics/Size.h"

class NOVUSearchModel {
 public:
  static constexpr int kAlto = 310;
  static constexpr int kMargen = 30;
  static constexpr const char* kCaptionDiseno = "Label1";
  static constexpr const char* kNoExiste = "El archivo especificado no existe";
  static constexpr const char* kCancelada = "Busqueda cancelada";

  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  const PropertyStore& Propiedades() const { return propiedades_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& New_Caption);
  bool Guardar() const { return guardar_; }
  void SetGuardar(bool New_Guardar);
  const std::string& NombreArchivo() const { return nombreArchivo_; }
  void SetNombreArchivo(const std::string& New_NombreArchivo);
  const std::string& Filtro() const { return filtro_; }
  void SetFiltro(const std::string& New_Filtro);

  // The button's click: true when a file was chosen.
  bool Buscar();
  // Where the dialog opens for the path shown; "" for the dialog's own
  // choice.
  static std::string StartPath(const std::string& current);

  struct Geometria {
    Rect CmdBuscar;
    Rect LblDesc;
    Rect LblTitulo;
  };
  // The layout for the width `ancho`, with the button's size, the size of
  // the description's text and the height of the path label.
  static Geometria Redimensionar(int ancho, Size boton, Size descripcion, int altoTitulo);

 private:
  std::string caption_ = kCaptionDiseno;
  bool guardar_ = false;
  std::string nombreArchivo_;
  std::string filtro_;
  PropertyStore propiedades_;
};
