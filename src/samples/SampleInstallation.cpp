/*
** SampleInstallation: builds a made-up host installation. See
** SampleInstallation.h.
**
** Rows go in through the engine's record sets, inside transactions of a
** few thousand rows: one write to disk per batch instead of per row, and a
** memory use that does not grow with the number of rows. Every field of a
** row is set, NULLs included, so that every row is written by the same
** statement.
*/
#include "samples/SampleInstallation.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "dao/DBEngine.h"
#include "platform/PathSeparator.h"
#include "samples/SampleContributors.h"

namespace {

namespace fs = std::filesystem;

constexpr long kBatch = 5000;
constexpr double kFirstPresentation = 42017;  // 15/01/2015 as a day serial

const char* const kApellidos[] = {"GÓMEZ",   "FERNÁNDEZ", "RODRÍGUEZ", "LÓPEZ",   "MARTÍNEZ",
                                  "GARCÍA",  "PÉREZ",     "SÁNCHEZ",   "ROMERO",  "SOSA",
                                  "ÁLVAREZ", "TORRES",    "RUIZ",      "ACOSTA",  "BENÍTEZ",
                                  "MEDINA",  "HERRERA",   "SUÁREZ",    "AGUIRRE", "PEÑA"};
const char* const kNombres[] = {"JUAN CARLOS", "MARÍA JOSÉ", "LUCÍA",     "MARTÍN", "SOFÍA",
                                "NICOLÁS",     "VALENTINA",  "JOAQUÍN",   "CAMILA", "MATÍAS",
                                "ROCÍO",       "AGUSTÍN",    "FLORENCIA", "TOMÁS",  "NOELIA"};
const char* const kEmpleadores[] = {"30712345676", "30654321098", "33709876541", "30501122334",
                                    "30698765437"};

// Deterministic made-up values.
class MadeUpValues {
 public:
  explicit MadeUpValues(unsigned seed) : rng_(seed) {}

  long Entre(long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(rng_); }
  double Importe(double lo, double hi) {
    return std::round(std::uniform_real_distribution<double>(lo, hi)(rng_) * 100) / 100;
  }
  // About one value in ten is NULL.
  Variant ImporteONulo(double lo, double hi) {
    return Entre(0, 9) == 0 ? Variant::Null() : Variant(Importe(lo, hi));
  }
  Variant EnteroONulo(long lo, long hi) {
    return Entre(0, 9) == 0 ? Variant::Null() : Variant(static_cast<int32_t>(Entre(lo, hi)));
  }
  std::string Cuil() {
    std::string digits = (Entre(0, 1) ? "20" : "27") + std::to_string(Entre(10000000, 45999999));
    static const int weights[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; i++) sum += (digits[static_cast<size_t>(i)] - '0') * weights[i];
    int check = (11 - sum % 11) % 11;
    return digits + std::to_string(check == 10 ? 9 : check);
  }
  template <size_t N>
  const char* Uno(const char* const (&list)[N]) {
    return list[static_cast<size_t>(Entre(0, static_cast<long>(N) - 1))];
  }

 private:
  std::mt19937 rng_;
};

// Adds rows to one table through an updatable record set, committing every
// kBatch rows.
class BatchLoader {
 public:
  BatchLoader(dao::Database& db, const std::string& tabla) : rs_(db.OpenRecordset(tabla)) {
    dao::DBEngine::BeginTrans();
  }
  ~BatchLoader() {
    if (open_) dao::DBEngine::Rollback();
  }
  void Fila(const std::vector<Variant>& valores) {
    rs_.AddNew();
    for (size_t i = 0; i < valores.size(); i++)
      rs_.Fields(static_cast<int>(i)).SetValue(valores[i]);
    rs_.Update();
    if (++rows_ % kBatch == 0) {
      dao::DBEngine::CommitTrans();
      dao::DBEngine::BeginTrans();
    }
  }
  void Terminar() {
    rs_.Close();
    dao::DBEngine::CommitTrans();
    open_ = false;
  }

 private:
  dao::Recordset rs_;
  long rows_ = 0;
  bool open_ = true;
};

void CrearTablas(dao::Database& db) {
  db.Execute(
      "CREATE TABLE 21Declaraciones_Juradas (IdDeclaracion LONG, Cuit TEXT (11), Periodo TEXT "
      "(6), Secuencia INTEGER, FechaPresentacion DATE, CantidadEmpleados LONG, "
      "TotalRemuneraciones DOUBLE, Rectificativa LOGICAL, OpcionLey25922 INTEGER, "
      "PorcentajeAfectadoLey25922 DOUBLE, ResultadoEquivalenteCredFiscalIVA DOUBLE, SumaRRII7 "
      "DOUBLE, TotalSuedosAfectadosDto788_05 DOUBLE, TotalAportesSSSto788_05 DOUBLE, "
      "TotalAportesRes33_41_SSS DOUBLE)");
  db.Execute(
      "CREATE TABLE 22Cuiles (IdDeclaracion LONG, Cuil TEXT (11), ApellidoNombre TEXT (40), "
      "CodSituacion INTEGER, CodCondicion INTEGER, CodActividad INTEGER, CodZona TEXT (2), "
      "CodModalidad INTEGER, CodObraSocial TEXT (6), Conyuge LOGICAL, CantidadHijos INTEGER, "
      "SueldoBasico DOUBLE, Adicionales DOUBLE, Premios DOUBLE, CantidadHorasExtra LONG, "
      "SueldoDto788_05 DOUBLE, AportesSSDto788_05 DOUBLE, RemuneracionImponible7 DOUBLE, "
      "AportesRes33_41_SSS DOUBLE)");

  // The tables the repair metadata describes, as an older version left them.
  const char* const statements[] = {
      "CREATE TABLE 11Empresa (Cuit TEXT (11), RazonSocial TEXT (60), Domicilio TEXT (60))",
      "INSERT INTO 11Empresa (Cuit, RazonSocial, Domicilio) VALUES ('30712345676', "
      "'CONSTRUCCIONES DEL PLATA S.A.', 'Av. Belgrano 1234, Córdoba')",
      "CREATE TABLE 12Obras_Sociales (Codigo TEXT (6), Descripcion TEXT (50))",
      "INSERT INTO 12Obras_Sociales (Codigo, Descripcion) VALUES ('104306', 'OBRA SOCIAL DE "
      "LA CONSTRUCCIÓN')",
      "INSERT INTO 12Obras_Sociales (Codigo, Descripcion) VALUES ('126205', 'OBRA SOCIAL DE "
      "EMPLEADOS DE COMERCIO')",
      "INSERT INTO 12Obras_Sociales (Codigo, Descripcion) VALUES ('000000', 'SIN OBRA SOCIAL')",
      "CREATE TABLE 13Situaciones_Revista (Codigo INTEGER, Descripcion TEXT (40))",
      "INSERT INTO 13Situaciones_Revista (Codigo, Descripcion) VALUES (1, 'Activo')",
      "INSERT INTO 13Situaciones_Revista (Codigo, Descripcion) VALUES (5, 'Licencia por "
      "maternidad')",
      "INSERT INTO 13Situaciones_Revista (Codigo, Descripcion) VALUES (13, 'Licencia sin goce "
      "de haberes')",
      "CREATE TABLE 14Condiciones (Codigo INTEGER, Descripcion TEXT (40))",
      "CREATE TABLE 16Zonas (Codigo TEXT (2), Descripcion TEXT (40))",
      "INSERT INTO 16Zonas (Codigo, Descripcion) VALUES ('01', 'Gran Buenos Aires')",
      "INSERT INTO 16Zonas (Codigo, Descripcion) VALUES ('13', 'Córdoba - Zona A')",
      "INSERT INTO 16Zonas (Codigo, Descripcion) VALUES ('22', 'Tierra del Fuego')",
      "CREATE TABLE 17Modalidades_Contratacion (Codigo INTEGER, Descripcion TEXT (60))",
      "INSERT INTO 17Modalidades_Contratacion (Codigo, Descripcion) VALUES (8, 'Tiempo "
      "completo indeterminado')",
      "INSERT INTO 17Modalidades_Contratacion (Codigo, Descripcion) VALUES (11, 'Trabajo de "
      "temporada')",
  };
  for (const char* s : statements) db.Execute(s);
}

void CargarDeclaraciones(dao::Database& db, MadeUpValues& g, long filas) {
  BatchLoader c(db, "21Declaraciones_Juradas");
  for (long i = 0; i < filas; i++) {
    const long mes = i / 5;
    const std::string periodo =
        std::to_string(2015 + mes / 12) + (mes % 12 < 9 ? "0" : "") + std::to_string(mes % 12 + 1);
    c.Fila({static_cast<int32_t>(i + 1), kEmpleadores[i % 5], periodo,
            static_cast<int16_t>(g.Entre(0, 9) == 0 ? 1 : 0),
            Variant::FromDate(kFirstPresentation + static_cast<double>(mes) * 30.4 + g.Entre(0, 9)),
            static_cast<int32_t>(g.Entre(3, 40)), g.Importe(1500000, 40000000), g.Entre(0, 9) == 0,
            g.EnteroONulo(0, 1), g.ImporteONulo(0, 100), g.ImporteONulo(0, 500000),
            g.ImporteONulo(0, 3000000), g.ImporteONulo(0, 2000000), g.ImporteONulo(0, 400000),
            g.ImporteONulo(0, 90000)});
  }
  c.Terminar();
}

void CargarCuiles(dao::Database& db, MadeUpValues& g, long filas, long declaraciones) {
  BatchLoader c(db, "22Cuiles");
  static const char* const zonas[] = {"01", "13", "22"};
  static const char* const obras[] = {"104306", "126205", "000000"};
  for (long i = 0; i < filas; i++) {
    const double basico = g.Importe(250000, 1500000);
    c.Fila({static_cast<int32_t>(declaraciones > 0 ? i % declaraciones + 1 : 0), g.Cuil(),
            std::string(g.Uno(kApellidos)) + " " + g.Uno(kNombres),
            static_cast<int16_t>(g.Entre(0, 9) == 0 ? 5 : 1), static_cast<int16_t>(g.Entre(0, 1)),
            static_cast<int16_t>(g.Entre(1, 99)), g.Uno(zonas),
            static_cast<int16_t>(g.Entre(0, 4) == 0 ? 11 : 8), g.Uno(obras), g.Entre(0, 1) == 1,
            static_cast<int16_t>(g.Entre(0, 4)), basico, g.ImporteONulo(0, basico * 0.3),
            g.ImporteONulo(0, basico * 0.1), g.EnteroONulo(0, 40), g.ImporteONulo(0, basico),
            g.ImporteONulo(0, basico * 0.17), g.ImporteONulo(0, basico * 1.2),
            g.ImporteONulo(0, basico * 0.03)});
  }
  c.Terminar();
}

}  // namespace

void SampleInstallation::CreateHost(const std::string& path, ClsKolm& kolm, const Sizes& sizes) {
  dao::Database db = dao::DBEngine::CreateDatabase(path, kolm.DarPWD().substr(5));
  try {
    CrearTablas(db);
    MadeUpValues g(20240617);
    CargarDeclaraciones(db, g, sizes.declaraciones);
    CargarCuiles(db, g, sizes.cuiles, sizes.declaraciones);
  } catch (...) {
    // A half-built sample would pass for a real one.
    db.Close();
    fs::remove(path);
    throw;
  }
  db.Close();
}

std::string SampleInstallation::Create(const std::string& folder, ClsKolm& kolm,
                                       const Sizes& sizes) {
  const fs::path root = fs::absolute(folder);
  const std::string novu = (root / "novu").string();
  const std::string host = novu + kPathSeparatorText + "VORA12" + kPathSeparatorText + "VORA12.mdb";
  fs::create_directories(root / "windows");
  fs::create_directories(fs::path(host).parent_path());
  CreateHost(host, kolm, sizes);
  kolm.encriptoDesencripto(host);
  if (kolm.LastScrambleFailed()) {
    throw AppError(rterr::kPathFileAccess,
                   std::string(ClsKolm::kScrambleFailedMessage) + ": '" + host + "'.");
  }
  const std::string contributors = novu + kPathSeparatorText + "Novu.mdb";
  SampleContributors::Create(contributors, kolm);
  kolm.encriptoDesencripto(contributors);
  if (kolm.LastScrambleFailed()) {
    throw AppError(75, std::string(ClsKolm::kScrambleFailedMessage) + ": '" + contributors + "'.");
  }
  std::ofstream path((root / "windows" / "novuPath.sys").string(), std::ios::binary);
  path << novu << "\r\n";
  if (!path.flush()) {
    throw AppError(rterr::kPathFileAccess,
                   "No se pudo escribir '" + (root / "windows" / "novuPath.sys").string() + "'.");
  }
  return host;
}
