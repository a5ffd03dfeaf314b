/*
** The button bar's widgets. See NOVUBot.h; the rules are in NOVUBotModel.
*/
#include "controls/ui/NOVUBot.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QShortcut>
#include <QToolButton>

#include "controls/ui/ControlIcons.h"
#include "graphics/ui/QtPicture.h"

namespace {
constexpr int kLadoIcono = 32;
constexpr int kAltoDiseno = 3600;
}  // namespace

NOVUBot::NOVUBot(QWidget* parent) : TwipsControl(NOVUBotModel::kAnchoBarra, kAltoDiseno, parent) {
  Construir();
}

NOVUBot::NOVUBot(const PropertyStore& propiedades, QWidget* parent)
    : TwipsControl(NOVUBotModel::kAnchoBarra, kAltoDiseno, parent) {
  modelo_.LeerPropiedades(propiedades);
  Construir();
}

void NOVUBot::Construir() {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

  img_ = new QLabel(this);
  img_->setObjectName(QStringLiteral("Img"));
  img_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  img_->installEventFilter(this);

  for (const NOVUBotModel::BotonInfo& info : NOVUBotModel::Botones()) {
    auto* boton = new QToolButton(this);
    boton->setObjectName(QStringLiteral("cmdBtn%1").arg(info.indice));
    boton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    boton->setIcon(ControlIcons::Icon(QString::fromLatin1(info.icono), kLadoIcono));
    boton->setIconSize(QSize(kLadoIcono, kLadoIcono));
    boton->setFocusPolicy(Qt::StrongFocus);
    boton->installEventFilter(this);
    const int indice = info.indice;
    connect(boton, &QToolButton::clicked, this, [this, indice] { modelo_.Click(indice); });
    botones_[indice] = boton;
  }

  modelo_.alDispararEvento = [this](int indice) { Emitir(indice); };
  modelo_.alEnfocarBoton = [this](int indice) { botones_[indice]->setFocus(Qt::OtherFocusReason); };

  for (size_t k = 0; k < enter_.size(); ++k) {
    enter_[k] = new QShortcut(QKeySequence(k == 0 ? Qt::Key_Return : Qt::Key_Enter), this);
    enter_[k]->setContext(Qt::WindowShortcut);
    connect(enter_[k], &QShortcut::activated, this,
            [this] { Press(modelo_.ButtonForEnter(IndexOf(QApplication::focusWidget()))); });
  }
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape_->setContext(Qt::WindowShortcut);
  connect(escape_, &QShortcut::activated, this, [this] { Press(modelo_.ButtonForEscape()); });

  AplicarImagen();
  Aplicar();
}

QToolButton* NOVUBot::cmdBtn(int indice) const {
  return NOVUBotModel::Info(indice) ? botones_[indice] : nullptr;
}

void NOVUBot::SetBot(int indice, bool valor) {
  modelo_.SetBot(indice, valor);
  Aplicar();
}

void NOVUBot::SetImage(std::shared_ptr<const Picture> imagen) {
  modelo_.SetImage(std::move(imagen));
  AplicarImagen();
}

void NOVUBot::SetStretch(bool valornuevo) {
  modelo_.SetStretch(valornuevo);
  AplicarImagen();
}

void NOVUBot::SetEnabled(bool New_Enabled) {
  modelo_.SetEnabled(New_Enabled);
  Aplicar();
}

void NOVUBot::SetEstado(int32_t new_estado) {
  modelo_.SetEstado(new_estado);
  Aplicar();
}

void NOVUBot::Refresh() {
  update();
}

void NOVUBot::ChequearEstado() {
  modelo_.ChequearEstado();
  Aplicar();
}

void NOVUBot::HacerOperacion(int32_t TipoOper, int32_t TipoBoton, const Variant& Valor) {
  modelo_.HacerOperacion(TipoOper, TipoBoton, Valor);
  Aplicar();
}

void NOVUBot::OnResize() {
  modelo_.Redimensionar(WidthTwips(), HeightTwips());
  SetSizeTwips(modelo_.Ancho(), modelo_.Alto());
  Aplicar();
}

void NOVUBot::AplicarImagen() {
  const QPixmap imagen = QtPicture::PixmapOf(modelo_.Image().get());
  if (imagen.isNull()) {
    img_->clear();
  } else {
    img_->setPixmap(imagen);
  }
  img_->setScaledContents(modelo_.Stretch());
}

void NOVUBot::Aplicar() {
  QWidget::setEnabled(modelo_.Enabled());
  PlaceChild(*img_, modelo_.Img());
  img_->lower();
  for (const NOVUBotModel::BotonInfo& info : NOVUBotModel::Botones()) {
    const NOVUBotModel::Boton& m = modelo_.cmdBtn(info.indice);
    QToolButton* boton = botones_[info.indice];
    const QString tooltip = QString::fromStdString(m.tooltip);
    boton->setText(QString::fromStdString(m.caption));
    boton->setToolTip(tooltip);
    boton->setAccessibleName(tooltip);
    PlaceChild(*boton, Rect{m.left, m.top, NOVUBotModel::kLadoBoton, NOVUBotModel::kLadoBoton});
    boton->setEnabled(m.enabled);
    boton->setVisible(m.visible);
  }
  // Until the bar has a role to give the keys, they stay with the form's
  // other widgets.
  for (QShortcut* enter : enter_) enter->setEnabled(modelo_.BotonPorDefecto() != 0);
  escape_->setEnabled(modelo_.BotonCancelar() != 0);
  for (int indice : modelo_.OrdenZ()) botones_[indice]->raise();
  const std::vector<int>& orden = modelo_.OrdenTab();
  for (size_t k = 1; k < orden.size(); ++k) {
    QWidget::setTabOrder(botones_[orden[k - 1]], botones_[orden[k]]);
  }
}

void NOVUBot::Press(int index) {
  if (index != 0 && isEnabled()) botones_[index]->click();
}

int NOVUBot::IndexOf(const QObject* widget) const {
  for (const NOVUBotModel::BotonInfo& info : NOVUBotModel::Botones()) {
    if (widget == botones_[info.indice]) return info.indice;
  }
  return 0;
}

// A tool button answers only Space; Enter reaches a focused bar button
// here when no default button has claimed the key for the window.
bool NOVUBot::eventFilter(QObject* watched, QEvent* event) {
  if (watched == img_ && event->type() == QEvent::MouseButtonRelease && isEnabled()) {
    emit ClickImagen();
  }
  if (event->type() == QEvent::KeyPress) {
    const int tecla = static_cast<QKeyEvent*>(event)->key();
    const int indice = IndexOf(watched);
    if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && indice != 0) {
      Press(modelo_.ButtonForEnter(indice));
      return true;
    }
  }
  return TwipsControl::eventFilter(watched, event);
}

void NOVUBot::Emitir(int indice) {
  struct Evento {
    int indice;
    void (NOVUBot::*senal)();
  };
  static constexpr Evento kEventos[] = {
#define NOVUBOT_SENAL(indice, nombre, ...) {indice, &NOVUBot::Boton##nombre},
      NOVUBOT_BUTTONS(NOVUBOT_SENAL)
#undef NOVUBOT_SENAL
  };
  for (const Evento& evento : kEventos) {
    if (evento.indice == indice) {
      emit(this->*evento.senal)();
      return;
    }
  }
}
