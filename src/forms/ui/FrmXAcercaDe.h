/*
** FrmXAcercaDe: the about window, also the start-up splash. Its logic is
** FrmXAcercaDeModel, which owns it.
**
** Client area 6000 x 3600 twips, fixed. Parts, in twips (left, top,
** width, height):
**
**   Picture1     frame      0,    0, 6000, 3600  background and border
**   lblFondo     label      0,    0, 6000, 1200  band behind the titles
**   CmdFondo     button     0,    0, 6000, 3600  flat, behind everything
**   Img          picture  240,  120,  720,  720  the application's picture
**   LblTitulo1   label   1200,  120, 4560,  480  application name, 16 points
**   txtTitulo(1) label   1200,  600, 4560,  480  application description
**   lblVersion   label   1200, 1320, 2160,  255
**   lblRelease   label   3480, 1320, 2280,  255
**   LblBeta      label   1200, 1680, 4560,  420  beta text, bold red, over
**   LblBeta2     label                            its grey shadow
**   Line1        line     240, 2280, 5520,   15
**   lblDerechos  label    240, 2400, 5520,  480  the rights notice
**   lblEstado    label    240, 3000, 5520,  480  progress line
**   btnCerrar    button  4680, 3090, 1080,  375  "Aceptar", unless a splash
**
** Only element 1 of the txtTitulo array exists: it is the only one written.
** A click on any part reaches the logic, which decides whether it closes.
** The window has no frame of the window manager's (no title bar to move,
** minimise or maximise it): its own border frames it, and the about box
** closes by its button, a click, Enter or Escape.
*/
#pragma once

#include <QDialog>

#include "forms/FrmXAcercaDeView.h"
#include "forms/ui/QtFormWindow.h"

class FrmXAcercaDeModel;
class QFrame;
class QLabel;
class QPushButton;

class FrmXAcercaDe : public QDialog, public FrmXAcercaDeView {
  Q_OBJECT

 public:
  explicit FrmXAcercaDe(FrmXAcercaDeModel& modelo);
  ~FrmXAcercaDe() override;

  QLabel* LblTitulo1() const { return lblTitulo1_; }
  QLabel* txtTitulo(int indice) const { return indice == 1 ? txtTitulo1_ : nullptr; }
  QLabel* lblVersion() const { return lblVersion_; }
  QLabel* lblRelease() const { return lblRelease_; }
  QLabel* LblBeta() const { return lblBeta_; }
  QLabel* LblBeta2() const { return lblBeta2_; }
  QLabel* lblEstado() const { return lblEstado_; }
  QLabel* lblDerechos() const { return lblDerechos_; }
  QLabel* Img() const { return img_; }
  QPushButton* CmdFondo() const { return cmdFondo_; }
  QPushButton* btnCerrar() const { return btnCerrar_; }

  FormWindow& Ventana() override { return formulario_; }
  void Release(const std::string& texto) override;
  void Version(const std::string& texto) override;
  void Beta(const std::string& texto) override;
  void Nombre(const std::string& texto) override;
  void Descripcion(const std::string& texto) override;
  void Dibujo(std::shared_ptr<const Picture> imagen) override;
  void Estado(const std::string& texto) override;
  void MostrarAviso(bool visible) override;
  void MostrarCerrar(bool visible) override;
  void AlFrente() override;
  void ProcesarMensajes() override;
  void MostrarSinEsperar() override;
  void Cerrar() override;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void reject() override;

 private:
  FrmXAcercaDeModel& modelo_;
  QtFormWindow formulario_{*this};
  QFrame* picture1_ = nullptr;
  QLabel* lblFondo_ = nullptr;
  QPushButton* cmdFondo_ = nullptr;
  QLabel* img_ = nullptr;
  QLabel* lblTitulo1_ = nullptr;
  QLabel* txtTitulo1_ = nullptr;
  QLabel* lblVersion_ = nullptr;
  QLabel* lblRelease_ = nullptr;
  QLabel* lblBeta_ = nullptr;
  QLabel* lblBeta2_ = nullptr;
  QLabel* lblDerechos_ = nullptr;
  QLabel* lblEstado_ = nullptr;
  QPushButton* btnCerrar_ = nullptr;
};
