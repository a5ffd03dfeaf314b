/*
** The one-time message window's widgets and wiring. See FrmXMensaje.h; the
** logic is in FrmXMensajeModel.
*/
#include "forms/ui/FrmXMensaje.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "controls/ui/Twips.h"
#include "forms/FrmXMensajeModel.h"
#include "forms/ui/WindowParts.h"

namespace {

constexpr int kAncho = 6000;
constexpr int kAlto = 2400;

}  // namespace

FrmXMensaje::FrmXMensaje(FrmXMensajeModel& modelo) : modelo_(modelo) {
  setObjectName(QStringLiteral("frmXMensaje"));
  setFixedSize(Twips::ToPixelsX(kAncho, *this), Twips::ToPixelsY(kAlto, *this));

  image1_ = WindowParts::Dibujo(*this, "Image1", QRect(240, 240, 480, 480));
  const QIcon icono = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  WindowParts::PonerDibujo(*image1_, icono.pixmap(image1_->size()));
  lblMensaje_ = WindowParts::Etiqueta(*this, "lblMensaje", QRect(960, 240, 4800, 1320), true);
  chkNoVolver_ = new QCheckBox(QString::fromUtf8(FrmXMensajeModel::kChkNoVolver), this);
  chkNoVolver_->setObjectName(QStringLiteral("chkNoVolver"));
  chkNoVolver_->setGeometry(Twips::ToPixels(QRect(240, 1800, 4200, 330), *this));
  btnAceptar_ = new QPushButton(QString::fromUtf8(FrmXMensajeModel::kBtnAceptar), this);
  btnAceptar_->setObjectName(QStringLiteral("btnAceptar"));
  btnAceptar_->setDefault(true);
  btnAceptar_->setGeometry(Twips::ToPixels(QRect(4560, 1740, 1200, 420), *this));

  connect(btnAceptar_, &QPushButton::clicked, this, [this] { modelo_.btnAceptar_Click(); });
  setTabOrder(btnAceptar_, chkNoVolver_);
}

FrmXMensaje::~FrmXMensaje() = default;

void FrmXMensaje::Titulo(const std::string& texto) {
  setWindowTitle(QString::fromStdString(texto));
}

void FrmXMensaje::Mensaje(const std::string& texto) {
  lblMensaje_->setText(QString::fromStdString(texto));
}

bool FrmXMensaje::NoVolverMarcado() const {
  return chkNoVolver_->isChecked();
}

void FrmXMensaje::MostrarModal() {
  btnAceptar_->setFocus();
  exec();
}

void FrmXMensaje::Cerrar() {
  done(QDialog::Accepted);
}
