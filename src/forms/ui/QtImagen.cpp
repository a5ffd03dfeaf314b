/*
** Pictures of the Qt program. See QtImagen.h.
*/
#include "forms/ui/QtImagen.h"

#include <QPainter>

QPixmap QtImagen::PixmapDe(const Imagen* imagen) {
  const auto* propia = dynamic_cast<const QtImagen*>(imagen);
  return propia ? propia->pixmap_ : QPixmap();
}

std::shared_ptr<Imagen> QtImagen::Teselar(int ancho, int alto,
                                          const std::vector<Zona>& zonas) const {
  QPixmap destino(ancho, alto);
  destino.fill(Qt::transparent);
  QPainter pintor(&destino);
  pintor.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const Zona& z : zonas) {
    pintor.drawPixmap(QRect(z.x, z.y, z.ancho, z.alto), pixmap_);
  }
  pintor.end();
  return std::make_shared<QtImagen>(std::move(destino));
}
