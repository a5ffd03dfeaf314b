/*
** FrmXCerrando: the notice shown while the program closes. Its logic is
** FrmXCerrandoModel, which owns it.
**
** Client area 5400 x 1500 twips, fixed, without a frame: a notice, not a
** window the operator works with. Parts, in twips (left, top, width,
** height):
**
**   picIcono  picture   240,  240,  960,  960  the application's picture
**   Label2    label    1440,  300, 3720,  300  "Espere mientras se cierra el sistema...", bold
**   Label1    label    1440,  720, 3720,  480  the reminder to back up
**
** Once shown (and painted) it calls its logic's Form_Activate, queued after
** the show so that the notice is on screen while the closing work runs.
*/
#pragma once

#include <QDialog>

#include "forms/FrmXCerrandoView.h"
#include "forms/ui/QtFormWindow.h"

class FrmXCerrandoModel;
class QLabel;

class FrmXCerrando : public QDialog, public FrmXCerrandoView {
  Q_OBJECT

 public:
  explicit FrmXCerrando(FrmXCerrandoModel& modelo);
  ~FrmXCerrando() override;

  QLabel* picIcono() const { return picIcono_; }
  QLabel* Label1() const { return label1_; }
  QLabel* Label2() const { return label2_; }

  FormWindow& Ventana() override { return formulario_; }
  void Icono(std::shared_ptr<const Picture> imagen) override;
  void RepintarLabel1() override;
  void Repintar() override;
  void MostrarModal() override;
  void Cerrar() override;

 protected:
  void showEvent(QShowEvent* evento) override;
  void reject() override {}

 private:
  FrmXCerrandoModel& modelo_;
  QtFormWindow formulario_{*this};
  QLabel* picIcono_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
};
