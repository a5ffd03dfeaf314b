/*
** The welcome window's widgets and wiring. See FrmXInicioMensaje.h; the
** logic is in FrmXInicioMensajeModel.
*/
#include "forms/ui/FrmXInicioMensaje.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "controls/ui/Twips.h"
#include "forms/FrmXInicioMensajeModel.h"
#include "forms/ui/WindowParts.h"
#include "platform/MessageBoxService.h"

namespace {

constexpr int kAncho = 7800;
constexpr int kAlto = 3900;
constexpr int kAltoTitulo = 495;

}  // namespace

FrmXInicioMensaje::FrmXInicioMensaje(FrmXInicioMensajeModel& modelo) : modelo_(modelo) {
  setObjectName(QStringLiteral("frmXInicioMensaje"));
  setWindowTitle(QString::fromUtf8(kAppTitle));
  setFixedSize(Twips::ToPixelsX(kAncho, *this), Twips::ToPixelsY(kAlto, *this));

  WindowParts::ConSombra(*this, "lblNombreFrente", "lblNombreFondo",
                         QRect(240, 240, 7320, kAltoTitulo), lblNombreFrente_, lblNombreFondo_);
  for (QLabel* nombre : {lblNombreFrente_, lblNombreFondo_}) {
    QFont letra = nombre->font();
    letra.setPointSize(14);
    letra.setBold(true);
    nombre->setFont(letra);
  }
  QPalette azul = lblNombreFrente_->palette();
  azul.setColor(QPalette::WindowText, QColor(0, 51, 153));
  lblNombreFrente_->setPalette(azul);
  WindowParts::Linea(*this, "Line1", QRect(240, 840, 7320, 15));
  lblMensaje_ = WindowParts::Etiqueta(*this, "lblMensaje", QRect(240, 960, 5280, 2040), true);

  btnAyuda_ = new QPushButton(QString::fromUtf8(FrmXInicioMensajeModel::kBtnAyuda), this);
  btnAyuda_->setObjectName(QStringLiteral("btnAyuda"));
  btnAyuda_->setAutoDefault(false);
  btnAyuda_->setGeometry(Twips::ToPixels(QRect(5880, 1080, 1680, 600), *this));
  WindowParts::Linea(*this, "Line6", QRect(240, 3120, 7320, 15));
  chkNoMostrar_ = new QCheckBox(QString::fromUtf8(FrmXInicioMensajeModel::kChkNoMostrar), this);
  chkNoMostrar_->setObjectName(QStringLiteral("chkNoMostrar"));
  chkNoMostrar_->setGeometry(Twips::ToPixels(QRect(240, 3300, 4920, 330), *this));
  btnInicio_ = new QPushButton(QString::fromUtf8(FrmXInicioMensajeModel::kBtnInicio), this);
  btnInicio_->setObjectName(QStringLiteral("btnInicio"));
  btnInicio_->setDefault(true);
  btnInicio_->setGeometry(Twips::ToPixels(QRect(5280, 3240, 2280, 450), *this));

  connect(btnAyuda_, &QPushButton::clicked, this, [this] { modelo_.btnAyuda_Click(); });
  connect(btnInicio_, &QPushButton::clicked, this, [this] { modelo_.btnInicio_Click(); });
  setTabOrder(btnInicio_, chkNoMostrar_);
  setTabOrder(chkNoMostrar_, btnAyuda_);

  disenio_ = size();
  for (QWidget* parte : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (parte->y() >= lblNombreFondo_->geometry().bottom()) {
      debajo_.emplace_back(parte, parte->geometry());
    }
  }
}

FrmXInicioMensaje::~FrmXInicioMensaje() {
  if (reloj_) QApplication::restoreOverrideCursor();
}

void FrmXInicioMensaje::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_F1 && evento->modifiers() == Qt::NoModifier) {
    modelo_.TeclaF1();
    evento->accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

void FrmXInicioMensaje::Titulo(const std::string& texto) {
  const int alto = Twips::ToPixelsY(kAltoTitulo, *this);
  int crece = 0;
  for (QLabel* titulo : {lblNombreFrente_, lblNombreFondo_}) {
    titulo->setText(QString::fromStdString(texto));
    crece = std::max(crece, titulo->heightForWidth(titulo->width()) - alto);
  }
  for (QLabel* titulo : {lblNombreFrente_, lblNombreFondo_}) {
    titulo->resize(titulo->width(), alto + crece);
  }
  for (const auto& [parte, lugar] : debajo_) parte->setGeometry(lugar.translated(0, crece));
  setFixedSize(disenio_.width(), disenio_.height() + crece);
}

void FrmXInicioMensaje::Mensaje(const std::string& texto) {
  lblMensaje_->setText(QString::fromStdString(texto));
}

bool FrmXInicioMensaje::NoMostrarMarcado() const {
  return chkNoMostrar_->isChecked();
}

void FrmXInicioMensaje::Puntero(int puntero) {
  const bool reloj = puntero == kPunteroReloj;
  if (reloj == reloj_) return;
  reloj_ = reloj;
  if (reloj) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

// Posted, as a typed key is: it reaches the widget with the focus after
// the button's handler returns, and climbs to the window from there.
void FrmXInicioMensaje::EnviarF1() {
  QWidget* destino = focusWidget() ? focusWidget() : this;
  QCoreApplication::postEvent(destino, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
}

bool FrmXInicioMensaje::AbrirAyuda(const std::string& pagina) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(pagina)));
}

void FrmXInicioMensaje::MostrarModal() {
  exec();
}

void FrmXInicioMensaje::Cerrar() {
  done(QDialog::Accepted);
}
