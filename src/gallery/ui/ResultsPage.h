/*
** ResultsPage: the result list, opened with one line of each kind
** taken from the sample (its size, its NULL amounts, and the engine's
** error on a table the sample lacks until it is repaired), and a box
** whose text the operator adds as any of the three kinds.
*/
#pragma once

#include "gallery/ui/GalleryPage.h"

class NOVUInfoRep;
class QLineEdit;

namespace dao {
class Database;
}

class ResultsPage : public GalleryPage {
  Q_OBJECT

 public:
  ResultsPage(dao::Database& host, QWidget* parent = nullptr);

  NOVUInfoRep* Lista() const { return lista_; }
  QLineEdit* Texto() const { return texto_; }

 private:
  NOVUInfoRep* lista_ = nullptr;
  QLineEdit* texto_ = nullptr;
};
