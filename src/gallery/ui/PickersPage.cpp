#include "gallery/ui/PickersPage.h"

#include <QLabel>
#include <QPushButton>

#include "controls/PropertyStore.h"
#include "controls/ui/NOVUDir.h"
#include "controls/ui/NOVUSearch.h"

PickersPage::PickersPage(const std::string& baseInicial, const std::string& carpetaInicial,
                         QWidget* parent)
    : GalleryPage("selectores", parent) {
  PropertyStore paraAbrir;
  paraAbrir.Write("Caption", "Base de datos:");
  paraAbrir.Write("Filtro", "Bases de datos (*.mdb)|*.mdb|Todos los archivos (*.*)|*.*");
  paraAbrir.Write("NombreArchivo", baseInicial);
  abrir_ = new NOVUSearch(paraAbrir, Area());
  abrir_->Move(120, 120, 10500, 0);

  PropertyStore paraGuardar;
  paraGuardar.Write("Caption", "Guardar como:");
  paraGuardar.Write("Guardar", true);
  paraGuardar.Write("Filtro", "Textos (*.txt)|*.txt");
  guardar_ = new NOVUSearch(paraGuardar, Area());
  guardar_->Move(120, 600, 10500, 0);

  PropertyStore paraCarpeta;
  paraCarpeta.Write("Caption", "Carpeta de destino");
  carpeta_ = new NOVUDir(paraCarpeta, Area());
  carpeta_->Move(120, 1140, 5400, 4200);
  carpeta_->SetPath(carpetaInicial);

  eleccion_ = Etiqueta(QString(), QRect(5760, 1200, 4900, 3000));
  auto* leer = new QPushButton(QString::fromUtf8("Leer la carpeta elegida (Path)"), Area());
  Ubicar(*leer, QRect(5760, 4400, 4900, 420));

  connect(abrir_, &NOVUSearch::Busqueda, this, &PickersPage::MostrarEleccion);
  connect(guardar_, &NOVUSearch::Busqueda, this, &PickersPage::MostrarEleccion);
  connect(leer, &QPushButton::clicked, this, &PickersPage::MostrarEleccion);
  MostrarEleccion();
}

void PickersPage::MostrarEleccion() {
  auto o = [](const std::string& s) {
    return s.empty() ? QString::fromUtf8("(ninguno)") : QString::fromStdString(s);
  };
  eleccion_->setText(
      QString::fromUtf8("Para abrir: %1\n\nPara guardar: %2\n\nCarpeta: %3")
          .arg(o(abrir_->NombreArchivo()), o(guardar_->NombreArchivo()), o(carpeta_->Path())));
}
