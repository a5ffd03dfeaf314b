/*
** SampleAddresses: the sample address data. See SampleAddresses.h.
**
** Rows go in through record sets, so that texts with quotes need no
** escaping; every column of a row is set, Nulls included.
*/
#include "samples/SampleAddresses.h"

#include <vector>

#include "dao/DBEngine.h"

namespace {

const Variant N = Variant::Null();

struct Province {
  int16_t codigo;
  const char* descripcion;
};

const Province kProvinces[] = {
    {0, "Ciudad Autónoma de Buenos Aires"},
    {1, "Buenos Aires"},
    {2, "Catamarca"},
    {3, "Córdoba"},
    {4, "Corrientes"},
    {5, "Entre Ríos"},
    {6, "Jujuy"},
    {7, "Mendoza"},
    {8, "La Rioja"},
    {9, "Salta"},
    {10, "San Juan"},
    {11, "San Luis"},
    {12, "Santa Fe"},
    {13, "Santiago del Estero"},
    {14, "Tucumán"},
    {16, "Chaco"},
    {17, "Chubut"},
    {18, "Formosa"},
    {19, "Misiones"},
    {20, "Neuquén"},
    {21, "La Pampa"},
    {22, "Río Negro"},
    {23, "Santa Cruz"},
    {24, "Tierra del Fuego"},
};

void Agregar(dao::Database& db, const std::string& tabla,
             const std::vector<std::vector<Variant>>& filas) {
  dao::Recordset rs = db.OpenRecordset(tabla);
  for (const auto& fila : filas) {
    rs.AddNew();
    for (size_t i = 0; i < fila.size(); i++) rs.Fields(static_cast<int>(i)).SetValue(fila[i]);
    rs.Update();
  }
  rs.Close();
}

// Cuit, CodDJ, CodDueno, CodReferencia and CodDomicilio of an owner's row.
std::vector<Variant> De(const SampleAddresses::Titular& t, int32_t codigo) {
  return {t.Cuit, t.CodDJ, t.Dueño, t.CodReferencia, codigo};
}

std::vector<Variant> Fila(std::vector<Variant> clave, const std::vector<Variant>& resto) {
  clave.insert(clave.end(), resto.begin(), resto.end());
  return clave;
}

void Cargar(dao::Database& db) {
  db.Execute("CREATE TABLE provincias (Codigo INTEGER, Descripcion TEXT (50))");
  std::vector<std::vector<Variant>> provincias;
  for (const Province& p : kProvinces) provincias.push_back({p.codigo, p.descripcion});
  Agregar(db, SampleAddresses::kProvincias, provincias);

  db.Execute(
      "CREATE TABLE 23Titulares (Cuit TEXT (11), CodDJ LONG, CodDueno LONG, CodReferencia LONG, "
      "Nombre TEXT (60))");
  using D = SampleAddresses;
  Agregar(db, D::kTitulares,
          {
              {D::kEmpresa.Cuit, D::kEmpresa.CodDJ, D::kEmpresa.Dueño, D::kEmpresa.CodReferencia,
               "CONSTRUCCIONES DEL PLATA S.A."},
              {D::kSocia.Cuit, D::kSocia.CodDJ, D::kSocia.Dueño, D::kSocia.CodReferencia,
               "GÓMEZ, MARÍA JOSÉ"},
              {D::kOtraEmpresa.Cuit, D::kOtraEmpresa.CodDJ, D::kOtraEmpresa.Dueño,
               D::kOtraEmpresa.CodReferencia, "PEÑA HERMANOS S.R.L."},
              {D::kSinDomicilios.Cuit, D::kSinDomicilios.CodDJ, D::kSinDomicilios.Dueño,
               D::kSinDomicilios.CodReferencia, "SUÁREZ, TOMÁS"},
              {D::kReferenciaPendiente.Cuit, D::kReferenciaPendiente.CodDJ,
               D::kReferenciaPendiente.Dueño, D::kReferenciaPendiente.CodReferencia,
               "ÁLVAREZ, NICOLÁS"},
          });

  db.Execute(
      "CREATE TABLE 24Domicilios (Cuit TEXT (11), CodDJ LONG, CodDueno LONG, CodReferencia LONG, "
      "CodDomicilio LONG, Fiscal INTEGER, Calle TEXT (40), Numero LONG, SinNumero LOGICAL, Ruta "
      "TEXT (10), Km TEXT (10), Torre TEXT (5), Piso TEXT (5), Depto TEXT (10), Manzana TEXT "
      "(10), Partido TEXT (40), Localidad TEXT (40), CodigoPostal TEXT (8), Provincia INTEGER, "
      "Telefono TEXT (20), Fax TEXT (20), EMail TEXT (60), Observaciones TEXT (255))");
  db.Execute("CREATE UNIQUE INDEX ClaveDomicilio ON 24Domicilios (Cuit, CodDJ, CodDomicilio)");
  // After the key: Fiscal, Calle, Numero, SinNumero, Ruta, Km, Torre, Piso,
  // Depto, Manzana, Partido, Localidad, CodigoPostal, Provincia, Telefono,
  // Fax, EMail, Observaciones.
  const int16_t si = 1, no = 0;
  Agregar(
      db, D::kTabla,
      {
          Fila(De(D::kEmpresa, 1),
               {si, "Av. Belgrano", 1234, false, N, N, N, N, N, N, "Capital", "Córdoba", "X5000",
                int16_t{3}, "0351 422-1100", N, "administracion@delplata.com.ar", "Sede central"}),
          Fila(De(D::kEmpresa, 2),
               {no, "Bv. San Juan", 850, false, N, N, N, "3", "B", N, "Capital", "Córdoba", "X5000",
                int16_t{3}, "0351 468-2290", "0351 468-2291", N, N}),
          Fila(De(D::kEmpresa, 3),
               {no, "Ruta Nacional 9", N, true, "9", "563", N, N, N, N, "General San Martín",
                "Villa María", "X5900", int16_t{3}, N, N, N, "Obrador; acceso por colectora"}),
          Fila(De(D::kSocia, 4),
               {si, "O'Higgins", 5520, false, N, N, N, N, N, N, "Capital", "Córdoba", "X5014",
                int16_t{3}, "0351 15-555-0199", N, "mjgomez@correo.com.ar",
                "Entrada por la "
                "cochera"}),
          Fila(De(D::kOtraEmpresa, 5), {si, "Av. Rivadavia", 7300, false, N, N, N, "1", "A", N, N,
                                        "Ciudad Autónoma de Buenos Aires", "C1406", int16_t{0},
                                        "011 4611-0000", N, "info@penahnos.com.ar", N}),
          Fila(De(D::kOtraEmpresa, 6),
               {no, "Güemes", 420, false, N, N, N, N, N, N, "Capital",
                "San Fernando del Valle de Catamarca", "K4700", int16_t{2}, N, N, N, "Depósito"}),
          Fila(De(D::kReferenciaPendiente, 7),
               {si, "Pasaje D'Elía", 77, false, N, N, N, N, N, N, "Ushuaia", "Ushuaia", "V9410",
                int16_t{24}, N, N, N, "Casa 12, barrio Ñandú"}),
      });
}

}  // namespace

void SampleAddresses::Crear(dao::Database& db) {
  dao::DBEngine::BeginTrans();
  try {
    Cargar(db);
  } catch (...) {
    dao::DBEngine::Rollback();
    throw;
  }
  dao::DBEngine::CommitTrans();
}

void SampleAddresses::ConfigurarCampos(AddressFieldSlots& c) {
  constexpr int32_t texto = 1, numero = campo::kNumerico;
  c.Set_Campo(campo::kTipo, texto, "Fiscal", 1, true, false, "", "Tipo", "");
  c.Set_Campo(campo::kCalle, texto, "Calle", 40, true, true, "", "Calle", "");
  c.Set_Campo(campo::kNumero, numero, "Numero", 6, true, false, "", "Nro", "");
  c.Set_Campo(campo::kSinNumero, texto, "SinNumero", 1, true, false, "", "Sin Número", "");
  c.Set_Campo(campo::kRuta, texto, "Ruta", 10, true, false, "", "Ruta", "");
  c.Set_Campo(campo::kKm, texto, "Km", 10, true, false, "", "Km", "");
  c.Set_Campo(campo::kTorre, texto, "Torre", 5, true, false, "", "Torre", "");
  c.Set_Campo(campo::kPiso, texto, "Piso", 5, true, false, "", "Piso", "");
  c.Set_Campo(campo::kDepto, texto, "Depto", 10, true, false, "", "Depto /Oficina", "");
  c.Set_Campo(campo::kManzana, texto, "Manzana", 10, true, false, "", "Manzana", "");
  c.Set_Campo(campo::kPartido, texto, "Partido", 40, true, false, "", "Partido", "");
  c.Set_Campo(campo::kLocalidad, texto, "Localidad", 40, true, true, "", "Localidad", "");
  c.Set_Campo(campo::kCodigoPostal, texto, "CodigoPostal", 8, true, false, "", "Código Postal", "");
  c.Set_Campo(campo::kProvincia, texto, "Provincia", 2, true, true, "", "Provincia", "");
  c.Set_Campo(campo::kTelefono, texto, "Telefono", 20, true, false, "", "Teléfono", "");
  c.Set_Campo(campo::kFax, texto, "Fax", 20, true, false, "", "Fax", "");
  c.Set_Campo(campo::kDueño, numero, "CodDueno", 0, false, false, "", "Dueño", "");
  c.Set_Campo(campo::kReferencia, numero, "CodReferencia", 0, false, false, "", "Referencia", "");
  c.Set_Campo(campo::kCodigo, numero, "CodDomicilio", 0, false, false, "", "Código", "");
  c.Set_Campo(campo::kEMail, texto, "EMail", 60, true, false, "", "E-Mail", "");
  c.Set_Campo(campo::kObservaciones, texto, "Observaciones", 255, true, false, "", "Observaciones",
              "");
}
