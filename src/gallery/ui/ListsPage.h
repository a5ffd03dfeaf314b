/*
** ListsPage: two list views on the sample: the owners of its address
** data, sorted by name until the operator sorts by another column, and the
** provinces as a check list, with the row the operator last clicked.
*/
#pragma once

#include "gallery/ui/GalleryPage.h"

class NOVUList;
class NOVUListItem;
class QLabel;

namespace dao {
class Database;
}

class ListsPage : public GalleryPage {
  Q_OBJECT

 public:
  ListsPage(dao::Database& host, QWidget* parent = nullptr);

  NOVUList* Titulares() const { return titulares_; }
  NOVUList* Marcas() const { return marcas_; }
  QLabel* Fila() const { return fila_; }

 private:
  void MostrarFila(NOVUListItem* fila);

  NOVUList* titulares_ = nullptr;
  NOVUList* marcas_ = nullptr;
  QLabel* fila_ = nullptr;
};
