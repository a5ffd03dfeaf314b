/*
** FrmRepararView: what the main window's logic (FrmRepararModel) asks of
** the widgets that show it. The Qt window implements it; the logic never
** touches a widget itself.
**
** Every call is made on the user-interface thread and returns when the
** widgets show the change.
*/
#pragma once

#include <string>

#include "repair/ResultSink.h"

class FrmRepararView {
 public:
  virtual ~FrmRepararView() = default;

  // The version list (CboVersiones).
  virtual void AgregarVersion(const std::string& Codigo, const std::string& Texto) = 0;
  virtual void SeleccionarVersion(const std::string& Codigo) = 0;
  // The code of the selected entry, or "" when nothing is selected.
  virtual std::string VersionSeleccionada() const = 0;

  // The installation label (LblinstAplicativo).
  virtual void MostrarInstalacion(const std::string& texto) = 0;

  // The bar's migrate button: its tooltip, and whether it answers a click.
  virtual void TooltipMigrar(const std::string& texto) = 0;
  virtual void HabilitarMigrar(bool habilitado) = 0;
  // The keyboard focus to the migrate button.
  virtual void EnfocarMigrar() = 0;

  // True while a run works: the window shows that it is busy. On the way
  // back to false, input that the operator gave the busy window is
  // dealt with before the migrate button answers again, so that it cannot
  // start a second run.
  virtual void MostrarOcupado(bool ocupado) = 0;

  // The result list (Resultado), where the runs write their lines.
  virtual ResultSink& LineasResultado() = 0;

  // Ends the program: the window closes, and with it the program.
  virtual void Terminar() = 0;
};
