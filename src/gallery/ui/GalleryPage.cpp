#include "gallery/ui/GalleryPage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "controls/ui/Twips.h"

GalleryPage::GalleryPage(const char* clave, QWidget* parent)
    : QWidget(parent), info_(GalleryPages::De(clave)) {
  setObjectName(QString::fromUtf8(info_.clave));
  linea_ = new QLabel(QString::fromUtf8(info_.linea), this);
  linea_->setWordWrap(true);
  QFont negrita = linea_->font();
  negrita.setBold(true);
  linea_->setFont(negrita);
  area_ = new QWidget(this);
  area_->setMinimumSize(Twips::ToPixels(QRect(0, 0, kAncho, kAlto), *this).size());
  auto* capas = new QVBoxLayout(this);
  capas->addWidget(linea_);
  capas->addWidget(area_, 1);
}

QLabel* GalleryPage::Etiqueta(const QString& texto, const QRect& twips) {
  auto* etiqueta = new QLabel(texto, area_);
  etiqueta->setWordWrap(true);
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Ubicar(*etiqueta, twips);
  return etiqueta;
}

void GalleryPage::Ubicar(QWidget& widget, const QRect& twips) const {
  widget.setGeometry(Twips::ToPixels(twips, *area_));
}
