#include "gallery/ui/TreePage.h"

#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

#include "controls/ui/NOVUTree.h"
#include "gallery/ui/GalleryTreeContainer.h"

TreePage::TreePage(dao::Database& host, QWidget* parent)
    : GalleryPage("arbol", parent), anfitrion_(std::make_unique<GalleryTreeContainer>(host)) {
  arbol_ = new NOVUTree(Area());
  arbol_->Move(120, 0, 6600, 5600);
  anfitrion_->Cargar(*arbol_);
  arbol_->Arbol()->expandItem(arbol_->Arbol()->topLevelItem(0));

  estado_ = Etiqueta(QString(), QRect(6900, 0, 3800, 1500));
  seleccion_ = Etiqueta(QString::fromUtf8("Pulse un nodo; doble clic o Enter lo confirma."),
                        QRect(6900, 1700, 3800, 2400));
  // The tree loads a branch in its own handler of the expansion: the
  // count is read once that handler has run.
  connect(arbol_->Arbol(), &QTreeWidget::itemExpanded, this,
          [this] { QTimer::singleShot(0, this, &TreePage::MostrarEstado); });
  connect(arbol_->Arbol(), &QTreeWidget::itemClicked, this,
          [this] { MostrarSeleccion(QString::fromUtf8("Pulsado")); });
  connect(arbol_, &NOVUTree::ArbolSeleccion, this,
          [this] { MostrarSeleccion(QString::fromUtf8("Confirmado")); });
  connect(arbol_, &NOVUTree::Error, this, [this](int numero, const QString& descripcion) {
    seleccion_->setText(
        QString::fromUtf8("Error %1 al abrir la rama: %2").arg(numero).arg(descripcion));
  });
  MostrarEstado();
}

TreePage::~TreePage() {
  arbol_->ObjArbol = nullptr;
}

void TreePage::MostrarEstado() {
  estado_->setText(QString::fromUtf8("Filas pedidas al anfitrión hasta ahora: %1.\nLas ramas "
                                     "cerradas esperan con un nodo temporal.")
                       .arg(anfitrion_->FilasPedidas()));
}

void TreePage::MostrarSeleccion(const QString& como) {
  QStringList codigos;
  for (double c : arbol_->ARB_ClavesArbol) codigos << QString::number(c, 'g', 15);
  QString texto;
  if (QTreeWidgetItem* nodo = arbol_->Arbol()->currentItem()) texto = nodo->text(0);
  seleccion_->setText(QString::fromUtf8("%1: «%2»\nARB_ClavesArbol: %3")
                          .arg(como, texto, codigos.join(QStringLiteral(", "))));
}
