/*
** Twips against pixels. See TwipsScale.h.
*/
#include "controls/TwipsScale.h"

#include <algorithm>
#include <cmath>

int TwipsScale::ToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kPerInch));
}

int TwipsScale::FromPixels(int pixels, double dpi) {
  return static_cast<int>(std::lround(pixels * kPerInch / dpi));
}

Rect TwipsScale::ToPixels(const Rect& twips, double dpiX, double dpiY) {
  return Rect{ToPixels(twips.left, dpiX), ToPixels(twips.top, dpiY),
              std::max(ToPixels(twips.width, dpiX), 0), std::max(ToPixels(twips.height, dpiY), 0)};
}
