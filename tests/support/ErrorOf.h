// The number of the AppError that a call raises; 0 when it raises none.
#pragma once

#include <functional>

#include "common/AppError.h"

inline int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const AppError& e) {
    return e.Number();
  }
  return 0;
}
