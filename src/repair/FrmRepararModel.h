/*
** FrmRepararModel: the main window's logic, without its widgets. The window
** (FrmReparar) wires its controls to it through FrmRepararView.
**
** Form_Load, in this order:
**   1. "26" / "VORA Versión 26" and 2. "27" / "VORA Versión 27" go into the
**      version list;
**   3. the entry with code "26" is selected;
**   4. the installation label shows the maker's installation folder (the
**      first line of novuPath.sys in the Windows folder) followed by the
**      separator and "VORA12";
**   5. the migrate button's tooltip becomes "Realizar la operación
**      seleccionada".
**
** Without an installation (novuPath.sys missing, empty, or with a blank
** first line) step 4 shows a message box that names the file and the
** folder where it was looked for, the label says that no installation was
** found, and the migrate button is disabled; the load goes on with step 5
** and the window opens as usual. A migrate event that reaches the logic
** anyway (the bar can raise one for a disabled button) starts nothing.
**
** Bot_BotonMigrar runs the repair (RepairRun) with the selected version
** code, the installation label's folder, the window's ClsKolm (made on
** first use) and its database handle, which the window keeps between
** runs; the run writes its lines into the result list. While it works the
** window shows that it is busy and the migrate button is disabled; a
** migrate event that arrives meanwhile (from a message box's event loop,
** say) is ignored. A failure the run does not report itself (nothing
** should escape it) becomes an error line, so that it never ends the
** program.
**
** Once a run is over the keyboard focus is back on the migrate button,
** which the run disabled while it worked: the operator goes on from the
** button pressed, not from wherever the focus fell meanwhile.
**
** The window's tab order (OrdenTab) is the bar, Frame1, Label1,
** CboVersiones, Label2, LblinstAplicativo, Label3, Resultado; of those
** only the bar's buttons (in the bar's own order), the combo and the
** result list take the focus, and the window opens with the focus on the
** first of them that is shown and enabled.
**
** Bot_BotonSalir releases the database handle and ends the program at
** once. The handle is released too when the logic is destroyed.
*/
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dao/Database.h"
#include "host/ClsKolm.h"
#include "repair/FrmRepararView.h"

class FrmRepararModel {
 public:
  static constexpr const char* kCaption = "Reparador de Bases de datos VORA";
  static constexpr const char* kTooltipMigrar = "Realizar la operación seleccionada";
  static constexpr const char* kSinInstalacion = "No se encontró la instalación del VORA.";

  // `programFolder` holds Remendor.mdb (by default the folder of the
  // running executable).
  explicit FrmRepararModel(FrmRepararView& vista);
  FrmRepararModel(FrmRepararView& vista, std::string programFolder);
  ~FrmRepararModel();
  FrmRepararModel(const FrmRepararModel&) = delete;
  FrmRepararModel& operator=(const FrmRepararModel&) = delete;

  // The window's controls by name, in tab order.
  static const std::vector<std::string>& OrdenTab();

  void Form_Load();
  void Bot_BotonMigrar();
  void Bot_BotonSalir();

  // The folder the runs work on, as the label shows it; empty when no
  // installation was found.
  const std::string& Instalacion() const { return instalacion_; }
  bool HayInstalacion() const { return !instalacion_.empty(); }
  bool Trabajando() const { return trabajando_; }

  ClsKolm& Kolm();
  dao::Database& BaseDatos() { return baseDatos_; }

 private:
  void CargarInstalacion();

  FrmRepararView& vista_;
  std::string programFolder_;
  std::optional<ClsKolm> kolm_;
  dao::Database baseDatos_;
  std::string instalacion_;
  bool trabajando_ = false;
};
