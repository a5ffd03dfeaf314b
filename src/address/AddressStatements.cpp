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

// The backup of this taxpayer's owner, whatever declaration it came from.
std::string DeLaCopia(const AddressScope& a, int32_t codigoCopia) {
  return " where CodDJ = " + N(codigoCopia) +
         " and CUIT = " + AddressStatements::LiteralJet(a.Cuit) + DelDueño(a);
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

std::string AddressStatements::HacerCopia(const AddressScope& a, int32_t codigoCopia,
                                          const std::string& columnas) {
  return "insert into " + a.Tabla + " select " + N(codigoCopia) + " as CodDJ, " + columnas +
         " from " + a.Tabla + DeLaDeclaracion(a) + DelDueño(a);
}

std::string AddressStatements::BorrarCopia(const AddressScope& a, int32_t codigoCopia) {
  return "delete from " + a.Tabla + DeLaCopia(a, codigoCopia);
}

std::string AddressStatements::RestaurarCopia(const AddressScope& a, int32_t codigoCopia) {
  return "update " + a.Tabla + " set CodDJ = " + N(a.CodDJ) + DeLaCopia(a, codigoCopia);
}

std::string AddressStatements::AsignarReferencia(const AddressScope& a, int32_t referencia) {
  const std::string& columna = a.Campos.Columna(campo::kReferencia);
  return "update " + a.Tabla + " set " + columna + " = " + N(referencia) + " where " + columna +
         " = -2";
}

std::string AddressStatements::LiteralJet(std::string_view texto) {
  std::string out = "'";
  for (char c : texto) {
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
