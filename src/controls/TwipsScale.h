/*
** TwipsScale: the unit of every position and size of the controls, twips
** (1/1440 inch), against pixels at a screen's resolution.
**
** Controls and their models keep their geometry in twips; it becomes
** pixels only where a widget is placed, at the logical DPI of the widget's
** screen (see ui/Twips.h). Both directions round to the nearest whole
** unit, so a pixel size read back may differ from the twips that produced
** it by less than one pixel's worth; that is why controls never read their
** twips back from their widgets while they are the ones sizing them.
*/
#pragma once

#include "graphics/Rect.h"

class TwipsScale {
 public:
  static constexpr int kPerInch = 1440;

  static int ToPixels(int twips, double dpi);
  static int FromPixels(int pixels, double dpi);
  // A rectangle given in twips, in pixels at `dpiX` across and `dpiY`
  // down; a negative width or height gives an empty rectangle, as nothing
  // can be placed less than empty.
  static Rect ToPixels(const Rect& twips, double dpiX, double dpiY);
};
