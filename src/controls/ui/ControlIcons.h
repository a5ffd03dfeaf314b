/*
** ControlIcons: the controls' own drawings, kept as SVG in the controls'
** resource file (icons/controls.qrc) and drawn at the size each control
** shows them: 32 x 32 on the button bar, 16 x 16 in the result list.
**
** Drawing goes through the SVG renderer directly rather than through an
** image plugin, so the icons do not depend on which plugins are installed.
** An icon is drawn when it is first shown, at the size and pixel ratio it
** is shown at (up to twice its own size), and the drawing is kept for the
** program's other icons of the same name and size. A drawing looks the same
** on a selected row as on any other. An unknown name gives a null icon; the
** callers ask only for their own.
*/
#pragma once

#include <QIcon>
#include <QString>

class ControlIcons {
 public:
  // `name` is the file name without ".svg", such as "bot_migrar".
  static QIcon Icon(const QString& name, int size);
  static bool Exists(const QString& name);
};
