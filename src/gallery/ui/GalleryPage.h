/*
** GalleryPage: what every page of the gallery has: its one line on top
** (which control it shows and what to do with it, from GalleryPages)
** and below it the area where the page places its controls in twips, as
** a form of the family places them.
*/
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "gallery/GalleryPages.h"

class QLabel;

class GalleryPage : public QWidget {
  Q_OBJECT

 public:
  // The size of every page's area, in twips.
  static constexpr int kAncho = 11700;
  static constexpr int kAlto = 6600;

  GalleryPage(const char* clave, QWidget* parent);

  const GalleryPageInfo& Info() const { return info_; }
  QLabel* Linea() const { return linea_; }

 protected:
  QWidget* Area() const { return area_; }
  // A label of the area, placed in twips; words wrap within its width.
  QLabel* Etiqueta(const QString& texto, const QRect& twips);
  // Places any widget of the area in twips.
  void Ubicar(QWidget& widget, const QRect& twips) const;

 private:
  const GalleryPageInfo& info_;
  QLabel* linea_;
  QWidget* area_;
};
