/*
** ObjetoGrafico: a window, a container or a control as the form routines
** reach it: by property name, without knowing its kind, so that one
** routine can walk every control of a window whatever each one is.
**
** Names are matched without regard to letter case. Reading or writing a
** property that the object does not have raises AppError 438
** (SinPropiedad()); that error is how a routine learns that a control
** lacks it. Object-valued properties ("Container", "Parent") come through
** PropiedadObjeto as fresh handles: two handles of one object give the same
** Identidad(), and an empty handle stands for Nothing.
*/
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/AppError.h"
#include "common/Variant.h"

class ObjetoGrafico {
 public:
  static constexpr int kSinPropiedad = 438;

  virtual ~ObjetoGrafico() = default;

  // Value properties: "Enabled", "Text", "Value", ...
  virtual Variant Propiedad(const std::string& nombre) const = 0;
  virtual void AsignarPropiedad(const std::string& nombre, const Variant& valor) = 0;
  // Object properties: "Container" (what holds the control) and "Parent"
  // (the window it is on).
  virtual std::shared_ptr<ObjetoGrafico> PropiedadObjeto(const std::string& nombre) const = 0;
  // The controls of a window: every control on it, those nested inside
  // containers too. Raises 438 on an object that is no window.
  virtual std::vector<std::shared_ptr<ObjetoGrafico>> Controles() const = 0;
  // The same for every handle of one object, different between objects.
  virtual const void* Identidad() const = 0;

  static AppError SinPropiedad() {
    return AppError(kSinPropiedad, "El objeto no admite esta propiedad o método");
  }
};
