/*
** The about window's widgets and wiring. See FrmXAcercaDe.h; the logic is
** in FrmXAcercaDeModel.
*/
#include "forms/ui/FrmXAcercaDe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "controls/ui/Twips.h"
#include "forms/FrmXAcercaDeModel.h"
#include "forms/ui/WindowParts.h"
#include "graphics/ui/QtPicture.h"

namespace {

constexpr int kAncho = 6000;
constexpr int kAlto = 3600;

QString Texto(const std::string& texto) {
  return QString::fromStdString(texto);
}

}  // namespace

FrmXAcercaDe::FrmXAcercaDe(FrmXAcercaDeModel& modelo) : modelo_(modelo) {
  setObjectName(QStringLiteral("frmXAcercaDe"));
  setWindowTitle(QString::fromUtf8(FrmXAcercaDeModel::kCaption));
  // Its own border (Picture1) frames it; a window manager's title bar
  // would offer to maximise a window of fixed size.
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setFixedSize(Twips::ToPixelsX(kAncho, *this), Twips::ToPixelsY(kAlto, *this));

  picture1_ = new QFrame(this);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setFrameShape(QFrame::Box);
  picture1_->setGeometry(Twips::ToPixels(QRect(0, 0, kAncho, kAlto), *this));
  cmdFondo_ = new QPushButton(this);
  cmdFondo_->setObjectName(QStringLiteral("CmdFondo"));
  cmdFondo_->setFlat(true);
  cmdFondo_->setFocusPolicy(Qt::NoFocus);
  cmdFondo_->setGeometry(Twips::ToPixels(QRect(0, 0, kAncho, kAlto), *this));
  lblFondo_ = WindowParts::Etiqueta(*this, "lblFondo", QRect(0, 0, kAncho, 1200));
  lblFondo_->setAutoFillBackground(true);
  QPalette banda = lblFondo_->palette();
  banda.setColor(QPalette::Window, QColor(0, 51, 102));
  lblFondo_->setPalette(banda);

  img_ = WindowParts::Dibujo(*this, "Img", QRect(240, 120, 720, 720));
  lblTitulo1_ = WindowParts::Etiqueta(*this, "LblTitulo1", QRect(1200, 120, 4560, 480));
  QFont grande = lblTitulo1_->font();
  grande.setPointSize(16);
  grande.setBold(true);
  lblTitulo1_->setFont(grande);
  QPalette claro = lblTitulo1_->palette();
  claro.setColor(QPalette::WindowText, Qt::white);
  lblTitulo1_->setPalette(claro);
  lblTitulo1_->setText(QStringLiteral("V.O.R.A."));
  txtTitulo1_ = WindowParts::Etiqueta(*this, "txtTitulo(1)", QRect(1200, 600, 4560, 480), true);
  txtTitulo1_->setPalette(claro);
  lblVersion_ = WindowParts::Etiqueta(*this, "lblVersion", QRect(1200, 1320, 2160, 255));
  lblVersion_->setText(QStringLiteral("Versión 20"));
  lblRelease_ = WindowParts::Etiqueta(*this, "lblRelease", QRect(3480, 1320, 2280, 255));
  lblRelease_->setText(QStringLiteral("Release"));
  WindowParts::ConSombra(*this, "LblBeta", "LblBeta2", QRect(1200, 1680, 4560, 420), lblBeta_,
                         lblBeta2_);
  for (QLabel* beta : {lblBeta_, lblBeta2_}) {
    QFont negrita = beta->font();
    negrita.setPointSize(12);
    negrita.setBold(true);
    beta->setFont(negrita);
    beta->setText(QStringLiteral("PRE -BETA X"));
  }
  QPalette rojo = lblBeta_->palette();
  rojo.setColor(QPalette::WindowText, QColor(192, 0, 0));
  lblBeta_->setPalette(rojo);
  WindowParts::Linea(*this, "Line1", QRect(240, 2280, 5520, 15));
  lblDerechos_ = WindowParts::Etiqueta(*this, "lblDerechos", QRect(240, 2400, 5520, 480), true);
  lblDerechos_->setText(QString::fromUtf8(FrmXAcercaDeModel::kAviso));
  lblEstado_ = WindowParts::Etiqueta(*this, "lblEstado", QRect(240, 3000, 5520, 480), true);
  btnCerrar_ = new QPushButton(QString::fromUtf8(FrmXAcercaDeModel::kCerrar), this);
  btnCerrar_->setObjectName(QStringLiteral("btnCerrar"));
  btnCerrar_->setDefault(true);
  btnCerrar_->setGeometry(Twips::ToPixels(QRect(4680, 3090, 1080, 375), *this));
  btnCerrar_->hide();
  connect(btnCerrar_, &QPushButton::clicked, this, [this] { modelo_.Click(); });

  connect(cmdFondo_, &QPushButton::clicked, this, [this] { modelo_.Click(); });
  for (QWidget* parte : std::initializer_list<QWidget*>{
           img_, lblBeta_, lblBeta2_, lblDerechos_, lblEstado_, lblFondo_, lblTitulo1_, lblVersion_,
           lblRelease_, picture1_, txtTitulo1_}) {
    parte->installEventFilter(this);
  }
}

FrmXAcercaDe::~FrmXAcercaDe() = default;

bool FrmXAcercaDe::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonRelease) {
    modelo_.Click();
    return true;
  }
  return QDialog::eventFilter(objeto, evento);
}

// The window system's close (and Escape, through reject) asks the logic:
// a splash stays.
void FrmXAcercaDe::closeEvent(QCloseEvent* evento) {
  if (modelo_.Form_QueryUnload()) {
    evento->accept();
  } else {
    evento->ignore();
  }
}

void FrmXAcercaDe::reject() {
  if (modelo_.Form_QueryUnload()) QDialog::reject();
}

void FrmXAcercaDe::Release(const std::string& texto) {
  lblRelease_->setText(Texto(texto));
}

void FrmXAcercaDe::Version(const std::string& texto) {
  lblVersion_->setText(Texto(texto));
}

void FrmXAcercaDe::Beta(const std::string& texto) {
  lblBeta_->setText(Texto(texto));
  lblBeta2_->setText(Texto(texto));
}

void FrmXAcercaDe::Nombre(const std::string& texto) {
  lblTitulo1_->setText(Texto(texto));
}

void FrmXAcercaDe::Descripcion(const std::string& texto) {
  txtTitulo1_->setText(Texto(texto));
}

void FrmXAcercaDe::Dibujo(std::shared_ptr<const Picture> imagen) {
  WindowParts::PonerDibujo(*img_, QtPicture::PixmapOf(imagen.get()));
}

void FrmXAcercaDe::Estado(const std::string& texto) {
  lblEstado_->setText(Texto(texto));
}

void FrmXAcercaDe::MostrarAviso(bool visible) {
  lblDerechos_->setVisible(visible);
}

void FrmXAcercaDe::MostrarCerrar(bool visible) {
  btnCerrar_->setVisible(visible);
  if (visible) btnCerrar_->setFocus(Qt::OtherFocusReason);
}

void FrmXAcercaDe::AlFrente() {
  raise();
}

// Input stays queued: a click given while the caller works is dealt with
// when its work is done, never inside it.
void FrmXAcercaDe::ProcesarMensajes() {
  lblEstado_->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmXAcercaDe::MostrarSinEsperar() {
  show();
  raise();
  activateWindow();
}

void FrmXAcercaDe::Cerrar() {
  hide();
}
