/*
** RepairRun: the repair run. See RepairRun.h.
**
** The statements are the host's own, built text for text; the column names
** are the host database's and are written exactly as listed here.
*/
#include "repair/RepairRun.h"

#include <array>
#include <filesystem>

#include "common/NativePath.h"
#include "common/SystemError.h"
#include "platform/PathSeparator.h"
#include "repair/HostBackup.h"
#include "repair/ProgramFolder.h"
#include "repair/SchemaRebuild.h"

namespace {

constexpr std::array<const char*, 7> kColumnasCuiles = {
    "Adicionales",         "Premios",
    "CantidadHorasExtra",  "SueldoDto788_05",
    "AportesSSDto788_05",  "RemuneracionImponible7",
    "AportesRes33_41_SSS",
};

constexpr std::array<const char*, 7> kColumnasDeclaraciones = {
    "OpcionLey25922",
    "PorcentajeAfectadoLey25922",
    "ResultadoEquivalenteCredFiscalIVA",
    "SumaRRII7",
    "TotalSuedosAfectadosDto788_05",
    "TotalAportesSSSto788_05",
    "TotalAportesRes33_41_SSS",
};

}  // namespace

RepairRun::RepairRun(ClsKolm& kolm, ResultSink& Resultado)
    : RepairRun(kolm, Resultado, ProgramFolder()) {}

RepairRun::RepairRun(ClsKolm& kolm, ResultSink& Resultado, std::string programFolder)
    : kolm_(kolm), resultado_(Resultado), programFolder_(std::move(programFolder)) {}

bool RepairRun::Ejecutar(const std::string& codigoVersion, const std::string& instalacion,
                         dao::Database& BaseDatos) {
  respaldo_.clear();
  error_.reset();
  if (codigoVersion != "26" && codigoVersion != "27") return false;
  const std::string base = instalacion + kPathSeparatorText + "VORA12.mdb";

  // A missing file needs no backup: the open reports it.
  std::error_code ec;
  if (std::filesystem::exists(NativePath::From(base), ec)) {
    try {
      respaldo_ = HostBackup::Make(base);
    } catch (const std::exception& e) {
      error_ = SystemError::From(e);
      resultado_.AgregarErr(error_->Description());
      return false;
    }
  }
  if (!kolm_.AbrirBaseMdb(base, BaseDatos)) {
    error_ = kolm_.LastError();
    // The open leaves the file as it was, so the copy holds nothing new.
    if (!respaldo_.empty()) HostBackup::Discard(respaldo_);
    respaldo_.clear();
    return false;
  }
  HostBackup::Prune(base);

  try {
    Reparar(codigoVersion, BaseDatos);
  } catch (const std::exception& e) {
    error_ = SystemError::From(e);
    resultado_.AgregarErr(
        error_->Description() +
        " La base de datos tal como estaba antes de la reparación quedó copiada en '" + respaldo_ +
        "'.");
    return false;
  }

  kolm_.encriptoDesencripto(base);
  resultado_.AgregarInfo(kSuccessLine);
  return true;
}

void RepairRun::Reparar(const std::string& codigoVersion, dao::Database& BaseDatos) {
  for (const char* columna : kColumnasCuiles) {
    const std::string c = columna;
    BaseDatos.Execute("update 22Cuiles set [" + c + "] = 0 where [" + c + "] is null");
  }
  for (const char* columna : kColumnasDeclaraciones) {
    const std::string c = columna;
    BaseDatos.Execute("update 21Declaraciones_Juradas set [" + c + "] = 0 where [" + c +
                      "] is null");
  }

  SchemaRebuild(kolm_, programFolder_).ReconstruirTablas(BaseDatos);

  if (!SchemaRebuild::ExisteTabla(BaseDatos, "VersionBase")) {
    BaseDatos.Execute("CREATE TABLE VERSIONBASE (Version TEXT(6))");
    BaseDatos.Execute("INSERT INTO VersionBase (Version) VALUES ('0" + codigoVersion + "')");
  }
}
