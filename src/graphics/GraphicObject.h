/*
** GraphicObject: a window, a container or a control as the form routines
** reach it: by property name, without knowing its kind, so that one
** routine can walk every control of a window whatever each one is.
**
** Names are matched without regard to letter case. Reading or writing a
** property that the object does not have raises AppError 438
** (NoSuchProperty()); that error is how a routine learns that a control
** lacks it. Object-valued properties ("Container", "Parent") come through
** ObjectProperty as fresh handles: two handles of one object give the same
** Identity(), and an empty handle stands for Nothing.
*/
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/AppError.h"
#include "common/Variant.h"

class GraphicObject {
 public:
  static constexpr int kNoSuchProperty = 438;

  virtual ~GraphicObject() = default;

  // Value properties: "Enabled", "Text", "Value", ...
  virtual Variant Property(const std::string& name) const = 0;
  virtual void SetProperty(const std::string& name, const Variant& value) = 0;
  // Object properties: "Container" (what holds the control) and "Parent"
  // (the window it is on).
  virtual std::shared_ptr<GraphicObject> ObjectProperty(const std::string& name) const = 0;
  // The controls of a window: every control on it, those nested inside
  // containers too. Raises 438 on an object that is no window.
  virtual std::vector<std::shared_ptr<GraphicObject>> Controls() const = 0;
  // The same for every handle of one object, different between objects.
  virtual const void* Identity() const = 0;

  static AppError NoSuchProperty() {
    return AppError(kNoSuchProperty, "El objeto no admite esta propiedad o método");
  }
};
