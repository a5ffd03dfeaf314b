/*
** Picture: a picture (icon or bitmap) of the platform, as the logic passes
** it on without drawing it: the standard windows take one, the tiling
** makes one, a control's stored settings keep one. Sizes are in pixels.
**
** The logic decides where tiles go; the picture only draws
** itself into the places it is given, so that the rules can be tested
** without a graphics system. A picture with no pixels (0 wide or high)
** stands for no picture, as an empty reference does.
*/
#pragma once

#include <memory>
#include <vector>

#include "graphics/Rect.h"

class Picture {
 public:
  virtual ~Picture() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  // A new picture of width x height pixels with this picture drawn whole
  // into each place, stretched to the place's size when it differs; what
  // reaches past the edges is cut off.
  virtual std::shared_ptr<Picture> Tile(int width, int height,
                                        const std::vector<Rect>& places) const = 0;

  // Whether `picture` stands for no picture: an empty reference, or a
  // picture without pixels.
  static bool IsNone(const Picture* picture) {
    return picture == nullptr || picture->Width() <= 0 || picture->Height() <= 0;
  }
};
