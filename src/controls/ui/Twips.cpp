/*
** Twips on a widget's screen. See Twips.h.
*/
#include "controls/ui/Twips.h"

#include <QWidget>

#include "controls/TwipsScale.h"

int Twips::ToPixelsX(int twips, const QWidget& widget) {
  return TwipsScale::ToPixels(twips, widget.logicalDpiX());
}

int Twips::ToPixelsY(int twips, const QWidget& widget) {
  return TwipsScale::ToPixels(twips, widget.logicalDpiY());
}

int Twips::FromPixelsX(int pixels, const QWidget& widget) {
  return TwipsScale::FromPixels(pixels, widget.logicalDpiX());
}

int Twips::FromPixelsY(int pixels, const QWidget& widget) {
  return TwipsScale::FromPixels(pixels, widget.logicalDpiY());
}

QRect Twips::ToPixels(const Rect& twips, const QWidget& widget) {
  const Rect pixels = TwipsScale::ToPixels(twips, widget.logicalDpiX(), widget.logicalDpiY());
  return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

QRect Twips::ToPixels(const QRect& twips, const QWidget& widget) {
  return ToPixels(Rect{twips.left(), twips.top(), twips.width(), twips.height()}, widget);
}
