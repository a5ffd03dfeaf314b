/*
** WindowParts: the parts the standard windows are built from, placed in
** twips on their parent: labels, a label with its shadow, pictures and
** separator lines.
**
** A shadow is a second label with the same text, drawn in grey a few
** twips down and to the right, behind the front one. A picture is a label
** that shows the pixmap scaled to its place, keeping the pixmap's shape.
*/
#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPixmap;
class QWidget;

class WindowParts {
 public:
  static constexpr int kDesplazamientoSombra = 30;

  static QLabel* Etiqueta(QWidget& padre, const char* nombre, const QRect& twips,
                          bool variasLineas = false);
  // The shadow goes first, so that the front label is drawn over it.
  static void ConSombra(QWidget& padre, const char* nombreFrente, const char* nombreFondo,
                        const QRect& twips, QLabel*& frente, QLabel*& fondo);
  static QLabel* Dibujo(QWidget& padre, const char* nombre, const QRect& twips);
  static void PonerDibujo(QLabel& dibujo, const QPixmap& pixmap);
  static QFrame* Linea(QWidget& padre, const char* nombre, const QRect& twips);
};
