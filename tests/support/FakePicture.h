// A picture without a graphics system: only its size, for the logic that
// keeps and passes on pictures. Tiling gives a picture of the target's
// size that remembers where it was asked to draw.
#pragma once

#include <memory>
#include <vector>

#include "graphics/Picture.h"

class FakePicture : public Picture {
 public:
  FakePicture(int width, int height) : width_(width), height_(height) {}

  static std::shared_ptr<FakePicture> Of(int width, int height) {
    return std::make_shared<FakePicture>(width, height);
  }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::shared_ptr<Picture> Tile(int width, int height,
                                const std::vector<Rect>& places) const override {
    auto tiled = std::make_shared<FakePicture>(width, height);
    tiled->places = places;
    return tiled;
  }

  std::vector<Rect> places;

 private:
  int width_;
  int height_;
};
