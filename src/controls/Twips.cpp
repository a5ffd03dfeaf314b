/*
** Twips to pixels and back. See Twips.h.
*/
#include "controls/Twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

int Twips::ToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kPerInch));
}

int Twips::FromPixels(int pixels, double dpi) {
  return static_cast<int>(std::lround(pixels * kPerInch / dpi));
}

int Twips::ToPixelsX(int twips, const QWidget& widget) {
  return ToPixels(twips, widget.logicalDpiX());
}

int Twips::ToPixelsY(int twips, const QWidget& widget) {
  return ToPixels(twips, widget.logicalDpiY());
}

int Twips::FromPixelsX(int pixels, const QWidget& widget) {
  return FromPixels(pixels, widget.logicalDpiX());
}

int Twips::FromPixelsY(int pixels, const QWidget& widget) {
  return FromPixels(pixels, widget.logicalDpiY());
}

// A widget cannot be less than empty; a size below zero becomes zero.
QRect Twips::ToPixels(const QRect& twips, const QWidget& widget) {
  return QRect(ToPixelsX(twips.left(), widget), ToPixelsY(twips.top(), widget),
               std::max(ToPixelsX(twips.width(), widget), 0),
               std::max(ToPixelsY(twips.height(), widget), 0));
}
