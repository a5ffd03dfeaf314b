/*
** AddressStatements: statement texts. See AddressStatements.h.
**
** The spacing and spelling of each text ("CODDJ", "=" without blanks in the
** single delete, "<>" without blanks) are kept as the host's other tools
** write them, so that the statements read alike in a trace.
*/
#include "address/AddressStatements.h"

#include <limits>

#include "common/AppError.h"

namespace {

std::string N(int32_t v) {
  return std::to_string(v);
}

// " where CUIT = '...' and CodDJ = n": the declaration of the taxpayer.
std::string DeLaDeclaracion(const AddressScope& a) {
  return " where CUIT = " + AddressStatements::LiteralJet(a.Cuit) + " and CodDJ = " + N(a.CodDJ);
}

std::string DelDueño(const AddressScope& a) {
  return " and " + a.Campos.Columna(campo::kDueño) + " = " + N(a.Dueño);
}

// The backup rows of this taxpayer's owner that one copy made.
std::string DeLaCopia(const AddressScope& a, int32_t codigoCopia, const CopiedRows& filas) {
  const std::string& columna = a.Campos.Columna(campo::kCodigo);
  std::string lista;
  for (int32_t c : filas.codigos) lista += (lista.empty() ? "" : ", ") + N(c);
  std::string codigos;
  if (!filas.codigos.empty()) codigos = columna + " in (" + lista + ")";
  if (filas.nulos > 0) codigos += (codigos.empty() ? "" : " or ") + columna + " is null";
  return " where CodDJ = " + N(codigoCopia) +
         " and CUIT = " + AddressStatements::LiteralJet(a.Cuit) + DelDueño(a) + " and (" + codigos +
         ")";
}

}  // namespace

std::string AddressStatements::ListaDelDueño(const AddressScope& a) {
  return "select * from " + a.Tabla + DeLaDeclaracion(a) + DelDueño(a) + " and " +
         a.Campos.Columna(campo::kReferencia) + " = " + N(a.CodReferencia);
}

std::string AddressStatements::UnDomicilio(const AddressScope& a, int32_t codigo) {
  return "select * from " + a.Tabla + DeLaDeclaracion(a) + " and " +
         a.Campos.Columna(campo::kCodigo) + " = " + N(codigo);
}

std::string AddressStatements::TablaEntera(const AddressScope& a) {
  return "select * from " + a.Tabla;
}

std::string AddressStatements::ContarFiscales(const AddressScope& a,
                                              std::optional<int32_t> excluido) {
  std::string s = "select count(*) from " + a.Tabla + DeLaDeclaracion(a) + DelDueño(a) + " and " +
                  a.Campos.Columna(campo::kTipo) + " = 1";
  if (excluido) s += " and " + a.Campos.Columna(campo::kCodigo) + "<>" + N(*excluido);
  return s;
}

std::string AddressStatements::EliminarUno(const AddressScope& a, int32_t codigo) {
  return "Delete * From " + a.Tabla + " Where CUIT = " + LiteralJet(a.Cuit) +
         " and CODDJ = " + N(a.CodDJ) + " and " + a.Campos.Columna(campo::kCodigo) + "=" +
         N(codigo);
}

std::string AddressStatements::EliminarDelDueño(const AddressScope& a) {
  return "delete from " + a.Tabla + DeLaDeclaracion(a) + DelDueño(a);
}

std::string AddressStatements::CodigosDelDueño(const AddressScope& a) {
  return "select " + a.Campos.Columna(campo::kCodigo) + " from " + a.Tabla + DeLaDeclaracion(a) +
         DelDueño(a);
}

std::string AddressStatements::HacerCopia(const AddressScope& a, int32_t codigoCopia,
                                          const std::string& columnas) {
  return "insert into " + a.Tabla + " select " + N(codigoCopia) + " as CodDJ, " + columnas +
         " from " + a.Tabla + DeLaDeclaracion(a) + DelDueño(a);
}

std::string AddressStatements::ContarCopia(const AddressScope& a, int32_t codigoCopia,
                                           const CopiedRows& filas) {
  return "select count(*) from " + a.Tabla + DeLaCopia(a, codigoCopia, filas);
}

std::string AddressStatements::BorrarCopia(const AddressScope& a, int32_t codigoCopia,
                                           const CopiedRows& filas) {
  return "delete from " + a.Tabla + DeLaCopia(a, codigoCopia, filas);
}

std::string AddressStatements::RestaurarCopia(const AddressScope& a, int32_t codigoCopia,
                                              const CopiedRows& filas) {
  return "update " + a.Tabla + " set CodDJ = " + N(a.CodDJ) + DeLaCopia(a, codigoCopia, filas);
}

std::string AddressStatements::AsignarReferencia(const AddressScope& a, int32_t referencia) {
  const std::string& columna = a.Campos.Columna(campo::kReferencia);
  return "update " + a.Tabla + " set " + columna + " = " + N(referencia) + " where " + columna +
         " = -2";
}

std::string AddressStatements::LiteralJet(std::string_view texto) {
  std::string out = "'";
  for (char c : texto) {
    // The engine refuses a NUL inside a literal; joined in, it selects what
    // such a text selects: nothing, as any text no row holds.
    if (c == '\0') {
      out += "' & Chr(0) & '";
      continue;
    }
    if (c == '\'') out += '\'';
    out += c;
  }
  return out + "'";
}

int32_t AddressStatements::CodigoCopia(int32_t dueño) {
  if (dueño == std::numeric_limits<int32_t>::min())
    throw AppError(rterr::kOverflow, "Desbordamiento");
  return -dueño;
}
