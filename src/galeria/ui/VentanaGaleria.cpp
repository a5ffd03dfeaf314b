#include "galeria/ui/VentanaGaleria.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cstring>

#include "galeria/ui/PaginaArbol.h"
#include "galeria/ui/PaginaBotones.h"
#include "galeria/ui/PaginaCombo.h"
#include "galeria/ui/PaginaDomicilios.h"
#include "galeria/ui/PaginaListas.h"
#include "galeria/ui/PaginaNumeros.h"
#include "galeria/ui/PaginaRegional.h"
#include "galeria/ui/PaginaResultados.h"
#include "galeria/ui/PaginaSelectores.h"
#include "galeria/ui/PaginaVentanas.h"
#include "samples/SampleGalleryData.h"

VentanaGaleria::VentanaGaleria(SampleGalleryData& demo, UcnDom::FabricaEditor editor,
                               QWidget* parent)
    : QWidget(parent), pestanas_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("VentanaGaleria"));
  setWindowTitle(QString::fromUtf8("Remendor - Galería de controles"));
  pestanas_->setUsesScrollButtons(true);

  Agregar(new PaginaBotones());
  Agregar(new PaginaResultados(demo.Host()));
  Agregar(new PaginaCombo(demo.Host()));
  Agregar(new PaginaListas(demo.Host()));
  Agregar(new PaginaArbol(demo.Host()));
  Agregar(new PaginaSelectores(demo.CarpetaVora() + "/VORA12.mdb", demo.Trabajo()));
  Agregar(new PaginaNumeros(demo.Host()));
  Agregar(new PaginaDomicilios(demo.Host(), std::move(editor)));
  Agregar(new PaginaVentanas(demo.Propia(), demo.CarpetaAyuda()));
  Agregar(new PaginaRegional());

  auto* origen = new QLabel(QString::fromUtf8("Datos: copia de la muestra de %1")
                                .arg(QString::fromStdString(demo.Origen())),
                            this);
  origen->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* capas = new QVBoxLayout(this);
  capas->addWidget(pestanas_, 1);
  capas->addWidget(origen);
}

void VentanaGaleria::Agregar(PaginaGaleria* pagina) {
  paginas_.push_back(pagina);
  pestanas_->addTab(pagina, QString::fromUtf8(pagina->Info().titulo));
}

PaginaGaleria* VentanaGaleria::Pagina(const char* clave) const {
  for (PaginaGaleria* p : paginas_) {
    if (std::strcmp(p->Info().clave, clave) == 0) return p;
  }
  return nullptr;
}

void VentanaGaleria::MostrarPagina(const char* clave) {
  if (PaginaGaleria* p = Pagina(clave)) pestanas_->setCurrentWidget(p);
}
