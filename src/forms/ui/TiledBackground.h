/*
** TiledBackground: a widget whose background is a picture tiled over it at a
** percentage of the picture's size, as a_c_graph::DarMosaico tiles it (the
** places come from Tiling), made again
** whenever the widget changes size, so that it covers the widget at any
** size. Children are drawn over it.
**
** The tiles start at the widget's top-left corner; a widget of no size
** draws nothing. Without a picture the widget paints its palette's window
** colour.
*/
#pragma once

#include <QPixmap>
#include <QWidget>

class TiledBackground : public QWidget {
  Q_OBJECT

 public:
  explicit TiledBackground(QWidget* parent = nullptr);

  // Raises AppError 5, keeping the picture it had, for a picture or a
  // percentage that Tiling refuses.
  void SetImagen(const QPixmap& origen, double porcentaje = 100);
  // The tiled picture for the widget's current size (null before any).
  const QPixmap& Fondo() const { return fondo_; }

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void Armar();

  QPixmap origen_;
  double porcentaje_ = 100;
  QPixmap fondo_;
};
