#include "gallery/ui/ComboPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/ui/NOVUCbo.h"
#include "samples/SampleAddresses.h"

ComboPage::ComboPage(dao::Database& host, QWidget* parent) : GalleryPage("combo", parent) {
  Etiqueta(QStringLiteral("Provincia:"), QRect(120, 150, 1200, 300));
  combo_ = new NOVUCbo(Area());
  combo_->Move(1320, 120, 4200, 315);
  combo_->CargarRs(host,
                   std::string("select Codigo, Descripcion from ") + SampleAddresses::kProvincias +
                       " order by Descripcion",
                   "Codigo", "Descripcion");
  combo_->SeleccionarPorCodigo("3");

  seleccion_ = Etiqueta(QString(), QRect(120, 720, 8000, 600));
  Etiqueta(QString::fromUtf8("Código:"), QRect(120, 1530, 1200, 300));
  codigo_ = new QLineEdit(QStringLiteral("20"), Area());
  Ubicar(*codigo_, QRect(1320, 1500, 1000, 330));
  auto* buscar = new QPushButton(QString::fromUtf8("Seleccionar por código"), Area());
  Ubicar(*buscar, QRect(2440, 1470, 3080, 400));

  connect(combo_, &NOVUCbo::Change, this, &ComboPage::MostrarSeleccion);
  connect(combo_, &NOVUCbo::Click, this, &ComboPage::MostrarSeleccion);
  connect(buscar, &QPushButton::clicked, this, [this] {
    combo_->SeleccionarPorCodigo(codigo_->text().trimmed().toStdString());
    MostrarSeleccion();
  });
  connect(codigo_, &QLineEdit::returnPressed, buscar, &QPushButton::click);
  MostrarSeleccion();
}

void ComboPage::MostrarSeleccion() {
  const std::string codigo = combo_->GetCodigoSeleccionado();
  seleccion_->setText(
      codigo.empty()
          ? QString::fromUtf8("Ninguna provincia seleccionada (el código no está en la lista).")
          : QString::fromUtf8("Seleccionada: código %1, texto «%2»")
                .arg(QString::fromStdString(codigo),
                     QString::fromStdString(combo_->GetTextoSeleccionado())));
}
