/*
** NOVUDir: a frame for choosing a destination folder: a drive list, the
** folder list of the open folder, a label with the open folder's full path,
** an "examinar ..." button that shows it in the desktop's file manager and
** a "Crear carpeta" button that makes a new folder inside it. The form
** reads the chosen folder through Path. It raises no events.
**
** The rules live in NOVUDirModel; the drives, the input box, the file
** manager and the messages go through their seams. Choosing a drive
** in the list opens it; a double click (or Enter) on a folder opens it.
**
**   PropertyStore ajustes;
**   ajustes.Write("Caption", "Carpeta de respaldo");
**   auto* destino = new NOVUDir(ajustes, this);
**   destino->Move(120, 120, 4500, 3600);
**   ...
**   const std::string carpeta = destino->Path();
*/
#pragma once

#include <string>

#include "controls/NOVUDirModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/TwipsControl.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class NOVUDir : public TwipsControl {
  Q_OBJECT
  Q_CLASSINFO("Caption",
              "Devuelve o establece el texto mostrado en la barra de título de un objeto o bajo el "
              "icono de un objeto.")
  Q_CLASSINFO("Path", "Devuelve o establece la ruta de acceso actual.")

 public:
  static constexpr int kAnchoDiseno = 4010;
  static constexpr int kAltoDiseno = 3195;

  // A chooser new on its form, open on the process's current folder.
  explicit NOVUDir(QWidget* parent = nullptr);
  // A chooser loaded from the settings its form stored for it.
  explicit NOVUDir(const PropertyStore& propiedades, QWidget* parent = nullptr);

  std::string Caption() const { return modelo_.Caption(); }
  void SetCaption(const std::string& New_Caption);
  std::string Path() const { return modelo_.Path(); }
  void SetPath(const std::string& New_Path);

  void GuardarPropiedades(PropertyStore& propiedades) const {
    modelo_.GuardarPropiedades(propiedades);
  }
  const NOVUDirModel& Modelo() const { return modelo_; }
  QGroupBox* FrDatos() const { return frDatos_; }
  QComboBox* drvLista() const { return drvLista_; }
  QListWidget* dirDirectorio() const { return dirDirectorio_; }
  QPushButton* cmdCrearCarpeta() const { return cmdCrearCarpeta_; }
  QPushButton* cmdExaminar() const { return cmdExaminar_; }
  QLabel* lblDest() const { return lblDest_; }

 protected:
  void OnResize() override;

 private:
  void Construir();
  // Shows the model: the drives, the folder list and the label.
  void Mostrar();

  QGroupBox* frDatos_ = nullptr;
  QComboBox* drvLista_ = nullptr;
  QListWidget* dirDirectorio_ = nullptr;
  QPushButton* cmdCrearCarpeta_ = nullptr;
  QPushButton* cmdExaminar_ = nullptr;
  QLabel* lblDest_ = nullptr;
  NOVUDirModel modelo_;
};
