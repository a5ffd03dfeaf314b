/*
** FormContainer: the inner size (ScaleWidth, ScaleHeight, in twips) of what a
** multiple-document child is centred in.
*/
#pragma once

class FormContainer {
 public:
  virtual ~FormContainer() = default;

  virtual int ScaleWidth() const = 0;
  virtual int ScaleHeight() const = 0;
};
