/*
** Parts of the standard windows. See WindowParts.h.
*/
#include "forms/ui/WindowParts.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include "controls/ui/Twips.h"

QLabel* WindowParts::Etiqueta(QWidget& padre, const char* nombre, const QRect& twips,
                              bool variasLineas) {
  auto* etiqueta = new QLabel(&padre);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  etiqueta->setWordWrap(variasLineas);
  etiqueta->setTextFormat(Qt::PlainText);
  etiqueta->setGeometry(Twips::ToPixels(twips, padre));
  return etiqueta;
}

void WindowParts::ConSombra(QWidget& padre, const char* nombreFrente, const char* nombreFondo,
                            const QRect& twips, QLabel*& frente, QLabel*& fondo) {
  fondo = Etiqueta(padre, nombreFondo,
                   twips.translated(kDesplazamientoSombra, kDesplazamientoSombra), true);
  frente = Etiqueta(padre, nombreFrente, twips, true);
  QPalette gris = fondo->palette();
  gris.setColor(QPalette::WindowText, QColor(160, 160, 160));
  fondo->setPalette(gris);
}

QLabel* WindowParts::Dibujo(QWidget& padre, const char* nombre, const QRect& twips) {
  QLabel* dibujo = Etiqueta(padre, nombre, twips);
  dibujo->setAlignment(Qt::AlignCenter);
  return dibujo;
}

void WindowParts::PonerDibujo(QLabel& dibujo, const QPixmap& pixmap) {
  if (pixmap.isNull()) {
    dibujo.clear();
    return;
  }
  dibujo.setPixmap(pixmap.scaled(dibujo.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QFrame* WindowParts::Linea(QWidget& padre, const char* nombre, const QRect& twips) {
  auto* linea = new QFrame(&padre);
  linea->setObjectName(QString::fromLatin1(nombre));
  linea->setFrameShape(twips.height() > twips.width() ? QFrame::VLine : QFrame::HLine);
  linea->setFrameShadow(QFrame::Sunken);
  linea->setGeometry(Twips::ToPixels(twips, padre));
  return linea;
}
