/*
** A row of the list view. See NOVUListItem.h.
*/
#include "controls/ui/NOVUListItem.h"

#include <QCollator>
#include <QTreeWidget>
#include <algorithm>
#include <map>

#include "controls/CommonControlErrors.h"
#include "controls/NOVUListModel.h"
#include "controls/ui/ControlIcons.h"

namespace {

constexpr int kLadoIcono = 16;

const QCollator& Colacion() {
  static const QCollator colacion = [] {
    QCollator c(QLocale(QLocale::Spanish, QLocale::Argentina));
    c.setCaseSensitivity(Qt::CaseSensitive);
    c.setNumericMode(false);
    return c;
  }();
  return colacion;
}

const QIcon& IconoImagen(const std::string& clave) {
  static std::map<std::string, QIcon> iconos;
  auto it = iconos.find(clave);
  if (it == iconos.end()) {
    it = iconos
             .emplace(clave, ControlIcons::Icon(QString::fromStdString("lst_" + clave), kLadoIcono))
             .first;
  }
  return it->second;
}

}  // namespace

NOVUListItem::NOVUListItem(const std::string& clave, const QStringList& textos)
    : QTreeWidgetItem(textos) {
  QTreeWidgetItem::setData(0, kRolClave, QString::fromStdString(clave));
}

std::string NOVUListItem::Key() const {
  return data(0, kRolClave).toString().toStdString();
}

std::string NOVUListItem::Text() const {
  return text(0).toStdString();
}

std::string NOVUListItem::SubItems(int i) const {
  return text(i).toStdString();
}

std::string NOVUListItem::SmallIcon() const {
  return data(0, kRolImagen).toString().toStdString();
}

void NOVUListItem::SetSmallIcon(const std::string& clave) {
  const auto& claves = NOVUListModel::ClavesImagen();
  if (std::find(claves.begin(), claves.end(), clave) == claves.end()) ccerr::NotFound(clave);
  QTreeWidgetItem::setData(0, kRolImagen, QString::fromStdString(clave));
  setIcon(0, IconoImagen(clave));
}

const QCollatorSortKey& NOVUListItem::ClaveOrden(int columna) const {
  if (clavesOrden_.size() <= static_cast<size_t>(columna)) {
    clavesOrden_.resize(static_cast<size_t>(columna) + 1);
  }
  auto& clave = clavesOrden_[static_cast<size_t>(columna)];
  if (!clave) clave = Colacion().sortKey(text(columna));
  return *clave;
}

bool NOVUListItem::operator<(const QTreeWidgetItem& other) const {
  const QTreeWidget* lista = treeWidget();
  const int columna = lista ? lista->sortColumn() : 0;
  const auto* fila = dynamic_cast<const NOVUListItem*>(&other);
  if (fila == nullptr || columna < 0) return QTreeWidgetItem::operator<(other);
  return Antes(*fila, columna);
}

bool NOVUListItem::Antes(const NOVUListItem& otra, int columna) const {
  return ClaveOrden(columna).compare(otra.ClaveOrden(columna)) < 0;
}

void NOVUListItem::setData(int column, int role, const QVariant& value) {
  if ((role == Qt::DisplayRole || role == Qt::EditRole) &&
      static_cast<size_t>(column) < clavesOrden_.size()) {
    clavesOrden_[static_cast<size_t>(column)].reset();
  }
  QTreeWidgetItem::setData(column, role, value);
}
