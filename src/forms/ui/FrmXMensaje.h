/*
** FrmXMensaje: the one-time message window. Its logic is
** FrmXMensajeModel, which owns it.
**
** Client area 6000 x 2400 twips, fixed. Parts, in twips (left, top,
** width, height):
**
**   Image1      picture   240,  240,  480,  480  the information icon
**   lblMensaje  label     960,  240, 4800, 1320  the message
**   chkNoVolver check     240, 1800, 4200,  330
**   btnAceptar  button   4560, 1740, 1200,  420  "&Aceptar", default
**
** Closing the window by its frame or Escape records nothing.
*/
#pragma once

#include <QDialog>

#include "forms/FrmXMensajeView.h"
#include "forms/ui/QtFormWindow.h"

class FrmXMensajeModel;
class QCheckBox;
class QLabel;
class QPushButton;

class FrmXMensaje : public QDialog, public FrmXMensajeView {
  Q_OBJECT

 public:
  explicit FrmXMensaje(FrmXMensajeModel& modelo);
  ~FrmXMensaje() override;

  QLabel* Image1() const { return image1_; }
  QLabel* lblMensaje() const { return lblMensaje_; }
  QCheckBox* chkNoVolver() const { return chkNoVolver_; }
  QPushButton* btnAceptar() const { return btnAceptar_; }

  FormWindow& Ventana() override { return formulario_; }
  void Titulo(const std::string& texto) override;
  void Mensaje(const std::string& texto) override;
  bool NoVolverMarcado() const override;
  void MostrarModal() override;
  void Cerrar() override;

 private:
  FrmXMensajeModel& modelo_;
  QtFormWindow formulario_{*this};
  QLabel* image1_ = nullptr;
  QLabel* lblMensaje_ = nullptr;
  QCheckBox* chkNoVolver_ = nullptr;
  QPushButton* btnAceptar_ = nullptr;
};
