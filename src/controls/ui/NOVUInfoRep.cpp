/*
** The operation result list. See NOVUInfoRep.h.
*/
#include "controls/ui/NOVUInfoRep.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "common/AppError.h"
#include "controls/ui/ControlIcons.h"
#include "controls/ui/ElidedCellTips.h"
#include "controls/ui/RegularFaceHeader.h"
#include "controls/ui/Twips.h"

namespace {

constexpr int kLadoIcono = 16;
// Where each line keeps the key of its icon.
constexpr int kRolClave = Qt::UserRole;

}  // namespace

NOVUInfoRep::NOVUInfoRep(QWidget* parent)
    : TwipsControl(NOVUInfoRepModel::kAnchoDiseno, NOVUInfoRepModel::kAltoDiseno, parent) {
  imgTree_[NOVUInfoRepModel::kInformacion] =
      ControlIcons::Icon(QStringLiteral("rep_informacion"), kLadoIcono);
  imgTree_[NOVUInfoRepModel::kAdvertencia] =
      ControlIcons::Icon(QStringLiteral("rep_advertencia"), kLadoIcono);
  imgTree_[NOVUInfoRepModel::kError] = ControlIcons::Icon(QStringLiteral("rep_error"), kLadoIcono);

  lstInfo_ = new QTreeWidget(this);
  lstInfo_->setObjectName(QStringLiteral("LstInfo"));
  // Its one caption is never highlighted, so it is measured in the face it
  // is drawn in, without loading the bold one.
  RegularFaceHeader::Install(*lstInfo_);
  // A line longer than the column reads whole in its tooltip.
  ElidedCellTips::Install(*lstInfo_);
  lstInfo_->setColumnCount(1);
  lstInfo_->setHeaderLabels({QStringLiteral("Información de la operación")});
  lstInfo_->setRootIsDecorated(false);
  lstInfo_->setItemsExpandable(false);
  lstInfo_->setSortingEnabled(false);
  lstInfo_->setUniformRowHeights(true);
  lstInfo_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstInfo_->setIconSize(QSize(kLadoIcono, kLadoIcono));
  // The column's width is the control's to set, so the header must not
  // stretch it over the list's width.
  lstInfo_->header()->setStretchLastSection(false);
  AplicarGeometria();
}

void NOVUInfoRep::OnResize() {
  modelo_.Redimensionar(WidthTwips(), HeightTwips());
  AplicarGeometria();
}

void NOVUInfoRep::AplicarGeometria() {
  PlaceChild(*lstInfo_, modelo_.LstInfo());
  lstInfo_->setColumnWidth(0, Twips::ToPixelsX(modelo_.AnchoColumna(), *this));
}

void NOVUInfoRep::Limpiar() {
  lstInfo_->clear();
}

void NOVUInfoRep::AgregarErr(const std::string& Descripcion) {
  Agregar(Descripcion, NOVUInfoRepModel::kError);
}

void NOVUInfoRep::AgregarAdvertencia(const std::string& Descripcion) {
  Agregar(Descripcion, NOVUInfoRepModel::kAdvertencia);
}

void NOVUInfoRep::AgregarInfo(const std::string& Descripcion) {
  Agregar(Descripcion, NOVUInfoRepModel::kInformacion);
}

void NOVUInfoRep::Agregar(const std::string& descripcion, const QString& clave) {
  auto icono = imgTree_.find(clave);
  if (icono == imgTree_.end()) {
    throw AppError(rterr::kElementNotFound, "No se encontró el elemento " + clave.toStdString() +
                                                " en la lista de imágenes");
  }
  auto* item = new QTreeWidgetItem(lstInfo_);
  item->setText(0, QString::fromStdString(descripcion));
  // The column is narrower than the list, so a long line is cut short on
  // screen; its tooltip gives it whole.
  item->setToolTip(0, item->text(0));
  item->setIcon(0, icono->second);
  item->setData(0, kRolClave, clave);
}

int NOVUInfoRep::CantidadLineas() const {
  return lstInfo_->topLevelItemCount();
}

std::string NOVUInfoRep::TextoLinea(int linea) const {
  const QTreeWidgetItem* item = lstInfo_->topLevelItem(linea);
  return item ? item->text(0).toStdString() : std::string();
}

std::string NOVUInfoRep::ImagenLinea(int linea) const {
  const QTreeWidgetItem* item = lstInfo_->topLevelItem(linea);
  return item ? item->data(0, kRolClave).toString().toStdString() : std::string();
}
