/*
** FrmXInicioMensaje: the welcome window. Its logic is
** FrmXInicioMensajeModel, which owns it.
**
** Client area 7800 x 3900 twips, fixed. Parts, in twips (left, top,
** width, height):
**
**   lblNombreFrente  label     240,  240, 7320,  495  title, 14 points,
**   lblNombreFondo   label                             over its grey shadow
**   Line1            line      240,  840, 7320,   15
**   lblMensaje       label     240,  960, 5280, 2040  the welcome text
**   btnAyuda         button   5880, 1080, 1680,  600  "Ver ayuda"
**   Line6            line      240, 3120, 7320,   15
**   chkNoMostrar     check     240, 3300, 4920,  330
**   btnInicio        button   5280, 3240, 2280,  450  default button
**
** A title too long for one line at 14 points wraps, and the window grows
** by the lines it adds: the parts below the title move down as much, so
** that nothing of the title hides under Line1.
**
** F1 anywhere in the window, typed or sent by btnAyuda, opens the help
** (the logic chooses the page; the desktop opens it with
** QDesktopServices, as it opens any file of that kind). Closing the window
** by its frame or Escape ends the show without the start button.
*/
#pragma once

#include <QDialog>
#include <QRect>
#include <utility>
#include <vector>

#include "forms/FrmXInicioMensajeView.h"
#include "forms/ui/QtFormWindow.h"

class FrmXInicioMensajeModel;
class QCheckBox;
class QLabel;
class QPushButton;

class FrmXInicioMensaje : public QDialog, public FrmXInicioMensajeView {
  Q_OBJECT

 public:
  explicit FrmXInicioMensaje(FrmXInicioMensajeModel& modelo);
  ~FrmXInicioMensaje() override;

  QLabel* lblNombreFrente() const { return lblNombreFrente_; }
  QLabel* lblNombreFondo() const { return lblNombreFondo_; }
  QLabel* lblMensaje() const { return lblMensaje_; }
  QPushButton* btnAyuda() const { return btnAyuda_; }
  QPushButton* btnInicio() const { return btnInicio_; }
  QCheckBox* chkNoMostrar() const { return chkNoMostrar_; }

  FormWindow& Ventana() override { return formulario_; }
  void Titulo(const std::string& texto) override;
  void Mensaje(const std::string& texto) override;
  bool NoMostrarMarcado() const override;
  void Puntero(int puntero) override;
  void EnviarF1() override;
  bool AbrirAyuda(const std::string& pagina) override;
  void MostrarModal() override;
  void Cerrar() override;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  FrmXInicioMensajeModel& modelo_;
  QtFormWindow formulario_{*this};
  QLabel* lblNombreFrente_ = nullptr;
  QLabel* lblNombreFondo_ = nullptr;
  QLabel* lblMensaje_ = nullptr;
  QPushButton* btnAyuda_ = nullptr;
  QPushButton* btnInicio_ = nullptr;
  QCheckBox* chkNoMostrar_ = nullptr;
  bool reloj_ = false;
  // The parts below the title, with their places as designed.
  std::vector<std::pair<QWidget*, QRect>> debajo_;
  QSize disenio_;
};
