/*
** Size: a plain width and height, in the unit of its user, such as the
** size of a text or of a button that a layout leaves room for.
*/
#pragma once

struct Size {
  int width = 0;
  int height = 0;

  bool operator==(const Size&) const = default;
};
