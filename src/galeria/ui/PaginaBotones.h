/*
** PaginaBotones: three button bars offering the same buttons, one in each
** state, and the last event a bar raised.
*/
#pragma once

#include <array>

#include "galeria/ui/PaginaGaleria.h"

class NOVUBot;
class QLabel;

class PaginaBotones : public PaginaGaleria {
  Q_OBJECT

 public:
  explicit PaginaBotones(QWidget* parent = nullptr);

  NOVUBot* Barra(int estado) const { return barras_.at(static_cast<size_t>(estado)); }
  QLabel* Evento() const { return evento_; }

 private:
  std::array<NOVUBot*, 3> barras_{};
  QLabel* evento_ = nullptr;
};
