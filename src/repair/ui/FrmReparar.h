/*
** FrmReparar: the program's only window. The operator picks the host
** version, checks the installation shown, starts the repair with the
** bar's migrate button and leaves with its exit button.
**
** Client area 5235 x 4215 twips, fixed. Controls, in tab order, with
** their place in twips (left, top, width, height):
**
**   Bot                NOVUBot        4440,    0,  795, 4335  (migrate, exit)
**   Frame1             frame          120,   120, 4215, 1695  (holds the next four)
**   Label1             label          120,   240, 1215,  255  "Versión de VORA:"
**   CboVersiones       NOVUCbo        1680,  240, 2415,  330
**   Label2             label          120,   720, 1935,  255  "Instalación del VORA:"
**   LblinstAplicativo  label          120,   960, 3975,  615  the installation
**   Label3             label          120,  3360, 4215,  735  the notice
**   Resultado          NOVUInfoRep    120,  1920, 4215, 1335
**
** The bar's stored settings are "migrar" True, "salir" True and "stretch"
** False. Labels and the frame take no keyboard focus; the tab order
** (FrmRepararModel::OrdenTab) runs through the controls that do: the bar's
** buttons in the bar's own order (Salir, then Migrar), the combo box, the
** result list. The window opens with the focus on the first of them.
**
** Nothing is cut: the installation shows whole, broken after its
** separators, or with its middle elided and whole in its tooltip when it
** needs more than its three lines; the notice, where this face needs more
** lines than its place holds, makes the window (and the bar) that much
** taller.
**
** The logic (load order, the runs, the busy state) is FrmRepararModel's;
** the window wires its controls to it. Construction runs Form_Load, so a
** message box of the load shows before the window does.
*/
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "repair/FrmRepararModel.h"
#include "repair/FrmRepararView.h"

class NOVUBot;
class NOVUCbo;
class NOVUInfoRep;
class InfoRepResultSink;
class QGroupBox;
class QLabel;

class FrmReparar : public QWidget, private FrmRepararView {
  Q_OBJECT

 public:
  // Repairs with the metadata beside the running executable.
  explicit FrmReparar(QWidget* parent = nullptr);
  // Repairs with the metadata in `programFolder`.
  explicit FrmReparar(const std::string& programFolder, QWidget* parent = nullptr);
  ~FrmReparar() override;

  NOVUBot* Bot() const { return bot_; }
  QGroupBox* Frame1() const { return frame1_; }
  QLabel* Label1() const { return label1_; }
  NOVUCbo* CboVersiones() const { return cboVersiones_; }
  QLabel* Label2() const { return label2_; }
  QLabel* LblinstAplicativo() const { return lblinstAplicativo_; }
  QLabel* Label3() const { return label3_; }
  NOVUInfoRep* Resultado() const { return resultado_; }

  FrmRepararModel& Modelo() { return *modelo_; }

 private:
  void Construir();
  void OrdenarTabulacion();
  void showEvent(QShowEvent* event) override;
  void Bot_BotonMigrar();
  void Bot_BotonSalir();

  void AgregarVersion(const std::string& Codigo, const std::string& Texto) override;
  void SeleccionarVersion(const std::string& Codigo) override;
  std::string VersionSeleccionada() const override;
  void MostrarInstalacion(const std::string& texto) override;
  void TooltipMigrar(const std::string& texto) override;
  void HabilitarMigrar(bool habilitado) override;
  void EnfocarMigrar() override;
  void MostrarOcupado(bool ocupado) override;
  ResultSink& LineasResultado() override;
  void Terminar() override;

  NOVUBot* bot_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QLabel* label1_ = nullptr;
  NOVUCbo* cboVersiones_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* lblinstAplicativo_ = nullptr;
  QLabel* label3_ = nullptr;
  NOVUInfoRep* resultado_ = nullptr;
  std::unique_ptr<InfoRepResultSink> lineas_;
  std::unique_ptr<FrmRepararModel> modelo_;
  std::vector<QWidget*> cadena_;
};
