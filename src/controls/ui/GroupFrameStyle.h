/*
** GroupFrameStyle: the frame of a group box without a title, drawn as the
** Fusion style draws it, without the image-plugin probe that costs.
**
** Fusion draws that frame from a PNG picture of its own, which it reads by
** file name the first time. Qt reads a picture named so by offering it
** first to every image-format plugin installed, each loaded only to be
** asked, and then to its own PNG reader: in a window that reads no other
** picture file that was about 4% of its start-up. This style
** reads the same picture with the PNG reader alone, once per application,
** and draws it where and how Fusion does.
**
** It is given to a box only where the application's style is Fusion, and
** draws only the frame of a box with neither title nor check box that is
** not flat; all else, and any box where Fusion's picture cannot be read,
** is Fusion's own drawing. A test compares the two pixel by pixel.
*/
#pragma once

#include <QProxyStyle>

class QGroupBox;

class GroupFrameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Gives `box` this style where the application's style is Fusion; false,
  // and nothing changed, otherwise.
  static bool Install(QGroupBox& box);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  GroupFrameStyle();
};
