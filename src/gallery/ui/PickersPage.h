/*
** PickersPage: the file search box, once to open (the sample's
** databases) and once to save under any name, and the folder chooser open
** on the sample's folder, with what each was last given.
*/
#pragma once

#include <string>

#include "gallery/ui/GalleryPage.h"

class NOVUDir;
class NOVUSearch;
class QLabel;

class PickersPage : public GalleryPage {
  Q_OBJECT

 public:
  // `baseInicial` is the file the open box shows first, `carpetaInicial`
  // the folder the chooser opens on.
  PickersPage(const std::string& baseInicial, const std::string& carpetaInicial,
              QWidget* parent = nullptr);

  NOVUSearch* Abrir() const { return abrir_; }
  NOVUSearch* Guardar() const { return guardar_; }
  NOVUDir* Carpeta() const { return carpeta_; }
  QLabel* Eleccion() const { return eleccion_; }

 private:
  void MostrarEleccion();

  NOVUSearch* abrir_ = nullptr;
  NOVUSearch* guardar_ = nullptr;
  NOVUDir* carpeta_ = nullptr;
  QLabel* eleccion_ = nullptr;
};
