#include "samples/SampleGalleryData.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "common/AppError.h"
#include "dao/DBEngine.h"
#include "samples/SampleAddresses.h"
#include "samples/SampleInstallation.h"

namespace fs = std::filesystem;

namespace {

std::string CarpetaTemporal() {
  const char* tmp = std::getenv("TMPDIR");
  std::string plantilla =
      (fs::path(tmp && *tmp ? tmp : "/tmp") / "remendor-galeria-XXXXXX").string();
  std::vector<char> nombre(plantilla.begin(), plantilla.end());
  nombre.push_back('\0');
  if (!mkdtemp(nombre.data())) {
    throw AppError(rterr::kPathFileAccess,
                   "No se pudo crear la carpeta de trabajo de la galería en " + plantilla + ".");
  }
  return nombre.data();
}

const char* const kPaginaAyuda =
    "<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\">"
    "<title>Galería de Remendor</title></head>\n<body><h1>Galería de Remendor</h1>\n"
    "<p>Cada pestaña de la galería muestra un control de la biblioteca sobre los datos de la "
    "instalación de muestra. La galería trabaja sobre una copia: la carpeta de la muestra "
    "queda como estaba.</p></body></html>\n";

const char* const kMuestra = "muestra";
const fs::path kHost = fs::path("novu") / "VORA12" / "VORA12.mdb";
const fs::path kContribuyentes = fs::path("novu") / "Novu.mdb";

}  // namespace

SampleGalleryData::SampleGalleryData(const std::string& carpeta) : trabajo_(CarpetaTemporal()) {
  try {
    const fs::path muestra = fs::path(trabajo_) / kMuestra;
    if (carpeta.empty()) {
      SampleInstallation::Create(muestra.string(), kolm_, SampleInstallation::Sizes{});
      origen_ = muestra.string();
    } else {
      origen_ = fs::absolute(carpeta).lexically_normal().string();
      for (const fs::path& archivo : {kHost, kContribuyentes}) {
        const fs::path desde = fs::path(origen_) / archivo;
        if (!fs::is_regular_file(desde)) {
          throw AppError(rterr::kFileNotFound,
                         "No se encontró " + desde.string() +
                             ": la carpeta no es una instalación de muestra (remendor-db demo).");
        }
        fs::create_directories((muestra / archivo).parent_path());
        fs::copy_file(desde, muestra / archivo);
      }
    }
    Abrir((muestra / kHost).string(), host_);
    host_.TableDefs().Refresh();
    if (!host_.TableDefs().Contains(SampleAddresses::kTabla)) SampleAddresses::Crear(host_);
    fs::create_directories(CarpetaAyuda());
    std::ofstream pagina(fs::path(CarpetaAyuda()) / "index.html");
    pagina << kPaginaAyuda;
    if (!pagina.flush()) {
      throw AppError(rterr::kPathFileAccess,
                     "No se pudo escribir la ayuda en " + CarpetaAyuda() + ".");
    }
  } catch (const fs::filesystem_error& e) {
    Cerrar();
    throw AppError(rterr::kPathFileAccess,
                   "No se pudo copiar la muestra: " + std::string(e.what()));
  } catch (...) {
    Cerrar();
    throw;
  }
}

SampleGalleryData::~SampleGalleryData() {
  Cerrar();
}

void SampleGalleryData::Cerrar() {
  for (dao::Database* db : {&host_, &contribuyentes_, &propia_}) {
    if (db->IsOpen()) db->Close();
  }
  // A scratch folder that cannot go harms nothing, and the gallery is
  // ending: there is nobody left to tell.
  std::error_code ignorado;
  if (!trabajo_.empty()) fs::remove_all(trabajo_, ignorado);
  trabajo_.clear();
}

dao::Database& SampleGalleryData::Contribuyentes() {
  if (!contribuyentes_.IsOpen()) Abrir(Copia(kContribuyentes.string()), contribuyentes_);
  return contribuyentes_;
}

dao::Database& SampleGalleryData::Propia() {
  if (!propia_.IsOpen()) {
    const std::string archivo = (fs::path(trabajo_) / kPropia).string();
    dao::Database nueva = dao::DBEngine::CreateDatabase(archivo, kolm_.DarPWD().substr(5));
    try {
      nueva.Execute("create table Configuracion (CodItem long)");
    } catch (...) {
      // Half made, it would refuse the next call as a file that exists.
      nueva.Close();
      std::error_code ignorado;
      fs::remove(archivo, ignorado);
      throw;
    }
    propia_ = nueva;
  }
  return propia_;
}

std::string SampleGalleryData::Copia(const std::string& archivo) const {
  return (fs::path(trabajo_) / kMuestra / archivo).string();
}

std::string SampleGalleryData::CarpetaAyuda() const {
  return (fs::path(trabajo_) / "ayuda").string();
}

std::string SampleGalleryData::CarpetaVora() const {
  return (fs::path(trabajo_) / kMuestra / kHost.parent_path()).string();
}

void SampleGalleryData::Abrir(const std::string& archivo, dao::Database& db) {
  if (!kolm_.AbrirBaseMdb(archivo, db)) {
    throw kolm_.LastError() ? *kolm_.LastError()
                            : AppError(rterr::kFileNotFound, "No se pudo abrir " + archivo + ".");
  }
}
