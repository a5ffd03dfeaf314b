/*
** QtFormWindow: a Qt window seen as the FormWindow that centring moves and
** as the FormContainer that multiple-document children are centred in.
**
** A widget shown in a QMdiSubWindow is an MDIChild: its size and place are
** the sub-window's, inside the MDI area. Any other widget is placed as its
** top-level window, frame included, on the screen it is on (before it is
** first shown the frame is not known yet, and its client size is used).
** ScaleWidth and ScaleHeight are the client area; for a QMdiArea, its
** viewport. Everything in twips, turned into pixels here only.
*/
#pragma once

#include "forms/FormContainer.h"
#include "forms/FormWindow.h"

class QWidget;

class QtFormWindow : public FormWindow, public FormContainer {
 public:
  explicit QtFormWindow(QWidget& ventana) : ventana_(ventana) {}

  bool MDIChild() const override;
  int Width() const override;
  int Height() const override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  void Move(int left, int top) override;

  int ScaleWidth() const override;
  int ScaleHeight() const override;

 private:
  QWidget& Marco() const;

  QWidget& ventana_;
};
