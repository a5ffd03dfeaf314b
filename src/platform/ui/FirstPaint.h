/*
** FirstPaint: the start-up time hook of the windowed programs. When
** REMENDOR_EXIT_AT_FIRST_PAINT is set (to anything but empty or "0") the
** program's window, once painted for the first time, prints
**   primera pintura: N ms
** on standard output (N counted from the moment the program was loaded)
** and the program ends with status 0 as soon as that paint is done. The
** start-up benchmark launches the programs this way; without the variable
** nothing is watched.
*/
#pragma once

class QWidget;

class FirstPaint {
 public:
  // Watches `ventana` when the variable asks for it; true when it does.
  static bool Watch(QWidget& ventana);
};
