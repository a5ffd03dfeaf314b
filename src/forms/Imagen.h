/*
** Imagen: a picture (icon or bitmap) of the platform, passed to the
** standard windows and made by the tiling. Sizes are in pixels.
**
** The logic decides where tiles go (Mosaico); the picture only draws
** itself into the places it is given, so that the rules can be tested
** without a graphics system.
*/
#pragma once

#include <memory>
#include <vector>

class Imagen {
 public:
  // A place for one tile, in pixels of the target.
  struct Zona {
    int x = 0;
    int y = 0;
    int ancho = 0;
    int alto = 0;
    bool operator==(const Zona&) const = default;
  };

  virtual ~Imagen() = default;

  virtual int Ancho() const = 0;
  virtual int Alto() const = 0;

  // A new picture of ancho x alto pixels with this picture drawn whole into
  // each zone, stretched to the zone's size when it differs; what reaches
  // past the edges is cut off.
  virtual std::shared_ptr<Imagen> Teselar(int ancho, int alto,
                                          const std::vector<Zona>& zonas) const = 0;
};
