/*
** The closing notice's widgets and wiring. See FrmXCerrando.h; the logic is
** in FrmXCerrandoModel.
*/
#include "forms/ui/FrmXCerrando.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "controls/ui/Twips.h"
#include "forms/FrmXCerrandoModel.h"
#include "forms/ui/WindowParts.h"
#include "graphics/ui/QtPicture.h"
#include "platform/MessageBoxService.h"

namespace {

constexpr int kAncho = 5400;
constexpr int kAlto = 1500;

}  // namespace

FrmXCerrando::FrmXCerrando(FrmXCerrandoModel& modelo)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), modelo_(modelo) {
  setObjectName(QStringLiteral("frmXCerrando"));
  setWindowTitle(QString::fromUtf8(kAppTitle));
  setFixedSize(Twips::ToPixelsX(kAncho, *this), Twips::ToPixelsY(kAlto, *this));

  auto* borde = new QFrame(this);
  borde->setObjectName(QStringLiteral("Borde"));
  borde->setFrameShape(QFrame::Box);
  borde->setGeometry(rect());
  picIcono_ = WindowParts::Dibujo(*this, "picIcono", QRect(240, 240, 960, 960));
  label2_ = WindowParts::Etiqueta(*this, "Label2", QRect(1440, 300, 3720, 300));
  QFont negrita = label2_->font();
  negrita.setBold(true);
  label2_->setFont(negrita);
  label2_->setText(QString::fromUtf8(FrmXCerrandoModel::kLabel2));
  label1_ = WindowParts::Etiqueta(*this, "Label1", QRect(1440, 720, 3720, 480), true);
  label1_->setText(QString::fromUtf8(FrmXCerrandoModel::kLabel1));
}

FrmXCerrando::~FrmXCerrando() = default;

void FrmXCerrando::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  QTimer::singleShot(0, this, [this] { modelo_.Form_Activate(); });
}

void FrmXCerrando::Icono(std::shared_ptr<const Picture> imagen) {
  WindowParts::PonerDibujo(*picIcono_, QtPicture::PixmapOf(imagen.get()));
}

void FrmXCerrando::RepintarLabel1() {
  if (isVisible()) label1_->repaint();
}

// The closing work holds the event loop: the notice is painted now, with
// whatever the window system still had to tell it, or never.
void FrmXCerrando::Repintar() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}

void FrmXCerrando::MostrarModal() {
  exec();
}

void FrmXCerrando::Cerrar() {
  done(QDialog::Accepted);
}
