/*
** Contenedor: the inner size (ScaleWidth, ScaleHeight, in twips) of what a
** multiple-document child is centred in.
*/
#pragma once

class Contenedor {
 public:
  virtual ~Contenedor() = default;

  virtual int ScaleWidth() const = 0;
  virtual int ScaleHeight() const = 0;
};
