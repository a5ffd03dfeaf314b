/*
** Twips: the unit of every position and size of the controls, 1/1440 inch.
**
** Controls keep their geometry in twips and turn it into pixels only when
** they place a widget, from the logical DPI of the widget's screen. Both
** directions round to the nearest whole unit, so a pixel size read back
** from a widget may differ from the twips that produced it by less than one
** pixel's worth; that is why controls never read their twips back from
** their widgets while they are the ones sizing them.
*/
#pragma once

#include <QRect>

class QWidget;

class Twips {
 public:
  static constexpr int kPerInch = 1440;

  static int ToPixels(int twips, double dpi);
  static int FromPixels(int pixels, double dpi);

  // Conversions on the screen of `widget`: X for horizontal measures, Y
  // for vertical ones, as the two may differ.
  static int ToPixelsX(int twips, const QWidget& widget);
  static int ToPixelsY(int twips, const QWidget& widget);
  static int FromPixelsX(int pixels, const QWidget& widget);
  static int FromPixelsY(int pixels, const QWidget& widget);
  // A rectangle given in twips (left, top, width, height), in pixels; a
  // negative width or height gives an empty rectangle.
  static QRect ToPixels(const QRect& twips, const QWidget& widget);
};
