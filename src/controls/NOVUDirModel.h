/*
** NOVUDirModel: the folder chooser's open folder, drives, folder list,
** buttons and layout, without widgets.
**
** The open folder (Path) starts as the process's current folder. The
** drives come from the drive seam (DriveService: "/", the home and the
** mounted volumes); the chosen drive starts as the one that holds the open
** folder. The folder list shows the open folder's ancestors from its root
** down, the open folder, then its subfolders (hidden ones, whose names
** begin with ".", left out), sorted by name; indexes follow the list's
** usual numbering: -1 the open folder, -2 its parent and so on up, 0 and
** on the subfolders.
**
** Rules:
**   - choosing a drive first reads its root; a drive that cannot be read
**     gives "No se puede leer la unidad seleccionada.", puts the list's
**     selection back on the open folder and empties the destination label,
**     leaving the open folder as it was; the drive list keeps the drive
**     chosen. A readable drive opens at its root;
**   - opening a folder of the list shows its full path in the label;
**   - Path set to a folder opens it; a path that names no folder (missing,
**     or a file) is ignored;
**   - "examinar ..." shows the open folder in the desktop's file manager
**     (FileExplorerService); when it cannot be started: "Imposible examinar
**     la carpeta especificada";
**   - "Crear carpeta" asks for a name (InputBoxService, "Ingrese el nombre
**     para la carpeta nueva", "Nueva carpeta"); no name changes nothing;
**     the folder is created inside the open one ("/" added unless the open
**     folder ends with one) and opened. A folder that exists, a name that
**     would leave the open folder ("..", ".", or one with a "/"), and any
**     failure of the system give "Imposible crear la carpeta " and the full
**     path, and the open folder stays.
** Messages go through the message-box seam: OK only, no icon, the
** program's title.
**
** The one stored setting is "Caption" (the frame's caption, "Destino").
**
** Layout, in twips, from the control's width W and height H: the frame
** fills the control but for 10 around it; inside it the label, the drive
** list and the folder list keep their left and top and stretch to the
** frame's width less their left on both sides (the label less the
** "examinar ..." button, which follows it); the folder list takes the
** height left above the "Crear carpeta" button (and 100 under it), which
** sits right under it, right-aligned with it.
*/
#pragma once

#include <string>
#include <vector>

#include "controls/PropertyStore.h"
#include "graphics/Rect.h"

class NOVUDirModel {
 public:
  static constexpr const char* kCaptionDiseno = "Destino";
  static constexpr const char* kUnidadIlegible = "No se puede leer la unidad seleccionada.";
  static constexpr const char* kNoExaminar = "Imposible examinar la carpeta especificada";
  static constexpr const char* kNoCrear = "Imposible crear la carpeta ";
  static constexpr const char* kPregunta = "Ingrese el nombre para la carpeta nueva";
  static constexpr const char* kTituloPregunta = "Nueva carpeta";
  static constexpr int kErrorUnidad = 52;

  struct Carpeta {
    std::string nombre;
    std::string ruta;
    int nivel;   // 0 for the root
    int indice;  // -1 the open folder, -2 its parent, ...; 0, 1, ... subfolders
  };

  NOVUDirModel();

  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  const PropertyStore& Propiedades() const { return propiedades_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& New_Caption);
  const std::string& Path() const { return carpeta_; }
  void SetPath(const std::string& New_Path);

  const std::vector<std::string>& Unidades() const { return unidades_; }
  int UnidadElegida() const { return unidad_; }
  // The drive list's change.
  void ElegirUnidad(int indice);

  const std::vector<Carpeta>& Carpetas() const { return carpetas_; }
  int Seleccion() const { return seleccion_; }
  void Seleccionar(int indice) { seleccion_ = indice; }
  // The folder list opens the folder of an entry (a double click).
  void AbrirEntrada(int indice);

  const std::string& LblDest() const { return lblDest_; }

  void Examinar();
  void CrearCarpeta();

  struct Diseno {
    Rect lblDest;
    Rect cmdExaminar;
    Rect drvLista;
    Rect dirDirectorio;
    Rect cmdCrearCarpeta;
  };
  struct Geometria {
    Rect FrDatos;
    Diseno hijos;  // relative to the frame
  };
  // The widgets' design places, which the layout keeps in part.
  static Diseno DisenoInicial();
  static Geometria Redimensionar(int ancho, int alto, const Diseno& diseno);

 private:
  void Abrir(const std::string& carpeta);
  void Listar();
  int UnidadDe(const std::string& carpeta) const;

  std::string caption_ = kCaptionDiseno;
  std::vector<std::string> unidades_;
  int unidad_ = -1;
  std::string carpeta_;
  std::vector<Carpeta> carpetas_;
  int seleccion_ = -1;
  std::string lblDest_;
  PropertyStore propiedades_;
};
