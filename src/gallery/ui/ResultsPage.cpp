#include "gallery/ui/ResultsPage.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "controls/ui/NOVUInfoRep.h"
#include "dao/Database.h"
#include "gallery/GalleryReports.h"

ResultsPage::ResultsPage(dao::Database& host, QWidget* parent) : GalleryPage("resultados", parent) {
  lista_ = new NOVUInfoRep(Area());
  lista_->Move(120, 0, 10500, 4200);

  for (const GalleryReports::Finding& f : GalleryReports::Findings(host)) {
    switch (f.kind) {
      case GalleryReports::Kind::Information:
        lista_->AgregarInfo(f.text);
        break;
      case GalleryReports::Kind::Warning:
        lista_->AgregarAdvertencia(f.text);
        break;
      case GalleryReports::Kind::Error:
        lista_->AgregarErr(f.text);
        break;
    }
  }

  texto_ = new QLineEdit(QString::fromUtf8("Texto de la nueva línea"), Area());
  Ubicar(*texto_, QRect(120, 4400, 10500, 330));
  struct Clase {
    const char* titulo;
    void (NOVUInfoRep::*agregar)(const std::string&);
  };
  const Clase clases[] = {{"Agregar error", &NOVUInfoRep::AgregarErr},
                          {"Agregar advertencia", &NOVUInfoRep::AgregarAdvertencia},
                          {"Agregar información", &NOVUInfoRep::AgregarInfo}};
  int left = 120;
  for (const Clase& c : clases) {
    auto* boton = new QPushButton(QString::fromUtf8(c.titulo), Area());
    Ubicar(*boton, QRect(left, 4850, 2400, 400));
    connect(boton, &QPushButton::clicked, this,
            [this, agregar = c.agregar] { (lista_->*agregar)(texto_->text().toStdString()); });
    left += 2520;
  }
  auto* limpiar = new QPushButton(QStringLiteral("Limpiar"), Area());
  Ubicar(*limpiar, QRect(left, 4850, 1800, 400));
  connect(limpiar, &QPushButton::clicked, lista_, &NOVUInfoRep::Limpiar);
}
