/*
** The file search box's widget. See NOVUSearch.h; the rules are in
** NOVUSearchModel.
*/
#include "controls/ui/NOVUSearch.h"

#include <QLabel>
#include <QPushButton>

#include "controls/ui/ElidedLabel.h"
#include "controls/ui/Twips.h"

NOVUSearch::NOVUSearch(QWidget* parent)
    : TwipsControl(kAnchoDiseno, NOVUSearchModel::kAlto, parent) {
  Construir();
}

NOVUSearch::NOVUSearch(const PropertyStore& propiedades, QWidget* parent)
    : TwipsControl(kAnchoDiseno, NOVUSearchModel::kAlto, parent) {
  modelo_.LeerPropiedades(propiedades);
  Construir();
}

void NOVUSearch::Construir() {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  cmdBuscar_ = new QPushButton(QStringLiteral("..."), this);
  cmdBuscar_->setObjectName(QStringLiteral("CmdBuscar"));
  // A path is shown as it is, never read as markup; one too long for the
  // box loses its middle, never its tail (the file's name).
  auto* titulo = new ElidedLabel(this);
  titulo->SetElideMode(Qt::ElideMiddle);
  lblTitulo_ = titulo;
  lblTitulo_->setObjectName(QStringLiteral("LblTitulo"));
  lblTitulo_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblDesc_ = new QLabel(this);
  lblDesc_->setObjectName(QStringLiteral("LblDesc"));
  lblDesc_->setTextFormat(Qt::PlainText);
  connect(cmdBuscar_, &QPushButton::clicked, this, &NOVUSearch::CmdBuscar_Click);
  Mostrar();
  OnResize();
}

void NOVUSearch::Mostrar() {
  lblDesc_->setText(QString::fromStdString(modelo_.Caption()));
  lblTitulo_->setText(QString::fromStdString(modelo_.NombreArchivo()));
  lblTitulo_->setToolTip(lblTitulo_->text());
}

void NOVUSearch::SetCaption(const std::string& New_Caption) {
  modelo_.SetCaption(New_Caption);
  Mostrar();
  OnResize();
}

void NOVUSearch::SetNombreArchivo(const std::string& New_NombreArchivo) {
  modelo_.SetNombreArchivo(New_NombreArchivo);
  Mostrar();
}

void NOVUSearch::CmdBuscar_Click() {
  if (!modelo_.Buscar()) return;
  Mostrar();
  emit Busqueda();
}

void NOVUSearch::OnResize() {
  const QSize texto = lblDesc_->sizeHint();
  const Size descripcion{Twips::FromPixelsX(texto.width(), *this),
                         Twips::FromPixelsY(texto.height(), *this)};
  const NOVUSearchModel::Geometria g = NOVUSearchModel::Redimensionar(
      WidthTwips(), Size{kAnchoBoton, kAltoBoton}, descripcion, NOVUSearchModel::kAlto);
  SetSizeTwips(WidthTwips(), NOVUSearchModel::kAlto);
  PlaceChild(*cmdBuscar_, g.CmdBuscar);
  PlaceChild(*lblDesc_, g.LblDesc);
  PlaceChild(*lblTitulo_, g.LblTitulo);
}
