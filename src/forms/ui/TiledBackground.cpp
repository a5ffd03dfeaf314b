/*
** A tiled background. See TiledBackground.h.
*/
#include "forms/ui/TiledBackground.h"

#include <QPainter>

#include "forms/Tiling.h"
#include "graphics/ui/QtPicture.h"

TiledBackground::TiledBackground(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(false);
}

// Checked here, against a target of one pixel, so that no later resize
// can raise from inside an event.
void TiledBackground::SetImagen(const QPixmap& origen, double porcentaje) {
  Tiling::Teselas(origen.width(), origen.height(), 1, 1, porcentaje);
  origen_ = origen;
  porcentaje_ = porcentaje;
  Armar();
  update();
}

void TiledBackground::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  Armar();
}

// The tiling is in the picture's pixels; on a screen with a device-pixel
// ratio the target is sized in device pixels and drawn back at the
// widget's size, so that the tiles stay sharp.
void TiledBackground::Armar() {
  fondo_ = QPixmap();
  if (origen_.isNull() || width() <= 0 || height() <= 0) return;
  const double ratio = devicePixelRatioF();
  const QtPicture origen(origen_);
  const std::vector<Rect> zonas =
      Tiling::Teselas(origen.Width(), origen.Height(), qRound(width() * ratio),
                      qRound(height() * ratio), porcentaje_);
  auto hecho = origen.Tile(qRound(width() * ratio), qRound(height() * ratio), zonas);
  fondo_ = QtPicture::PixmapOf(hecho.get());
  fondo_.setDevicePixelRatio(ratio);
}

void TiledBackground::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  if (fondo_.isNull()) {
    pintor.fillRect(rect(), palette().window());
    return;
  }
  pintor.drawPixmap(0, 0, fondo_);
}
