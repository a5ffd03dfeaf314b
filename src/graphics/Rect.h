/*
** Rect: a plain rectangle, left and top of its corner and its width and
** height, in whatever unit its user works in (twips for the controls'
** layouts, pixels for a picture's tiles). No rule is kept: a width or a
** height may be negative, and the user that places something decides
** what that means.
*/
#pragma once

#include <ostream>

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Rect&) const = default;
};

// For the messages of failed checks.
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}
