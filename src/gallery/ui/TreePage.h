/*
** TreePage: the lazy tree over the sample's declarations, owners and
** addresses (GalleryTreeContainer), with how many rows it has asked for so far,
** the codes of the node last clicked or confirmed, and the errors an
** expansion met.
*/
#pragma once

#include <memory>

#include "gallery/ui/GalleryPage.h"

class GalleryTreeContainer;
class NOVUTree;
class QLabel;

namespace dao {
class Database;
}

class TreePage : public GalleryPage {
  Q_OBJECT

 public:
  TreePage(dao::Database& host, QWidget* parent = nullptr);
  ~TreePage() override;

  NOVUTree* Arbol() const { return arbol_; }
  const GalleryTreeContainer& Anfitrion() const { return *anfitrion_; }
  QLabel* Estado() const { return estado_; }
  QLabel* Seleccion() const { return seleccion_; }

 private:
  void MostrarEstado();
  void MostrarSeleccion(const QString& como);

  std::unique_ptr<GalleryTreeContainer> anfitrion_;
  NOVUTree* arbol_ = nullptr;
  QLabel* estado_ = nullptr;
  QLabel* seleccion_ = nullptr;
};
