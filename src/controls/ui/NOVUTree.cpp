/*
** The lazy tree's widget. See NOVUTree.h; the rules are in NOVUTreeModel.
*/
#include "controls/ui/NOVUTree.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QTreeWidget>

#include "common/AppError.h"
#include "controls/CommonControlErrors.h"
#include "controls/ui/ControlIcons.h"
#include "controls/ui/ElidedCellTips.h"
#include "controls/ui/Twips.h"

namespace {

constexpr int kLadoIcono = 16;
constexpr int kRolClave = Qt::UserRole;
constexpr int kRolImagen = Qt::UserRole + 1;
constexpr int kRolImagenExpandida = Qt::UserRole + 2;

}  // namespace

NOVUTree::NOVUTree(QWidget* parent)
    : TwipsControl(NOVUTreeModel::kAnchoDiseno, NOVUTreeModel::kAltoDiseno, parent),
      modelo_(*this) {
  for (const std::string& clave : NOVUTreeModel::Imagenes()) {
    imgTree_[clave] = ControlIcons::Icon(QString::fromStdString("arb_" + clave), kLadoIcono);
  }
  arbol_ = new QTreeWidget(this);
  arbol_->setObjectName(QStringLiteral("Arbol"));
  // A caption longer than the tree is wide reads whole in its tooltip.
  ElidedCellTips::Install(*arbol_);
  arbol_->setHeaderHidden(true);
  arbol_->setColumnCount(1);
  arbol_->setIconSize(QSize(kLadoIcono, kLadoIcono));
  arbol_->setUniformRowHeights(true);
  arbol_->setSortingEnabled(false);
  arbol_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  arbol_->setSelectionMode(QAbstractItemView::SingleSelection);
  arbol_->installEventFilter(this);
  arbol_->viewport()->installEventFilter(this);
  setFocusProxy(arbol_);

  connect(arbol_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* nodo) {
    MostrarImagen(nodo);
    const std::string clave = nodo->data(0, kRolClave).toString().toStdString();
    Atender([&] { modelo_.Expand(clave); });
  });
  connect(arbol_, &QTreeWidget::itemCollapsed, this,
          [this](QTreeWidgetItem* nodo) { MostrarImagen(nodo); });
  connect(arbol_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* nodo) {
    modelo_.NodeClick(nodo->data(0, kRolClave).toString().toStdString());
  });
}

NOVUTree::~NOVUTree() {
  // The tree outlives the model (Qt deletes children last); it must not
  // report to a model that is gone.
  arbol_->removeEventFilter(this);
  arbol_->viewport()->removeEventFilter(this);
  disconnect(arbol_, nullptr, this, nullptr);
}

template <typename F>
void NOVUTree::Atender(F&& f) {
  if (errorDeLlamada_ != nullptr) {
    try {
      f();
    } catch (...) {
      *errorDeLlamada_ = std::current_exception();
    }
    return;
  }
  try {
    f();
  } catch (const AppError& e) {
    const QString descripcion = QString::fromStdString(e.Description());
    if (isSignalConnected(QMetaMethod::fromSignal(&NOVUTree::Error))) {
      emit Error(e.Number(), descripcion);
    } else {
      qWarning("NOVUTree: error %d: %s", e.Number(), qPrintable(descripcion));
    }
  }
}

void NOVUTree::OnResize() {
  PlaceChild(*arbol_, NOVUTreeModel::Arbol(WidthTwips(), HeightTwips()));
}

bool NOVUTree::Enabled() const {
  return arbol_->isEnabled();
}

void NOVUTree::SetEnabled(bool H) {
  arbol_->setEnabled(H);
}

bool NOVUTree::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == arbol_->viewport() && evento->type() == QEvent::MouseButtonPress) {
    const auto* raton = static_cast<QMouseEvent*>(evento);
    const int boton = raton->button() == Qt::RightButton    ? 2
                      : raton->button() == Qt::MiddleButton ? 4
                                                            : 1;
    const QPoint p = raton->position().toPoint();
    modelo_.MouseDown(boton, Twips::FromPixelsX(p.x(), *this), Twips::FromPixelsY(p.y(), *this));
  } else if (objeto == arbol_->viewport() && evento->type() == QEvent::MouseButtonDblClick) {
    if (modelo_.DblClick()) emit ArbolSeleccion();
  } else if (objeto == arbol_ && evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
      if (modelo_.KeyPress(NOVUTreeModel::kEnter)) emit ArbolSeleccion();
    }
  }
  return TwipsControl::eventFilter(objeto, evento);
}

QTreeWidgetItem* NOVUTree::Nodo(const std::string& clave) const {
  return nodos_.value(QString::fromStdString(clave), nullptr);
}

QTreeWidgetItem* NOVUTree::Buscar(const std::string& clave) const {
  QTreeWidgetItem* nodo = Nodo(clave);
  if (nodo == nullptr) ccerr::NotFound(clave);
  return nodo;
}

void NOVUTree::MostrarImagen(QTreeWidgetItem* nodo) {
  QString clave = nodo->data(0, kRolImagen).toString();
  const QString expandida = nodo->data(0, kRolImagenExpandida).toString();
  if (nodo->isExpanded() && !expandida.isEmpty()) clave = expandida;
  auto it = imgTree_.find(clave.toStdString());
  nodo->setIcon(0, it == imgTree_.end() ? QIcon() : it->second);
}

void NOVUTree::AgregarNodo(bool comoHijo, const std::string& clavePadre, const std::string& clave,
                           const std::string& texto, const std::string& imagen) {
  const QString k = QString::fromStdString(clave);
  if (nodos_.contains(k)) ccerr::DuplicateKey(clave);
  if (imgTree_.find(imagen) == imgTree_.end()) ccerr::NotFound(imagen);
  QTreeWidgetItem* padre = comoHijo ? Buscar(clavePadre) : nullptr;
  auto* nodo = new QTreeWidgetItem(QStringList{QString::fromStdString(texto)});
  nodo->setData(0, kRolClave, k);
  nodo->setData(0, kRolImagen, QString::fromStdString(imagen));
  nodo->setIcon(0, imgTree_[imagen]);
  nodo->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  if (padre != nullptr) {
    padre->addChild(nodo);
  } else {
    arbol_->addTopLevelItem(nodo);
  }
  nodos_.insert(k, nodo);
}

void NOVUTree::Olvidar(QTreeWidgetItem* nodo) {
  nodos_.remove(nodo->data(0, kRolClave).toString());
  for (int i = 0; i < nodo->childCount(); i++) Olvidar(nodo->child(i));
}

void NOVUTree::QuitarNodo(const std::string& clave) {
  QTreeWidgetItem* nodo = Buscar(clave);
  Olvidar(nodo);
  delete nodo;
}

void NOVUTree::QuitarTodos() {
  nodos_.clear();
  arbol_->clear();
}

int NOVUTree::CantHijos(const std::string& clave) const {
  return Buscar(clave)->childCount();
}

std::string NOVUTree::PrimerHijo(const std::string& clave) const {
  const QTreeWidgetItem* nodo = Buscar(clave);
  return nodo->childCount() > 0 ? nodo->child(0)->data(0, kRolClave).toString().toStdString()
                                : std::string();
}

std::string NOVUTree::Texto(const std::string& clave) const {
  return Buscar(clave)->text(0).toStdString();
}

void NOVUTree::SetTexto(const std::string& clave, const std::string& texto) {
  Buscar(clave)->setText(0, QString::fromStdString(texto));
}

std::string NOVUTree::Imagen(const std::string& clave) const {
  return Buscar(clave)->data(0, kRolImagen).toString().toStdString();
}

void NOVUTree::SetImagen(const std::string& clave, const std::string& imagen) {
  QTreeWidgetItem* nodo = Buscar(clave);
  if (imgTree_.find(imagen) == imgTree_.end()) ccerr::NotFound(imagen);
  nodo->setData(0, kRolImagen, QString::fromStdString(imagen));
  MostrarImagen(nodo);
}

void NOVUTree::SetImagenExpandida(const std::string& clave, const std::string& imagen) {
  QTreeWidgetItem* nodo = Buscar(clave);
  if (imgTree_.find(imagen) == imgTree_.end()) ccerr::NotFound(imagen);
  nodo->setData(0, kRolImagenExpandida, QString::fromStdString(imagen));
  MostrarImagen(nodo);
}

void NOVUTree::SetExpandido(const std::string& clave, bool expandido) {
  QTreeWidgetItem* nodo = Buscar(clave);
  std::exception_ptr error;
  std::exception_ptr* anterior = errorDeLlamada_;
  errorDeLlamada_ = &error;
  nodo->setExpanded(expandido);
  errorDeLlamada_ = anterior;
  if (error) std::rethrow_exception(error);
}

std::string NOVUTree::Seleccionado() const {
  const QList<QTreeWidgetItem*> seleccion = arbol_->selectedItems();
  return seleccion.isEmpty() ? std::string()
                             : seleccion.first()->data(0, kRolClave).toString().toStdString();
}

std::string NOVUTree::NodoEn(double x, double y) const {
  const QPoint p(Twips::ToPixelsX(static_cast<int>(x), *this),
                 Twips::ToPixelsY(static_cast<int>(y), *this));
  const QTreeWidgetItem* nodo = arbol_->itemAt(p);
  return nodo ? nodo->data(0, kRolClave).toString().toStdString() : std::string();
}
