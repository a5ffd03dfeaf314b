#include "gallery/ui/GalleryWindow.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstring>

#include "gallery/ui/AddressPage.h"
#include "gallery/ui/ButtonBarPage.h"
#include "gallery/ui/ComboPage.h"
#include "gallery/ui/ListsPage.h"
#include "gallery/ui/NumbersPage.h"
#include "gallery/ui/PickersPage.h"
#include "gallery/ui/RegionalPage.h"
#include "gallery/ui/ResultsPage.h"
#include "gallery/ui/TreePage.h"
#include "gallery/ui/WindowsPage.h"
#include "samples/SampleGalleryData.h"

GalleryWindow::GalleryWindow(SampleGalleryData& demo, UcnDom::FabricaEditor editor, QWidget* parent)
    : QWidget(parent), pestanas_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("GalleryWindow"));
  setWindowTitle(QString::fromUtf8("Remendor - Galería de controles"));
  pestanas_->setUsesScrollButtons(true);

  Agregar(new ButtonBarPage());
  Agregar(new ResultsPage(demo.Host()));
  Agregar(new ComboPage(demo.Host()));
  Agregar(new ListsPage(demo.Host()));
  Agregar(new TreePage(demo.Host()));
  Agregar(new PickersPage(demo.CarpetaVora() + "/VORA12.mdb", demo.Trabajo()));
  Agregar(new NumbersPage(demo.Host()));
  Agregar(new AddressPage(demo.Host(), std::move(editor)));
  Agregar(
      new WindowsPage([&demo]() -> dao::Database& { return demo.Propia(); }, demo.CarpetaAyuda()));
  Agregar(new RegionalPage());

  auto* origen = new QLabel(QString::fromUtf8("Datos: copia de la muestra de %1")
                                .arg(QString::fromStdString(demo.Origen())),
                            this);
  origen->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* capas = new QVBoxLayout(this);
  capas->addWidget(pestanas_, 1);
  capas->addWidget(origen);
}

void GalleryWindow::Agregar(GalleryPage* pagina) {
  paginas_.push_back(pagina);
  pestanas_->addTab(pagina, QString::fromUtf8(pagina->Info().titulo));
}

GalleryPage* GalleryWindow::Pagina(const char* clave) const {
  for (GalleryPage* p : paginas_) {
    if (std::strcmp(p->Info().clave, clave) == 0) return p;
  }
  return nullptr;
}

void GalleryWindow::MostrarPagina(const char* clave) {
  if (GalleryPage* p = Pagina(clave)) pestanas_->setCurrentWidget(p);
}
