/*
** Qt windows for centring. See QtFormWindow.h.
*/
#include "forms/ui/QtFormWindow.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

#include "controls/ui/Twips.h"

namespace {

QRect Pantalla(const QWidget& w) {
  const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

}  // namespace

QWidget& QtFormWindow::Marco() const {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(ventana_.parentWidget())) return *sub;
  return *ventana_.window();
}

bool QtFormWindow::MDIChild() const {
  return qobject_cast<QMdiSubWindow*>(ventana_.parentWidget()) != nullptr;
}

int QtFormWindow::Width() const {
  const QWidget& m = Marco();
  return Twips::FromPixelsX(m.isWindow() ? m.frameGeometry().width() : m.width(), m);
}

int QtFormWindow::Height() const {
  const QWidget& m = Marco();
  return Twips::FromPixelsY(m.isWindow() ? m.frameGeometry().height() : m.height(), m);
}

int QtFormWindow::ScreenWidth() const {
  return Twips::FromPixelsX(Pantalla(ventana_).width(), ventana_);
}

int QtFormWindow::ScreenHeight() const {
  return Twips::FromPixelsY(Pantalla(ventana_).height(), ventana_);
}

// A window goes to the screen it is on, which need not start at (0, 0).
void QtFormWindow::Move(int left, int top) {
  QWidget& m = Marco();
  QPoint destino(Twips::ToPixelsX(left, m), Twips::ToPixelsY(top, m));
  if (m.isWindow()) destino += Pantalla(m).topLeft();
  m.move(destino);
}

int QtFormWindow::ScaleWidth() const {
  const auto* area = qobject_cast<const QMdiArea*>(&ventana_);
  const QWidget& cliente = area ? *area->viewport() : ventana_;
  return Twips::FromPixelsX(cliente.width(), cliente);
}

int QtFormWindow::ScaleHeight() const {
  const auto* area = qobject_cast<const QMdiArea*>(&ventana_);
  const QWidget& cliente = area ? *area->viewport() : ventana_;
  return Twips::FromPixelsY(cliente.height(), cliente);
}
