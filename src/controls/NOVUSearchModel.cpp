/*
** The file search box's rules. See NOVUSearchModel.h.
*/
#include "controls/NOVUSearchModel.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "common/AppError.h"
#include "platform/FileDialogService.h"
#include "platform/FileFilter.h"
#include "platform/MessageBoxService.h"

void NOVUSearchModel::LeerPropiedades(const PropertyStore& propiedades) {
  propiedades_ = propiedades;
  caption_ = propiedades.Read("Caption", kCaptionDiseno).ToStringOrEmpty();
  guardar_ = propiedades.ReadFlag("Guardar", false);
  nombreArchivo_ = propiedades.Read("NombreArchivo", "").ToStringOrEmpty();
  filtro_ = propiedades.Read("Filtro", "").ToStringOrEmpty();
}

void NOVUSearchModel::GuardarPropiedades(PropertyStore& propiedades) const {
  propiedades.Write("Caption", caption_, kCaptionDiseno);
  propiedades.Write("Guardar", guardar_, false);
  propiedades.Write("NombreArchivo", nombreArchivo_, "");
  propiedades.Write("Filtro", filtro_, "");
}

void NOVUSearchModel::SetCaption(const std::string& New_Caption) {
  caption_ = New_Caption;
  propiedades_.MarkChanged("Caption");
}

void NOVUSearchModel::SetGuardar(bool New_Guardar) {
  guardar_ = New_Guardar;
  propiedades_.MarkChanged("Guardar");
}

void NOVUSearchModel::SetNombreArchivo(const std::string& New_NombreArchivo) {
  nombreArchivo_ = New_NombreArchivo;
  propiedades_.MarkChanged("NombreArchivo");
}

void NOVUSearchModel::SetFiltro(const std::string& New_Filtro) {
  filtro_ = New_Filtro;
  propiedades_.MarkChanged("Filtro");
}

std::string NOVUSearchModel::StartPath(const std::string& current) {
  if (current.empty()) return std::string();
  std::error_code ec;
  const std::filesystem::path path(current);
  if (std::filesystem::is_directory(path, ec)) return current;
  const std::filesystem::path folder = path.parent_path();
  if (!folder.empty() && std::filesystem::is_directory(folder, ec)) return current;
  return std::string();
}

bool NOVUSearchModel::Buscar() {
  std::optional<std::string> elegido;
  try {
    elegido =
        FileDialogService::Current().Ask(guardar_ ? FileDialogMode::Save : FileDialogMode::Open,
                                         FileFilter::ToQt(filtro_), StartPath(nombreArchivo_));
  } catch (const AppError&) {
    elegido.reset();
  }
  if (!elegido || elegido->empty()) {
    MsgBox(kCancelada);
    return false;
  }
  std::error_code ec;
  if (!guardar_ && !std::filesystem::is_regular_file(*elegido, ec)) {
    MsgBox(kNoExiste);
    return false;
  }
  nombreArchivo_ = *elegido;
  return true;
}

NOVUSearchModel::Geometria NOVUSearchModel::Redimensionar(int ancho, Size boton, Size descripcion,
                                                          int altoTitulo) {
  Geometria g;
  g.CmdBuscar = Rect{ancho - boton.width, kAlto - boton.height, boton.width, boton.height};
  g.LblDesc =
      Rect{kMargen, (kAlto - descripcion.height) / 2, descripcion.width, descripcion.height};
  const int izquierda = g.LblDesc.left + g.LblDesc.width + kMargen;
  g.LblTitulo = Rect{izquierda, 0, std::max(ancho - boton.width - izquierda, 0), altoTitulo};
  return g;
}
