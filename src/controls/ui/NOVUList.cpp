/*
** The list view's widget. See NOVUList.h; the rules are in NOVUListModel
** and the header's triangle in IC.
*/
#include "controls/ui/NOVUList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

#include "common/ValueFormat.h"
#include "controls/CommonControlErrors.h"
#include "controls/ui/ControlIcons.h"
#include "controls/ui/NOVUListHeader.h"
#include "controls/ui/Twips.h"
#include "graphics/ui/QtPicture.h"

namespace {

constexpr int kLadoIcono = 16;

Qt::Alignment AlineacionQt(int alineacion) {
  const Qt::Alignment horizontal = alineacion == NOVUListModel::kAlineacionDerecha ? Qt::AlignRight
                                   : alineacion == NOVUListModel::kAlineacionCentro
                                       ? Qt::AlignHCenter
                                       : Qt::AlignLeft;
  return horizontal | Qt::AlignVCenter;
}

}  // namespace

NOVUList::NOVUList(QWidget* parent)
    : TwipsControl(NOVUListModel::kAnchoDiseno, NOVUListModel::kAltoDiseno, parent) {
  Construir();
}

NOVUList::NOVUList(const PropertyStore& propiedades, QWidget* parent)
    : TwipsControl(NOVUListModel::kAnchoDiseno, NOVUListModel::kAltoDiseno, parent) {
  modelo_.LeerPropiedades(propiedades);
  Construir();
}

NOVUList::~NOVUList() = default;

void NOVUList::Construir() {
  lstDatos_ = new QTreeWidget(this);
  lstDatos_->setObjectName(QStringLiteral("LstDatos"));
  encabezado_ = new NOVUListHeader(lstDatos_);
  lstDatos_->setHeader(encabezado_);
  encabezado_->setStretchLastSection(false);
  // Captions stand where the columns' texts start, as they do once the
  // triangle has been put in.
  encabezado_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lstDatos_->setColumnCount(0);
  lstDatos_->setRootIsDecorated(false);
  lstDatos_->setItemsExpandable(false);
  lstDatos_->setUniformRowHeights(true);
  // The list sorts itself on header clicks (ColumnClick), not as Qt would;
  // turning Qt's sorting off also makes the header unclickable, so that
  // comes after.
  lstDatos_->setSortingEnabled(false);
  encabezado_->setSectionsClickable(true);
  lstDatos_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstDatos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lstDatos_->setIconSize(QSize(kLadoIcono, kLadoIcono));
  lstDatos_->setSelectionBehavior((modelo_.EstiloExtendido() & NOVUListModel::kFilaCompleta)
                                      ? QAbstractItemView::SelectRows
                                      : QAbstractItemView::SelectItems);
  lstDatos_->setEnabled(modelo_.Enabled());
  setFocusProxy(lstDatos_);

  ic_ = std::make_unique<IC>();
  ic_->SetListView(this);
  ic_->Cargar(QtPicture::FromIcon(ControlIcons::Icon(QStringLiteral("lst_ascendente"), kLadoIcono),
                                  kLadoIcono),
              QtPicture::FromIcon(ControlIcons::Icon(QStringLiteral("lst_descendente"), kLadoIcono),
                                  kLadoIcono));

  connect(encabezado_, &QHeaderView::sectionClicked, this,
          [this](int seccion) { ColumnClick(seccion + 1); });
  connect(lstDatos_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { emit ItemClick(static_cast<NOVUListItem*>(item)); });
  connect(lstDatos_, &QTreeWidget::itemDoubleClicked, this, [this] { DblClick(); });
  // A check list also marks by a click on a row's box and by the space bar.
  connect(lstDatos_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (item == casilla_) Marcar(NOVUListModel::CheckInput::BoxClick, casilla_);
  });
  lstDatos_->installEventFilter(this);
  lstDatos_->viewport()->installEventFilter(this);
  OnResize();
}

bool NOVUList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstDatos_->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    const QPoint en = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QModelIndex indice = lstDatos_->indexAt(en);
    const bool casilla = indice.isValid() && indice.column() == 0 &&
                         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                         Casilla(indice).contains(en);
    casilla_ = casilla && event->type() == QEvent::MouseButtonPress
                   ? static_cast<NOVUListItem*>(lstDatos_->itemFromIndex(indice))
                   : nullptr;
    dobleEnCasilla_ = casilla && event->type() == QEvent::MouseButtonDblClick;
  } else if (watched == lstDatos_ && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && modelo_.CheckList()) {
    Marcar(NOVUListModel::CheckInput::Space, static_cast<NOVUListItem*>(lstDatos_->currentItem()));
    return true;
  }
  return TwipsControl::eventFilter(watched, event);
}

// Where the row's image is drawn: its box, in check-list mode.
QRect NOVUList::Casilla(const QModelIndex& indice) const {
  QStyleOptionViewItem opcion;
  opcion.initFrom(lstDatos_);
  opcion.rect = lstDatos_->visualRect(indice);
  opcion.index = indice;
  opcion.widget = lstDatos_;
  opcion.text = indice.data().toString();
  opcion.icon = qvariant_cast<QIcon>(indice.data(Qt::DecorationRole));
  opcion.decorationSize = lstDatos_->iconSize();
  opcion.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
  return lstDatos_->style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &opcion, lstDatos_);
}

void NOVUList::Marcar(NOVUListModel::CheckInput entrada, NOVUListItem* fila) {
  const auto nueva =
      modelo_.Toggle(entrada, fila != nullptr, fila ? fila->SmallIcon() : std::string());
  if (nueva) fila->SetSmallIcon(*nueva);
}

void NOVUList::OnResize() {
  modelo_.Redimensionar(WidthTwips(), HeightTwips());
  PlaceChild(*lstDatos_, modelo_.LstDatos());
}

void NOVUList::AgregarColumna(const std::string& Texto, int32_t Ancho) {
  modelo_.AgregarColumna(Texto, Ancho);
  const int columna = modelo_.CantColumnas() - 1;
  lstDatos_->setColumnCount(modelo_.CantColumnas());
  lstDatos_->headerItem()->setText(columna, QString::fromStdString(Texto));
  lstDatos_->setColumnWidth(columna, Twips::ToPixelsX(Ancho, *this));
}

void NOVUList::SetAlineacionColumna(int Columna, int Alineacion) {
  modelo_.SetAlineacion(Columna, Alineacion);
  // The column's texts line up as its caption does.
  lstDatos_->headerItem()->setTextAlignment(Columna - 1, AlineacionQt(Alineacion));
  for (int i = 0; i < lstDatos_->topLevelItemCount(); i++) {
    lstDatos_->topLevelItem(i)->setTextAlignment(Columna - 1, AlineacionQt(Alineacion));
  }
}

int NOVUList::ColumnAlignment(int indice) const {
  return modelo_.ColumnaEn(indice).alineacion;
}

ICHeader* NOVUList::Header() {
  return encabezado_;
}

void NOVUList::AgregarItem(const std::string& Clave, const std::string& Texto, int32_t Imagen,
                           const std::vector<Variant>& Datos) {
  NOVUListModel::ClaveImagen(Imagen);  // a number outside the table fails here
  if (!Clave.empty() && claves_.count(Clave)) ccerr::DuplicateKey(Clave);
  QStringList textos;
  textos.reserve(static_cast<qsizetype>(Datos.size()) + 1);
  textos.append(QString::fromStdString(Texto));
  for (const Variant& dato : Datos) {
    textos.append(QString::fromStdString(ValueFormat::ToText(dato)));
  }
  auto fila = std::make_unique<NOVUListItem>(Clave, textos);
  fila->SetImageNumber(Imagen);
  for (int c = 1; c <= modelo_.CantColumnas(); c++) {
    const int alineacion = modelo_.ColumnaEn(c).alineacion;
    if (alineacion != NOVUListModel::kAlineacionIzquierda) {
      fila->setTextAlignment(c - 1, AlineacionQt(alineacion));
    }
  }
  if (modelo_.Ordenada()) {
    lstDatos_->insertTopLevelItem(PosicionOrdenada(*fila), fila.get());
  } else {
    lstDatos_->addTopLevelItem(fila.get());
  }
  if (!Clave.empty()) claves_.emplace(Clave, fila.get());
  fila.release();
}

int NOVUList::PosicionOrdenada(const NOVUListItem& fila) const {
  // After every row that sorts before it or ties with it, as a stable
  // sort would have put it.
  // The new row is in no widget yet, so the column is given, not read from
  // the widget's sort column.
  const NOVUListModel::Orden orden = modelo_.OrdenActual();
  const bool descendente = orden.direccion != 0;
  int desde = 0, hasta = lstDatos_->topLevelItemCount();
  while (desde < hasta) {
    const int medio = (desde + hasta) / 2;
    const auto& otra = static_cast<const NOVUListItem&>(*lstDatos_->topLevelItem(medio));
    const bool antes =
        descendente ? otra.Antes(fila, orden.columna) : fila.Antes(otra, orden.columna);
    if (antes) {
      hasta = medio;
    } else {
      desde = medio + 1;
    }
  }
  return desde;
}

NOVUListItem* NOVUList::GetItems(const Variant& Index) const {
  if (Index.Type() == VarType::String) {
    const std::string clave = Index.ToString();
    auto it = claves_.find(clave);
    if (clave.empty() || it == claves_.end()) ccerr::NotFound(clave);
    return it->second;
  }
  const int32_t numero = Index.ToLong();
  if (numero < 1 || numero > lstDatos_->topLevelItemCount()) ccerr::OutOfBounds();
  return static_cast<NOVUListItem*>(lstDatos_->topLevelItem(numero - 1));
}

int32_t NOVUList::GetCantFilas() const {
  return lstDatos_->topLevelItemCount();
}

void NOVUList::Seleccionar(const Variant& Indice) {
  NOVUListItem* fila = GetItems(Indice);
  lstDatos_->setCurrentItem(fila);
  fila->setSelected(true);
}

NOVUListItem* NOVUList::GetISelectedItem() const {
  const QList<QTreeWidgetItem*> seleccion = lstDatos_->selectedItems();
  return seleccion.isEmpty() ? nullptr : static_cast<NOVUListItem*>(seleccion.first());
}

void NOVUList::Eliminar(const Variant& Indice) {
  NOVUListItem* fila = GetItems(Indice);
  claves_.erase(fila->Key());
  delete fila;
}

void NOVUList::Clear() {
  claves_.clear();
  lstDatos_->clear();
}

void NOVUList::Ordenar(int32_t TipoOrden, int32_t Columna) {
  AplicarOrden(modelo_.Ordenar(TipoOrden, Columna));
}

void NOVUList::ColumnClick(int indice) {
  AplicarOrden(modelo_.ClickEncabezado(indice));
  const NOVUListModel::Orden orden = modelo_.OrdenActual();
  ic_->SetHeaderIcons(orden.columna, orden.direccion);
}

void NOVUList::AplicarOrden(const NOVUListModel::Orden& orden) {
  lstDatos_->sortItems(orden.columna,
                       orden.direccion == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void NOVUList::SetCheckList() {
  modelo_.SetCheckList();
}

void NOVUList::DblClick() {
  Marcar(dobleEnCasilla_ ? NOVUListModel::CheckInput::DoubleClickOnBox
                         : NOVUListModel::CheckInput::DoubleClick,
         GetISelectedItem());
}

void NOVUList::SetEnabled(bool New_Enabled) {
  modelo_.SetEnabled(New_Enabled);
  lstDatos_->setEnabled(New_Enabled);
}
