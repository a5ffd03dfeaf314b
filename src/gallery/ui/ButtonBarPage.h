/*
** ButtonBarPage: three button bars offering the same buttons, one in each
** state, and the last event a bar raised.
*/
#pragma once

#include <array>

#include "gallery/ui/GalleryPage.h"

class NOVUBot;
class QLabel;

class ButtonBarPage : public GalleryPage {
  Q_OBJECT

 public:
  explicit ButtonBarPage(QWidget* parent = nullptr);

  NOVUBot* Barra(int estado) const { return barras_.at(static_cast<size_t>(estado)); }
  QLabel* Evento() const { return evento_; }

 private:
  std::array<NOVUBot*, 3> barras_{};
  QLabel* evento_ = nullptr;
};
