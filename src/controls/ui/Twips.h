/*
** Twips: twips to pixels and back on the screen of a widget, for the
** widgets that place themselves and their children in twips. The
** arithmetic is TwipsScale's; this adds the widget's logical DPI, X for
** horizontal measures and Y for vertical ones, as the two may differ.
*/
#pragma once

#include <QRect>

#include "graphics/Rect.h"

class QWidget;

class Twips {
 public:
  static int ToPixelsX(int twips, const QWidget& widget);
  static int ToPixelsY(int twips, const QWidget& widget);
  static int FromPixelsX(int pixels, const QWidget& widget);
  static int FromPixelsY(int pixels, const QWidget& widget);
  // A rectangle given in twips (left, top, width, height), in pixels; a
  // negative width or height gives an empty rectangle.
  static QRect ToPixels(const Rect& twips, const QWidget& widget);
  static QRect ToPixels(const QRect& twips, const QWidget& widget);
};
