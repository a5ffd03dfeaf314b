/*
** PaginaArbol: the lazy tree over the sample's declarations, owners and
** addresses (ArbolDemoHost), with how many rows it has asked for so far,
** the codes of the node last clicked or confirmed, and the errors an
** expansion met.
*/
#pragma once

#include <memory>

#include "galeria/ui/PaginaGaleria.h"

class ArbolDemoHost;
class NOVUTree;
class QLabel;

namespace dao {
class Database;
}

class PaginaArbol : public PaginaGaleria {
  Q_OBJECT

 public:
  PaginaArbol(dao::Database& host, QWidget* parent = nullptr);
  ~PaginaArbol() override;

  NOVUTree* Arbol() const { return arbol_; }
  const ArbolDemoHost& Anfitrion() const { return *anfitrion_; }
  QLabel* Estado() const { return estado_; }
  QLabel* Seleccion() const { return seleccion_; }

 private:
  void MostrarEstado();
  void MostrarSeleccion(const QString& como);

  std::unique_ptr<ArbolDemoHost> anfitrion_;
  NOVUTree* arbol_ = nullptr;
  QLabel* estado_ = nullptr;
  QLabel* seleccion_ = nullptr;
};
