#include "gallery/ui/ResultsPage.h"

#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "common/AppError.h"
#include "controls/ui/NOVUInfoRep.h"
#include "dao/Database.h"

namespace {

long Contar(dao::Database& db, const std::string& sql) {
  dao::Recordset rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  return rs.Fields(0).Value().ToLong();
}

}  // namespace

ResultsPage::ResultsPage(dao::Database& host, QWidget* parent) : GalleryPage("resultados", parent) {
  lista_ = new NOVUInfoRep(Area());
  lista_->Move(120, 0, 10500, 4200);

  // The lines a repair of this sample would start from.
  try {
    lista_->AgregarInfo(
        "La muestra tiene " +
        std::to_string(Contar(host, "select count(*) from 21Declaraciones_Juradas")) +
        " declaraciones juradas y " +
        std::to_string(Contar(host, "select count(*) from 22Cuiles")) + " filas de empleados.");
    lista_->AgregarAdvertencia(
        std::to_string(Contar(host, "select count(*) from 22Cuiles where Adicionales is null")) +
        " filas de 22Cuiles tienen Adicionales en NULL.");
  } catch (const AppError& e) {
    lista_->AgregarErr(e.Description());
  }
  try {
    Contar(host, "select count(*) from VersionBase");
    lista_->AgregarInfo("La muestra ya tiene la tabla VersionBase.");
  } catch (const AppError& e) {
    lista_->AgregarErr(e.Description());
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
