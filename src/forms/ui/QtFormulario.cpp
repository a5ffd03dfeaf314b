/*
** Qt windows for centring. See QtFormulario.h.
*/
#include "forms/ui/QtFormulario.h"

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

QWidget& QtFormulario::Marco() const {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(ventana_.parentWidget())) return *sub;
  return *ventana_.window();
}

bool QtFormulario::MDIChild() const {
  return qobject_cast<QMdiSubWindow*>(ventana_.parentWidget()) != nullptr;
}

int QtFormulario::Width() const {
  const QWidget& m = Marco();
  return Twips::FromPixelsX(m.isWindow() ? m.frameGeometry().width() : m.width(), m);
}

int QtFormulario::Height() const {
  const QWidget& m = Marco();
  return Twips::FromPixelsY(m.isWindow() ? m.frameGeometry().height() : m.height(), m);
}

int QtFormulario::ScreenWidth() const {
  return Twips::FromPixelsX(Pantalla(ventana_).width(), ventana_);
}

int QtFormulario::ScreenHeight() const {
  return Twips::FromPixelsY(Pantalla(ventana_).height(), ventana_);
}

// A window goes to the screen it is on, which need not start at (0, 0).
void QtFormulario::Move(int left, int top) {
  QWidget& m = Marco();
  QPoint destino(Twips::ToPixelsX(left, m), Twips::ToPixelsY(top, m));
  if (m.isWindow()) destino += Pantalla(m).topLeft();
  m.move(destino);
}

int QtFormulario::ScaleWidth() const {
  const auto* area = qobject_cast<const QMdiArea*>(&ventana_);
  const QWidget& cliente = area ? *area->viewport() : ventana_;
  return Twips::FromPixelsX(cliente.width(), cliente);
}

int QtFormulario::ScaleHeight() const {
  const auto* area = qobject_cast<const QMdiArea*>(&ventana_);
  const QWidget& cliente = area ? *area->viewport() : ventana_;
  return Twips::FromPixelsY(cliente.height(), cliente);
}
