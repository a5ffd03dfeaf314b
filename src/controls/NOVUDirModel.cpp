/*
** The folder chooser's rules. See NOVUDirModel.h.
*/
#include "controls/NOVUDirModel.h"

#include <algorithm>
#include <filesystem>

#include "common/AppError.h"
#include "common/NativePath.h"
#include "platform/DriveService.h"
#include "platform/FileExplorerService.h"
#include "platform/InputBoxService.h"
#include "platform/MessageBoxService.h"
#include "platform/PathSeparator.h"

namespace fs = std::filesystem;

namespace {

bool EsSeparador(char c) {
  return c == '/' || c == kPathSeparator;
}

// A folder's full path without a trailing separator, the root ("/", or a
// drive's "C:\") aside.
std::string Normalizar(const fs::path& ruta) {
  std::string texto = NativePath::ToUtf8(ruta.lexically_normal());
  const size_t raiz = NativePath::ToUtf8(ruta.root_path()).size();
  while (texto.size() > std::max<size_t>(raiz, 1) && EsSeparador(texto.back())) texto.pop_back();
  return texto;
}

bool EsCarpeta(const std::string& ruta) {
  std::error_code ec;
  return !ruta.empty() && fs::is_directory(NativePath::From(ruta), ec);
}

// A name that stays inside the folder it is created in (on Windows "\"
// and a drive's ":" lead out of it too).
bool EsNombreSimple(const std::string& nombre) {
  return nombre != "." && nombre != ".." && nombre.find('/') == std::string::npos &&
         nombre.find(kPathSeparator) == std::string::npos &&
#ifdef _WIN32
         nombre.find(':') == std::string::npos &&
#endif
         nombre.find('\0') == std::string::npos;
}

}  // namespace

NOVUDirModel::NOVUDirModel() : unidades_(DriveService::Current().Drives()) {
  std::error_code ec;
  const fs::path actual = fs::current_path(ec);
  Abrir(ec ? std::string(kPathSeparatorText) : Normalizar(fs::absolute(actual)));
  unidad_ = UnidadDe(carpeta_);
}

void NOVUDirModel::LeerPropiedades(const PropertyStore& propiedades) {
  propiedades_ = propiedades;
  caption_ = propiedades.Read("Caption", kCaptionDiseno).ToStringOrEmpty();
}

void NOVUDirModel::GuardarPropiedades(PropertyStore& propiedades) const {
  propiedades.Write("Caption", caption_, kCaptionDiseno);
}

void NOVUDirModel::SetCaption(const std::string& New_Caption) {
  caption_ = New_Caption;
  propiedades_.MarkChanged("Caption");
}

void NOVUDirModel::SetPath(const std::string& New_Path) {
  if (!EsCarpeta(New_Path)) return;
  std::error_code ec;
  const fs::path absoluta = fs::absolute(NativePath::From(New_Path), ec);
  if (ec) return;
  Abrir(Normalizar(absoluta));
  unidad_ = UnidadDe(carpeta_);
}

// The drive whose folder holds `carpeta` most closely.
int NOVUDirModel::UnidadDe(const std::string& carpeta) const {
  int mejor = -1;
  size_t largo = 0;
  for (size_t i = 0; i < unidades_.size(); ++i) {
    const std::string& u = unidades_[i];
    // A drive named with its final separator ("/", "C:\") holds what begins
    // with it; another, what follows it after a separator.
    const bool conSeparador = !u.empty() && EsSeparador(u.back());
    const bool contiene =
        carpeta == u || (carpeta.size() > u.size() && carpeta.compare(0, u.size(), u) == 0 &&
                         (conSeparador || EsSeparador(carpeta[u.size()])));
    if (contiene && (mejor < 0 || u.size() > largo)) {
      mejor = static_cast<int>(i);
      largo = u.size();
    }
  }
  return mejor;
}

void NOVUDirModel::Abrir(const std::string& carpeta) {
  carpeta_ = carpeta;
  seleccion_ = -1;
  lblDest_ = carpeta_;
  Listar();
}

void NOVUDirModel::Listar() {
  carpetas_.clear();
  const fs::path abierta = NativePath::From(carpeta_);
  std::vector<fs::path> cadena;
  for (fs::path p = abierta; !p.empty(); p = p.parent_path()) {
    cadena.push_back(p);
    if (p == p.parent_path()) break;
  }
  std::reverse(cadena.begin(), cadena.end());
  const int niveles = static_cast<int>(cadena.size());
  for (int i = 0; i < niveles; ++i) {
    const fs::path& p = cadena[static_cast<size_t>(i)];
    const std::string nombre = NativePath::ToUtf8(p.has_filename() ? p.filename() : p);
    carpetas_.push_back({nombre, Normalizar(p), i, i - niveles});
  }
  std::vector<std::string> hijas;
  std::error_code ec;
  for (fs::directory_iterator it(abierta, ec), fin; !ec && it != fin; it.increment(ec)) {
    std::error_code tipo;
    const std::string nombre = NativePath::ToUtf8(it->path().filename());
    if (nombre.empty() || nombre.front() == '.' || !it->is_directory(tipo)) continue;
    hijas.push_back(nombre);
  }
  std::sort(hijas.begin(), hijas.end());
  for (size_t i = 0; i < hijas.size(); ++i) {
    carpetas_.push_back(
        {hijas[i], Normalizar(abierta / NativePath::From(hijas[i])), niveles, static_cast<int>(i)});
  }
}

void NOVUDirModel::ElegirUnidad(int indice) {
  if (indice < 0 || indice >= static_cast<int>(unidades_.size())) return;
  unidad_ = indice;
  const std::string& unidad = unidades_[static_cast<size_t>(indice)];
  try {
    std::error_code ec;
    fs::directory_iterator raiz(NativePath::From(unidad), ec);
    if (ec) throw AppError(kErrorUnidad, "Nombre o número de archivo incorrecto");
    Abrir(Normalizar(NativePath::From(unidad)));
  } catch (const AppError& e) {
    if (e.Number() == kErrorUnidad) {
      MsgBox(kUnidadIlegible);
      seleccion_ = -1;
      lblDest_.clear();
    } else {
      MsgBox(e.Description());
    }
  }
}

void NOVUDirModel::AbrirEntrada(int indice) {
  for (const Carpeta& c : carpetas_) {
    if (c.indice != indice) continue;
    // A folder removed since it was listed is not opened; the list is read
    // again so that it no longer shows it.
    if (EsCarpeta(c.ruta)) {
      Abrir(c.ruta);
    } else {
      Abrir(carpeta_);
    }
    return;
  }
}

void NOVUDirModel::Examinar() {
  if (!FileExplorerService::Current().Open(carpeta_)) MsgBox(kNoExaminar);
}

void NOVUDirModel::CrearCarpeta() {
  const std::string nombre = InputBox(kPregunta, kTituloPregunta);
  if (nombre.empty()) return;
  std::string ruta = carpeta_;
  if (ruta.empty() || !EsSeparador(ruta.back())) ruta += kPathSeparator;
  ruta += nombre;
  std::error_code ec;
  if (!EsNombreSimple(nombre) || !fs::create_directory(NativePath::From(ruta), ec) || ec) {
    MsgBox(kNoCrear + ruta);
    return;
  }
  Abrir(ruta);
  unidad_ = UnidadDe(carpeta_);
}

NOVUDirModel::Diseno NOVUDirModel::DisenoInicial() {
  Diseno d;
  d.lblDest = Rect{120, 300, 2655, 285};
  d.cmdExaminar = Rect{2775, 270, 1095, 345};
  d.drvLista = Rect{120, 720, 3750, 315};
  d.dirDirectorio = Rect{120, 1110, 3750, 1620};
  d.cmdCrearCarpeta = Rect{2535, 2730, 1335, 345};
  return d;
}

NOVUDirModel::Geometria NOVUDirModel::Redimensionar(int ancho, int alto, const Diseno& diseno) {
  Geometria g;
  g.FrDatos = Rect{10, 10, ancho - 20, alto - 20};
  const int w = g.FrDatos.width;
  const int h = g.FrDatos.height;
  Diseno& d = g.hijos;
  d = diseno;
  d.lblDest.width = std::max(w - 2 * diseno.lblDest.left - diseno.cmdExaminar.width, 0);
  d.cmdExaminar.left = d.lblDest.left + d.lblDest.width;
  d.drvLista.width = std::max(w - 2 * diseno.drvLista.left, 0);
  d.dirDirectorio.width = d.drvLista.width;
  d.cmdCrearCarpeta.left = d.dirDirectorio.left + d.dirDirectorio.width - d.cmdCrearCarpeta.width;
  d.dirDirectorio.height = std::max(h - d.cmdCrearCarpeta.height - d.dirDirectorio.top - 100, 0);
  d.cmdCrearCarpeta.top = d.dirDirectorio.top + d.dirDirectorio.height;
  return g;
}
