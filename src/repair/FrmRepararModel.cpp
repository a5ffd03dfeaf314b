/*
** The main window's logic. See FrmRepararModel.h.
*/
#include "repair/FrmRepararModel.h"

#include <filesystem>
#include <system_error>

#include "common/NativePath.h"
#include "platform/MessageBoxService.h"
#include "platform/PathSeparator.h"
#include "platform/a_c_w.h"
#include "repair/ProgramFolder.h"
#include "repair/RepairRun.h"

namespace {

constexpr const char* kArchivoRuta = "novuPath.sys";

// The folder where novuPath.sys is looked for, as the operator would look
// for it: without the trailing separator, and the current folder when the
// platform names no Windows folder (the file is then read from there).
std::string CarpetaDeRuta() {
  std::string carpeta = a_c_w().DirWindows();
  if (carpeta.empty()) {
    std::error_code ec;
    carpeta = NativePath::ToUtf8(std::filesystem::current_path(ec));
  }
  if (carpeta.size() > 1 && carpeta.back() == kPathSeparator) carpeta.pop_back();
  return carpeta;
}

std::string MensajeSinInstalacion(bool vacio) {
  const std::string carpeta = CarpetaDeRuta();
  const std::string causa = vacio ? std::string("El archivo ") + kArchivoRuta + " de la carpeta '" +
                                        carpeta + "' está vacío."
                                  : std::string("No se encontró el archivo ") + kArchivoRuta +
                                        " en la carpeta '" + carpeta + "'.";
  return causa +
         " Ese archivo indica la carpeta de instalación del VORA; sin ella no se puede "
         "reparar la base de datos.";
}

}  // namespace

FrmRepararModel::FrmRepararModel(FrmRepararView& vista) : FrmRepararModel(vista, ProgramFolder()) {}

FrmRepararModel::FrmRepararModel(FrmRepararView& vista, std::string programFolder)
    : vista_(vista), programFolder_(std::move(programFolder)) {}

FrmRepararModel::~FrmRepararModel() {
  baseDatos_.Close();
}

ClsKolm& FrmRepararModel::Kolm() {
  if (!kolm_) kolm_.emplace();
  return *kolm_;
}

void FrmRepararModel::Form_Load() {
  vista_.AgregarVersion("26", "VORA Versión 26");
  vista_.AgregarVersion("27", "VORA Versión 27");
  vista_.SeleccionarVersion("26");
  CargarInstalacion();
  vista_.TooltipMigrar(kTooltipMigrar);
}

// A blank first line, empty or of spaces and tabs only, names no folder
// either: the run would otherwise look for the database under the root of
// the file system, or under a folder of blanks that no installation has.
void FrmRepararModel::CargarInstalacion() {
  std::string carpeta;
  bool vacio = false;
  try {
    carpeta = Kolm().DarPathNOVU();
    if (carpeta.find_first_not_of(" \t") == std::string::npos) carpeta.clear();
    vacio = carpeta.empty();
  } catch (const AppError& e) {
    vacio = e.Number() == rterr::kInputPastEnd;
  }
  if (carpeta.empty()) {
    instalacion_.clear();
    MsgBox(MensajeSinInstalacion(vacio));
    vista_.MostrarInstalacion(kSinInstalacion);
    vista_.HabilitarMigrar(false);
    return;
  }
  instalacion_ = carpeta + kPathSeparatorText + "VORA12";
  vista_.MostrarInstalacion(instalacion_);
}

void FrmRepararModel::Bot_BotonMigrar() {
  if (!HayInstalacion() || trabajando_) return;
  trabajando_ = true;
  vista_.HabilitarMigrar(false);
  vista_.MostrarOcupado(true);
  try {
    RepairRun(Kolm(), vista_.LineasResultado(), programFolder_)
        .Ejecutar(vista_.VersionSeleccionada(), instalacion_, baseDatos_);
  } catch (const std::exception& e) {
    vista_.LineasResultado().AgregarErr(e.what());
  }
  vista_.MostrarOcupado(false);
  trabajando_ = false;
  vista_.HabilitarMigrar(true);
  vista_.EnfocarMigrar();
}

const std::vector<std::string>& FrmRepararModel::OrdenTab() {
  static const std::vector<std::string> orden = {"Bot",          "Frame1",   "Label1",
                                                 "CboVersiones", "Label2",   "LblinstAplicativo",
                                                 "Label3",       "Resultado"};
  return orden;
}

void FrmRepararModel::Bot_BotonSalir() {
  baseDatos_.Close();
  vista_.Terminar();
}
