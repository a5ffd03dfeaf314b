/*
** FormWindow: a window as centring sees it. Sizes and positions are in
** twips; Width and Height are the window's outer size, frame included, and
** Move places its outer top-left corner.
**
** A child of a multiple-document frame (MDIChild) is placed inside the
** frame's client area; any other window on its screen, whose size
** ScreenWidth and ScreenHeight give.
*/
#pragma once

class FormWindow {
 public:
  virtual ~FormWindow() = default;

  virtual bool MDIChild() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  virtual void Move(int left, int top) = 0;
};
