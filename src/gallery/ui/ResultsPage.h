/*
** ResultsPage: the result list, opened with what the sample shows, each
** line of the kind it is (GalleryReports::Findings: its size, its NULL
** amounts and VersionBase, warnings only until a repair, and the engine's
** error on a table that does not exist), and a box whose text the
** operator adds as any of the three kinds.
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
