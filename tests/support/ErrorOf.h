// The AppError that a call raises: its number (0 when it raises none), or
// its number and description as one text ("" when it raises none).
#pragma once

#include <functional>
#include <string>

#include "common/AppError.h"

inline int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const AppError& e) {
    return e.Number();
  }
  return 0;
}

inline std::string ErrorMessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const AppError& e) {
    return std::to_string(e.Number()) + " " + e.Description();
  }
  return "";
}
