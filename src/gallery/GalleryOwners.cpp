#include "gallery/GalleryOwners.h"

#include "samples/SampleAddresses.h"

GalleryOwners::GalleryOwners(dao::Database db)
    : db_(std::move(db)), sistema_(std::make_unique<ColumnMaxNumbering>(db_, "CodDomicilio")) {
  dao::Recordset rs =
      db_.OpenRecordset(std::string("select Cuit, CodDJ, CodDueno, CodReferencia, Nombre from ") +
                            SampleAddresses::kTitulares + " order by CodDJ, CodDueno",
                        dao::dbOpenSnapshot);
  for (; !rs.Eof(); rs.MoveNext()) {
    titulares_.push_back({rs.Fields("Cuit").Value().ToString(),
                          static_cast<int32_t>(rs.Fields("CodDJ").Value().ToLong()),
                          static_cast<int32_t>(rs.Fields("CodDueno").Value().ToLong()),
                          static_cast<int32_t>(rs.Fields("CodReferencia").Value().ToLong()),
                          rs.Fields("Nombre").Value().ToString()});
  }
}

void GalleryOwners::Elegir(UcnDomModel& control, const GalleryOwner& titular) {
  if (control.Copia().Pendiente()) control.CommitearCopia();
  control.SetDb(db_);
  control.SetTabla(SampleAddresses::kTabla);
  control.SetCuit(titular.Cuit);
  control.SetCodDJ(titular.CodDJ);
  control.SetDueño(titular.CodDueno);
  control.SetCodReferencia(titular.CodReferencia);
  control.SetObjSistema(sistema_.get());
  control.SetDescFormulario("Domicilios de " + titular.Nombre);
  control.SetProvinciaValorDefecto("3");
  control.SetInicio(true);
  SampleAddresses::ConfigurarCampos(control.Ambito().Campos);
  control.Refrescar();
}

void GalleryOwners::Guardar(UcnDomModel& control) {
  control.CommitearCopia();
  control.SetInicio(true);
}

void GalleryOwners::Deshacer(UcnDomModel& control) {
  control.ResetearCopia();
  control.SetInicio(true);
  control.Refrescar();
}
