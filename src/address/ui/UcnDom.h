/*
** UcnDom: the address control on Qt. A read-only multi-line summary box
** (txt) of the owner's addresses and a "..." button (cmd, tooltip
** "Modificar Domicilio") that opens the address editor. Every rule is in
** UcnDomModel, which the host configures through Modelo(); this widget only
** places its two children in twips and shows the summary the model gives.
**
** The editor window comes from the factory the program sets: the control
** makes one window per opening and drops it when it has closed. Until a
** factory is set the button is disabled, since there is nothing to open.
** AntesDeAbrir is the model's event, raised as a signal; EditorClosed is
** ours, raised once an opening is over and the summary shows what the
** editor left (the host may then look at the working copy).
*/
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "address/FrmDomiciliosView.h"
#include "address/UcnDomModel.h"
#include "controls/ui/TwipsControl.h"

class UcnDom : public TwipsControl {
  Q_OBJECT

 public:
  static constexpr int kAnchoDiseno = 4215;
  static constexpr int kAltoDiseno = 960;
  static constexpr int kAnchoBoton = 315;
  static constexpr int kAltoBoton = 285;

  using FabricaEditor = std::function<std::unique_ptr<FrmDomiciliosView>(QWidget* padre)>;

  explicit UcnDom(QWidget* parent = nullptr);

  UcnDomModel& Modelo() { return modelo_; }
  void SetFabricaEditor(FabricaEditor fabrica);

  QPlainTextEdit& txt() { return *txt_; }
  QPushButton& cmd() { return *cmd_; }

 signals:
  void AntesDeAbrir();
  void EditorClosed();

 protected:
  void OnResize() override;

 private:
  void cmd_Click();

  UcnDomModel modelo_;
  QPlainTextEdit* txt_;
  QPushButton* cmd_;
  FabricaEditor fabrica_;
};
