/*
** QtImagen: a picture of the Qt program (a QPixmap) behind the Imagen that
** the standard windows and the tiling take.
**
** Teselar draws the whole pixmap into each zone with smooth scaling when a
** zone's size differs from the picture's, on a transparent target; zones
** reaching past the edges are clipped by the painter.
*/
#pragma once

#include <QPixmap>
#include <memory>

#include "forms/Imagen.h"

class QtImagen : public Imagen {
 public:
  explicit QtImagen(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}

  static std::shared_ptr<QtImagen> Desde(const QPixmap& pixmap) {
    return std::make_shared<QtImagen>(pixmap);
  }
  // The pixmap of a picture made by this program; an empty pixmap for an
  // empty reference or a picture of another kind.
  static QPixmap PixmapDe(const Imagen* imagen);

  int Ancho() const override { return pixmap_.width(); }
  int Alto() const override { return pixmap_.height(); }
  std::shared_ptr<Imagen> Teselar(int ancho, int alto,
                                  const std::vector<Zona>& zonas) const override;

  const QPixmap& Pixmap() const { return pixmap_; }

 private:
  QPixmap pixmap_;
};
