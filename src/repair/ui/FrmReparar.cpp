/*
** The main window's widgets and wiring. See FrmReparar.h; the logic is in
** FrmRepararModel.
*/
#include "repair/ui/FrmReparar.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "controls/NOVUBotModel.h"
#include "controls/PropertyStore.h"
#include "controls/ui/ControlIcons.h"
#include "controls/ui/ElidedLabel.h"
#include "controls/ui/GroupFrameStyle.h"
#include "controls/ui/NOVUBot.h"
#include "controls/ui/NOVUCbo.h"
#include "controls/ui/NOVUInfoRep.h"
#include "controls/ui/Twips.h"
#include "repair/ui/InfoRepResultSink.h"

namespace {

constexpr int kAnchoCliente = 5235;
constexpr int kAltoCliente = 4215;

constexpr const char* kAviso =
    "IMPORTANTE: Antes de ejecutar la operación, salga del aplicativo VORA y Kolm. Verifique "
    "además, que el directorio de instalación de VORA sea el correcto";

// A label of several lines wraps its words inside its place. A label of
// one line does not wrap: where the face on this screen is wider than the
// one the place was made for, it grows to the right, never cutting its text.
QLabel* Etiqueta(QWidget& padre, const char* nombre, const QString& texto, const QRect& twips,
                 bool variasLineas, QLabel* etiqueta = nullptr) {
  if (!etiqueta) etiqueta = new QLabel(texto, &padre);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  etiqueta->setWordWrap(variasLineas);
  QRect lugar = Twips::ToPixels(twips, padre);
  if (!variasLineas) lugar.setWidth(std::max(lugar.width(), etiqueta->sizeHint().width()));
  etiqueta->setGeometry(lugar);
  return etiqueta;
}

}  // namespace

FrmReparar::FrmReparar(QWidget* parent) : QWidget(parent) {
  Construir();
  modelo_ = std::make_unique<FrmRepararModel>(static_cast<FrmRepararView&>(*this));
  modelo_->Form_Load();
}

FrmReparar::FrmReparar(const std::string& programFolder, QWidget* parent) : QWidget(parent) {
  Construir();
  modelo_ = std::make_unique<FrmRepararModel>(static_cast<FrmRepararView&>(*this), programFolder);
  modelo_->Form_Load();
}

FrmReparar::~FrmReparar() = default;

// Created in tab order, which is also the order in which Qt chains the
// focus; the explicit chain below keeps it if a control is rebuilt.
void FrmReparar::Construir() {
  setObjectName(QStringLiteral("FrmReparar"));
  setWindowTitle(QString::fromUtf8(FrmRepararModel::kCaption));
  setWindowIcon(ControlIcons::Icon(QStringLiteral("bot_migrar"), 32));
  setFixedSize(Twips::ToPixelsX(kAnchoCliente, *this), Twips::ToPixelsY(kAltoCliente, *this));

  PropertyStore ajustesBot;
  ajustesBot.Write("migrar", true);
  ajustesBot.Write("salir", true);
  ajustesBot.Write("stretch", false);
  bot_ = new NOVUBot(ajustesBot, this);
  bot_->setObjectName(QStringLiteral("Bot"));
  bot_->Move(4440, 0, 795, 4335);
  connect(bot_, &NOVUBot::BotonMigrar, this, &FrmReparar::Bot_BotonMigrar);
  connect(bot_, &NOVUBot::BotonSalir, this, &FrmReparar::Bot_BotonSalir);

  frame1_ = new QGroupBox(this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  GroupFrameStyle::Install(*frame1_);
  frame1_->setGeometry(Twips::ToPixels(QRect(120, 120, 4215, 1695), *this));

  label1_ = Etiqueta(*frame1_, "Label1", QStringLiteral("Versión de VORA:"),
                     QRect(120, 240, 1215, 255), false);
  cboVersiones_ = new NOVUCbo(frame1_);
  cboVersiones_->setObjectName(QStringLiteral("CboVersiones"));
  cboVersiones_->Move(1680, 240, 2415, 330);
  label2_ = Etiqueta(*frame1_, "Label2", QStringLiteral("Instalación del VORA:"),
                     QRect(120, 720, 1935, 255), false);
  // The folder the operator must check: a long one breaks after its
  // separators and, past its three lines, loses its middle, never its
  // tail; the tooltip then shows it whole.
  auto* instalacion = new ElidedLabel(frame1_);
  instalacion->SetPath(true);
  instalacion->SetElideMode(Qt::ElideMiddle);
  lblinstAplicativo_ = Etiqueta(*frame1_, "LblinstAplicativo", QString(),
                                QRect(120, 960, 3975, 615), true, instalacion);

  label3_ = Etiqueta(*this, "Label3", QString::fromUtf8(kAviso), QRect(120, 3360, 4215, 735), true);
  // The notice is read whole: where this face needs more lines than its
  // place holds, the window grows by what is missing, and the bar with it.
  const int falta = std::max(label3_->heightForWidth(label3_->width()) - label3_->height(), 0);
  if (falta > 0) {
    label3_->resize(label3_->width(), label3_->height() + falta);
    setFixedSize(width(), height() + falta);
    bot_->Move(4440, 0, 795, 4335 + Twips::FromPixelsY(falta, *this));
  }

  resultado_ = new NOVUInfoRep(this);
  resultado_->setObjectName(QStringLiteral("Resultado"));
  resultado_->Move(120, 1920, 4215, 1335);
  lineas_ = std::make_unique<InfoRepResultSink>(*resultado_);

  OrdenarTabulacion();
}

// The controls of the logic's tab order that take the focus, chained in
// that order: the bar's buttons as the bar orders them, the combo's box,
// the result list's list.
void FrmReparar::OrdenarTabulacion() {
  cadena_.clear();
  for (const std::string& nombre : FrmRepararModel::OrdenTab()) {
    if (nombre == "Bot") {
      for (int indice : bot_->Modelo().OrdenTab()) cadena_.push_back(bot_->cmdBtn(indice));
    } else if (nombre == "CboVersiones") {
      cadena_.push_back(cboVersiones_->CboDatos());
    } else if (nombre == "Resultado") {
      cadena_.push_back(resultado_->LstInfo());
    }
  }
  for (size_t k = 1; k < cadena_.size(); ++k) QWidget::setTabOrder(cadena_[k - 1], cadena_[k]);
}

// The window opens on the first control of the chain that can take the
// focus, whatever the window system would pick.
void FrmReparar::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous() || focusWidget()) return;
  for (QWidget* control : cadena_) {
    if (control->isVisibleTo(this) && control->isEnabled()) {
      control->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void FrmReparar::EnfocarMigrar() {
  bot_->cmdBtn(NOVUBotModel::kMigrar)->setFocus(Qt::OtherFocusReason);
}

void FrmReparar::Bot_BotonMigrar() {
  modelo_->Bot_BotonMigrar();
}

void FrmReparar::Bot_BotonSalir() {
  modelo_->Bot_BotonSalir();
}

void FrmReparar::AgregarVersion(const std::string& Codigo, const std::string& Texto) {
  cboVersiones_->AgregarItem(Codigo, Texto);
}

void FrmReparar::SeleccionarVersion(const std::string& Codigo) {
  cboVersiones_->SeleccionarPorCodigo(Codigo);
}

std::string FrmReparar::VersionSeleccionada() const {
  return cboVersiones_->GetCodigoSeleccionado();
}

void FrmReparar::MostrarInstalacion(const std::string& texto) {
  lblinstAplicativo_->setText(QString::fromStdString(texto));
}

void FrmReparar::TooltipMigrar(const std::string& texto) {
  bot_->HacerOperacion(NOVUBotModel::kOpTooltip, NOVUBotModel::kMigrar, Variant(texto));
}

void FrmReparar::HabilitarMigrar(bool habilitado) {
  bot_->HacerOperacion(NOVUBotModel::kOpHabilitar, NOVUBotModel::kMigrar, Variant(habilitado));
}

// The run holds the event loop, so the busy look is painted before it
// starts; user input is left queued. On the way back that queued input is
// delivered while the migrate button is still disabled, so a click given
// to the busy window is lost rather than replayed as a second run.
void FrmReparar::MostrarOcupado(bool ocupado) {
  if (ocupado) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  } else {
    QCoreApplication::processEvents();
    QApplication::restoreOverrideCursor();
  }
}

ResultSink& FrmReparar::LineasResultado() {
  return *lineas_;
}

void FrmReparar::Terminar() {
  close();
}
