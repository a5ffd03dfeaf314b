/*
** AddressRecords: reading and writing an owner's address rows. See
** AddressRecords.h.
*/
#include "address/AddressRecords.h"

#include "address/AddressKey.h"
#include "address/AddressStatements.h"
#include "address/LeadingNumber.h"
#include "common/AppError.h"
#include "common/ValueFormat.h"

namespace {

std::string Texto(const dao::Recordset& rs, const std::string& columna) {
  const Variant v = rs.Fields(columna).Value();
  return v.IsNull() ? std::string() : ValueFormat::ToText(v);
}

// Closes the record set however the block is left, so that an error does
// not keep the table in use.
class OpenRecordsetGuard {
 public:
  explicit OpenRecordsetGuard(dao::Recordset rs) : rs(std::move(rs)) {}
  ~OpenRecordsetGuard() {
    if (rs.IsOpen()) rs.Close();
  }
  OpenRecordsetGuard(const OpenRecordsetGuard&) = delete;
  OpenRecordsetGuard& operator=(const OpenRecordsetGuard&) = delete;

  dao::Recordset rs;
};

}  // namespace

std::vector<AddressListEntry> AddressRecords::Lista() {
  const AddressFieldSlots& c = a_.Campos;
  OpenRecordsetGuard s(a_.Db.OpenRecordset(AddressStatements::ListaDelDueño(a_)));
  std::vector<AddressListEntry> lista;
  for (; !s.rs.Eof(); s.rs.MoveNext()) {
    const Variant codigo = s.rs.Fields(c.Columna(campo::kCodigo)).Value();
    lista.push_back({AddressKey::DesdeCodigo(codigo.ToLong()),
                     Texto(s.rs, c.Columna(campo::kCalle)), Texto(s.rs, c.Columna(campo::kNumero)),
                     Texto(s.rs, c.Columna(campo::kLocalidad))});
  }
  return lista;
}

std::string AddressRecords::DarDomicilios() {
  const AddressFieldSlots& c = a_.Campos;
  OpenRecordsetGuard s(a_.Db.OpenRecordset(AddressStatements::ListaDelDueño(a_)));
  std::string resumen;
  for (; !s.rs.Eof(); s.rs.MoveNext()) {
    resumen += Texto(s.rs, c.Columna(campo::kCalle)) + " " +
               Texto(s.rs, c.Columna(campo::kNumero)) + ", " +
               Texto(s.rs, c.Columna(campo::kLocalidad)) + "\r\n";
  }
  if (resumen.ends_with("\r\n")) resumen.resize(resumen.size() - 2);
  return resumen;
}

LoadedAddress AddressRecords::Cargar(int32_t codigo) {
  const AddressFieldSlots& c = a_.Campos;
  OpenRecordsetGuard s(a_.Db.OpenRecordset(AddressStatements::UnDomicilio(a_, codigo)));
  LoadedAddress d;
  if (c.Campo(campo::kTipo).Visible) {
    const Variant tipo = s.rs.Fields(c.Columna(campo::kTipo)).Value();
    d.Fiscal = !tipo.IsNull() && tipo.ToDouble() == 1;
  }
  if (c.Campo(campo::kSinNumero).Visible) {
    const Variant sin = s.rs.Fields(c.Columna(campo::kSinNumero)).Value();
    d.SinNumero = !sin.IsNull() && sin.ToBool();
  }
  for (int slot : campo::kDeTexto) {
    if (c.Campo(slot).Visible) d.Textos[static_cast<size_t>(slot)] = Texto(s.rs, c.Columna(slot));
  }
  if (c.Campo(campo::kProvincia).Visible) d.Provincia = Texto(s.rs, c.Columna(campo::kProvincia));
  return d;
}

int32_t AddressRecords::Agregar(const AddressInput& datos) {
  const AddressFieldSlots& c = a_.Campos;
  OpenRecordsetGuard s(a_.Db.OpenRecordset(AddressStatements::TablaEntera(a_)));
  if (a_.Sistema == nullptr) {
    throw AppError(kObjetoNoEstablecido, "Variable de objeto o bloque With no establecido");
  }
  const int32_t codigo = a_.Sistema->DevolverMaximo(a_.Tabla).ToLong();
  s.rs.AddNew();
  s.rs.Fields("Cuit").SetValue(a_.Cuit);
  s.rs.Fields("CodDJ").SetValue(a_.CodDJ);
  s.rs.Fields(c.Columna(campo::kDueño)).SetValue(a_.Dueño);
  s.rs.Fields(c.Columna(campo::kCodigo)).SetValue(codigo);
  s.rs.Fields(c.Columna(campo::kReferencia)).SetValue(a_.CodReferencia);
  Escribir(s.rs, datos);
  ++a_.Writes;
  return codigo;
}

void AddressRecords::Editar(int32_t codigo, const AddressInput& datos) {
  OpenRecordsetGuard s(a_.Db.OpenRecordset(AddressStatements::UnDomicilio(a_, codigo)));
  s.rs.Edit();
  Escribir(s.rs, datos);
  ++a_.Writes;
}

void AddressRecords::Escribir(dao::Recordset& rs, const AddressInput& datos) {
  const AddressFieldSlots& c = a_.Campos;
  rs.Fields(c.Columna(campo::kTipo)).SetValue(static_cast<int32_t>(datos.Fiscal ? 1 : 0));
  for (int slot : campo::kDeTexto) {
    const CampoDomicilio& f = c.Campo(slot);
    if (!f.Visible) continue;
    const std::string& texto = datos.Textos[static_cast<size_t>(slot)];
    rs.Fields(f.NombreCampo)
        .SetValue(f.TipoControlDato == campo::kNumerico ? Variant(LeadingNumber(texto))
                                                        : Variant(texto));
  }
  rs.Fields(c.Columna(campo::kProvincia)).SetValue(LeadingNumber(datos.Provincia));
  if (c.Campo(campo::kSinNumero).Visible) {
    rs.Fields(c.Columna(campo::kSinNumero)).SetValue(datos.SinNumero);
  }
  rs.Update();
}

std::string AddressRecords::ControlarFiscal(bool fiscal, std::optional<int32_t> editado) {
  if (!fiscal) return "";
  OpenRecordsetGuard s(a_.Db.OpenRecordset(AddressStatements::ContarFiscales(a_, editado)));
  return s.rs.Fields(0).Value().ToLong() > 0 ? kYaHayFiscal : "";
}

void AddressRecords::Eliminar(int32_t codigo) {
  a_.Db.Execute(AddressStatements::EliminarUno(a_, codigo));
  ++a_.Writes;
}

void AddressRecords::EliminarTodos() {
  a_.Db.Execute(AddressStatements::EliminarDelDueño(a_));
  ++a_.Writes;
}
