/*
** NumbersPage: two numeric entry boxes: one on the sample's total of
** additional pay (two decimals, no negatives, at most 999.999.999,99), one
** that takes negatives, an empty value (Null) and three decimals; under
** each, the value it hands the host.
*/
#pragma once

#include "gallery/ui/GalleryPage.h"

class QLabel;
class ucnXCurrency;

namespace dao {
class Database;
}

class NumbersPage : public GalleryPage {
  Q_OBJECT

 public:
  NumbersPage(dao::Database& host, QWidget* parent = nullptr);

  ucnXCurrency* Importe() const { return importe_; }
  ucnXCurrency* Libre() const { return libre_; }
  QLabel* ValorImporte() const { return valorImporte_; }
  QLabel* ValorLibre() const { return valorLibre_; }

 private:
  static void Mostrar(const ucnXCurrency& caja, QLabel& etiqueta);

  ucnXCurrency* importe_ = nullptr;
  ucnXCurrency* libre_ = nullptr;
  QLabel* valorImporte_ = nullptr;
  QLabel* valorLibre_ = nullptr;
};
