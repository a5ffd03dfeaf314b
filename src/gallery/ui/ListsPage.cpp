#include "gallery/ui/ListsPage.h"

#include <QLabel>
#include <set>
#include <string>

#include "controls/ui/ElidedCellTips.h"
#include "controls/ui/NOVUList.h"
#include "dao/Database.h"
#include "samples/SampleAddresses.h"

namespace {

constexpr int kImagenPersona = 1;
constexpr int kImagenMarcado = 3;
constexpr int kImagenDesmarcado = 4;

}  // namespace

ListsPage::ListsPage(dao::Database& host, QWidget* parent) : GalleryPage("listas", parent) {
  Etiqueta(QString::fromUtf8("Titulares (pulse un encabezado para ordenar)"),
           QRect(120, 0, 6400, 300));
  titulares_ = new NOVUList(Area());
  titulares_->Move(120, 300, 6400, 4300);
  titulares_->AgregarColumna("Titular", 3100);
  titulares_->AgregarColumna("CUIT", 1500);
  titulares_->AgregarColumna("Declaración", 1400);
  titulares_->SetAlineacionColumna(3, 1);
  ElidedCellTips::Install(*titulares_->LstDatos());
  {
    dao::Recordset rs = host.OpenRecordset(
        std::string("select * from ") + SampleAddresses::kTitulares, dao::dbOpenSnapshot);
    for (; !rs.Eof(); rs.MoveNext()) {
      const std::string clave = "T" + rs.Fields("CodDJ").Value().ToString() + "-" +
                                rs.Fields("CodDueno").Value().ToString();
      titulares_->AgregarItem(clave, rs.Fields("Nombre").Value().ToString(), kImagenPersona,
                              {rs.Fields("Cuit").Value(), rs.Fields("CodDJ").Value()});
    }
  }
  titulares_->Ordenar(0, 0);

  Etiqueta(QString::fromUtf8("Provincias (casilla, espacio o doble clic)"),
           QRect(6720, 0, 3960, 300));
  marcas_ = new NOVUList(Area());
  marcas_->Move(6720, 300, 3960, 4300);
  marcas_->AgregarColumna("Provincia", 3500);
  marcas_->SetCheckList();
  // Marked from the start: the provinces that the sample's addresses use.
  std::set<std::string> usadas;
  {
    dao::Recordset rs =
        host.OpenRecordset(std::string("select distinct Provincia from ") +
                               SampleAddresses::kTabla + " where Provincia is not null",
                           dao::dbOpenSnapshot);
    for (; !rs.Eof(); rs.MoveNext()) usadas.insert(rs.Fields(0).Value().ToString());
  }
  {
    dao::Recordset rs = host.OpenRecordset(
        std::string("select * from ") + SampleAddresses::kProvincias + " order by Codigo",
        dao::dbOpenSnapshot);
    for (; !rs.Eof(); rs.MoveNext()) {
      const std::string codigo = rs.Fields("Codigo").Value().ToString();
      marcas_->AgregarItem("P" + codigo, rs.Fields("Descripcion").Value().ToString(),
                           usadas.count(codigo) ? kImagenMarcado : kImagenDesmarcado);
    }
  }

  fila_ = Etiqueta(QString::fromUtf8("Pulse una fila."), QRect(120, 4800, 10500, 600));
  connect(titulares_, &NOVUList::ItemClick, this, &ListsPage::MostrarFila);
  connect(marcas_, &NOVUList::ItemClick, this, &ListsPage::MostrarFila);
}

void ListsPage::MostrarFila(NOVUListItem* fila) {
  if (!fila) return;
  fila_->setText(QString::fromUtf8("Fila pulsada: clave %1, «%2», imagen «%3»")
                     .arg(QString::fromStdString(fila->Key()), QString::fromStdString(fila->Text()),
                          QString::fromStdString(fila->SmallIcon())));
}
