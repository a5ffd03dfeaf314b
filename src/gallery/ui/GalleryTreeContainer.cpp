#include "gallery/ui/GalleryTreeContainer.h"

#include "controls/ui/NOVUTree.h"
#include "samples/SampleAddresses.h"

namespace {

constexpr int32_t kCarpeta = 0;
constexpr int32_t kMarca = 1;
constexpr int32_t kImagenActividades = 4;
constexpr int32_t kImagenCarga = 5;
constexpr int32_t kImagenDeducciones = 7;

std::string Texto(dao::Recordset& rs, const char* campo) {
  return rs.Fields(campo).Value().ToStringOrEmpty();
}

}  // namespace

void GalleryTreeContainer::Cargar(NOVUTree& arbol) {
  const std::string titulares = SampleAddresses::kTitulares;
  const std::string domicilios = SampleAddresses::kTabla;
  arbol.Clear();
  arbol.ObjArbol = this;
  arbol.ARB_AgregarNodo(0, kRaiz, kCarpeta, "Declaraciones de la muestra");
  arbol.ARB_AgregarNodoIterador(kRaiz, kDeclaracion, db_,
                                "select distinct CodDJ, Cuit from " + titulares + " order by CodDJ",
                                "CodDJ", false, true, kImagenActividades);
  arbol.ARB_AgregarNodoIterador(
      kDeclaracion, kTitular, db_,
      "select * from " + titulares + " where CodDJ = %CodDJ% order by CodDueno", "CodDueno", false,
      false, kImagenCarga);
  arbol.ARB_AgregarNodo(kTitular, kFiscal, kMarca, "Domicilio fiscal");
  arbol.ARB_AgregarNodoIterador(kTitular, kDomicilio, db_,
                                "select * from " + domicilios +
                                    " where CodDJ = %CodDJ% and CodDueno = %CodDueno% order by "
                                    "CodDomicilio",
                                "CodDomicilio", false, false, kImagenDeducciones);
  arbol.ARB_CargarArbol();
}

std::string GalleryTreeContainer::DarCaption(Variant& Codigo, dao::Recordset& rs) {
  filasPedidas_++;
  switch (Codigo.ToLong()) {
    case kDeclaracion:
      return "Declaración " + Texto(rs, "CodDJ") + ", CUIT " + Texto(rs, "Cuit");
    case kTitular:
      return Texto(rs, "Nombre");
    default: {
      const bool sinNumero =
          !rs.Fields("SinNumero").Value().IsNull() && rs.Fields("SinNumero").Value().ToBool();
      std::string texto = Texto(rs, "Calle") + (sinNumero ? " S/N" : " " + Texto(rs, "Numero"));
      const std::string localidad = Texto(rs, "Localidad");
      if (!localidad.empty()) texto += ", " + localidad;
      if (Texto(rs, "Fiscal") == "1") texto += " (fiscal)";
      return texto;
    }
  }
}

int32_t GalleryTreeContainer::DarCondicion(Variant& Codigo, dao::Recordset&) {
  return Codigo.ToLong();
}

Variant GalleryTreeContainer::EsCheck(Variant&, std::vector<Variant>& ValoresCampo) {
  if (ValoresCampo.size() < 2) return false;
  dao::Recordset rs = db_.OpenRecordset(
      "select count(*) from " + std::string(SampleAddresses::kTabla) +
          " where CodDJ = " + std::to_string(ValoresCampo[0].ToLong()) +
          " and CodDueno = " + std::to_string(ValoresCampo[1].ToLong()) + " and Fiscal = 1",
      dao::dbOpenSnapshot);
  return rs.Fields(0).Value().ToLong() > 0;
}
