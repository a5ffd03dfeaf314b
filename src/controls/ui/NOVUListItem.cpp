/*
** A row of the list view. See NOVUListItem.h.
*/
#include "controls/ui/NOVUListItem.h"

#include <QCollator>
#include <QTreeWidget>
#include <algorithm>
#include <array>

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

// The icons of the five image keys, in the table's order, drawn once.
const QIcon& ImageIcon(int number) {
  static const std::array<QIcon, 5> icons = [] {
    std::array<QIcon, 5> v;
    const auto& keys = NOVUListModel::ClavesImagen();
    for (size_t i = 0; i < v.size(); i++) {
      v[i] = ControlIcons::Icon(QString::fromStdString("lst_" + keys[i]), kLadoIcono);
    }
    return v;
  }();
  return icons[static_cast<size_t>(number)];
}

}  // namespace

NOVUListItem::NOVUListItem(const std::string& clave, const QStringList& textos)
    : QTreeWidgetItem(textos, kType) {
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
  return image_ < 0 ? std::string() : NOVUListModel::ClavesImagen()[static_cast<size_t>(image_)];
}

void NOVUListItem::SetSmallIcon(const std::string& clave) {
  const auto& claves = NOVUListModel::ClavesImagen();
  const auto it = std::find(claves.begin(), claves.end(), clave);
  if (it == claves.end()) ccerr::NotFound(clave);
  SetImageNumber(static_cast<int>(it - claves.begin()));
}

void NOVUListItem::SetImageNumber(int number) {
  image_ = number;
  // Straight to the base: an icon never touches the sort keys.
  QTreeWidgetItem::setData(0, Qt::DecorationRole, ImageIcon(number));
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
  if (other.type() != kType || columna < 0) return QTreeWidgetItem::operator<(other);
  return Antes(static_cast<const NOVUListItem&>(other), columna);
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
