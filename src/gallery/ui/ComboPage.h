/*
** ComboPage: the code/text combo loaded with the provinces of the
** sample (CargarRs on table provincias, in the order of their names), the
** code and text of its selection, and a box to select by code.
*/
#pragma once

#include "gallery/ui/GalleryPage.h"

class NOVUCbo;
class QLabel;
class QLineEdit;

namespace dao {
class Database;
}

class ComboPage : public GalleryPage {
  Q_OBJECT

 public:
  ComboPage(dao::Database& host, QWidget* parent = nullptr);

  NOVUCbo* Combo() const { return combo_; }
  QLabel* Seleccion() const { return seleccion_; }
  QLineEdit* Codigo() const { return codigo_; }

 private:
  void MostrarSeleccion();

  NOVUCbo* combo_ = nullptr;
  QLabel* seleccion_ = nullptr;
  QLineEdit* codigo_ = nullptr;
};
