/*
** The numeric entry box's widget. See ucnXCurrency.h; the rules are in
** ucnXCurrencyModel and ucnXCurrencyKeyFilter.
*/
#include "controls/ui/ucnXCurrency.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "common/AppError.h"
#include "controls/ui/Twips.h"
#include "platform/MessageBoxService.h"

namespace {

// The platform's key codes, which the forms around the box compare with.
int16_t CodigoDeTecla(const QKeyEvent& e) {
  const int key = e.key();
  const bool teclado = e.modifiers().testFlag(Qt::KeypadModifier);
  if (teclado && key >= Qt::Key_0 && key <= Qt::Key_9)
    return static_cast<int16_t>(96 + key - Qt::Key_0);
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
    return static_cast<int16_t>(key);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F16) return static_cast<int16_t>(112 + key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Asterisk:
      return 106;
    case Qt::Key_Plus:
      return teclado ? 107 : 187;
    case Qt::Key_Minus:
      return teclado ? 109 : 189;
    case Qt::Key_Period:
      return teclado ? 110 : 190;
    case Qt::Key_Slash:
      return teclado ? 111 : 191;
    case Qt::Key_Comma:
      return 188;
    default:
      return 0;
  }
}

int16_t Mayusculas(Qt::KeyboardModifiers m) {
  int16_t shift = 0;
  if (m.testFlag(Qt::ShiftModifier)) shift |= 1;
  if (m.testFlag(Qt::ControlModifier)) shift |= 2;
  if (m.testFlag(Qt::AltModifier)) shift |= 4;
  return shift;
}

// Focus that goes to another window (a message box, another program).
bool EsDeVentana(const QFocusEvent& e) {
  return e.reason() == Qt::ActiveWindowFocusReason || e.reason() == Qt::PopupFocusReason;
}

}  // namespace

// The text box: its keys go through the control's filter, its focus to the
// control's rules.
class ucnXCurrency::Caja : public QLineEdit {
 public:
  explicit Caja(ucnXCurrency& control) : QLineEdit(&control), control_(control) {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    int16_t codigo = CodigoDeTecla(*e);
    int16_t shift = Mayusculas(e->modifiers());
    emit control_.KeyDown(codigo, shift);
    if (codigo == 0 && CodigoDeTecla(*e) != 0) return;
    // Shortcuts (paste, copy, undo) and keys that type nothing are the
    // box's own; the change handling sees what they do to the text.
    const QString texto = e->text();
    // A locked box takes no keys, so they are not filtered either: no
    // too-large message for a key that could not have changed the value.
    if (isReadOnly()) {
      QLineEdit::keyPressEvent(e);
      return;
    }
    const bool atajo =
        e->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool retroceso = e->key() == Qt::Key_Backspace;
    if (atajo || (!retroceso && (texto.size() != 1 || !texto.at(0).isPrint()))) {
      QLineEdit::keyPressEvent(e);
      return;
    }
    const int k = retroceso ? ucnXCurrencyKeyFilter::kRetroceso : texto.at(0).unicode();
    int recibe = 0;
    control_.Atrapar([&] { recibe = control_.modelo_->Tecla(k); });
    if (recibe == 0) return;
    if (recibe == k) {
      QLineEdit::keyPressEvent(e);
      return;
    }
    QKeyEvent cambiada(e->type(), e->key(), e->modifiers(), QString(QChar(recibe)));
    QLineEdit::keyPressEvent(&cambiada);
  }
  // The box is entered once, also when it gets the focus as its window
  // opens, and left only for another widget: a message box or another
  // window in front takes the focus without the box being left.
  void focusInEvent(QFocusEvent* e) override {
    QLineEdit::focusInEvent(e);
    if (dentro_) return;
    dentro_ = true;
    control_.Atrapar([this] { control_.modelo_->ObtenerFoco(); });
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLineEdit::focusOutEvent(e);
    if (EsDeVentana(*e)) return;
    dentro_ = false;
    control_.Atrapar([this] { control_.modelo_->PerderFoco(); });
  }

 private:
  ucnXCurrency& control_;
  bool dentro_ = false;
};

ucnXCurrency::ucnXCurrency(QWidget* parent) : TwipsControl(kAnchoDiseno, 0, parent) {
  Construir();
  modelo_->NuevaInstancia();
}

ucnXCurrency::ucnXCurrency(const PropertyStore& propiedades, QWidget* parent)
    : TwipsControl(kAnchoDiseno, 0, parent) {
  Construir();
  modelo_->LeerPropiedades(propiedades);
}

ucnXCurrency::~ucnXCurrency() = default;

void ucnXCurrency::Construir() {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  txt_ = new Caja(*this);
  txt_->setObjectName(QStringLiteral("txt"));
  txt_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setFocusProxy(txt_);
  modelo_ = std::make_unique<ucnXCurrencyModel>(static_cast<ucnXCurrencyView&>(*this));
  connect(txt_, &QLineEdit::textChanged, this,
          [this] { Atrapar([this] { modelo_->TextoCambiado(); }); });
  OnResize();
}

template <typename F>
void ucnXCurrency::Atrapar(F manejador) {
  try {
    manejador();
  } catch (const AppError& e) {
    MsgBox(e.Description());
  }
}

QLineEdit* ucnXCurrency::txt() const {
  return txt_;
}

void ucnXCurrency::OnResize() {
  const int altoCaja = Twips::FromPixelsY(txt_->sizeHint().height(), *this);
  SetSizeTwips(WidthTwips(), altoCaja);
  PlaceChild(*txt_, Rect{0, 0, WidthTwips(), altoCaja});
}

std::string ucnXCurrency::Texto() const {
  return txt_->text().toStdString();
}

void ucnXCurrency::SetTexto(const std::string& texto) {
  txt_->setText(QString::fromStdString(texto));
}

int ucnXCurrency::SelStart() const {
  return txt_->hasSelectedText() ? txt_->selectionStart() : txt_->cursorPosition();
}

int ucnXCurrency::SelLength() const {
  return static_cast<int>(txt_->selectedText().size());
}

void ucnXCurrency::Seleccionar(int inicio, int largo) {
  txt_->setSelection(inicio, largo);
}

void ucnXCurrency::SetMaxLength(int largo) {
  txt_->setMaxLength(largo);
}

void ucnXCurrency::SetBloqueado(bool bloqueado) {
  txt_->setReadOnly(bloqueado);
  QPalette paleta = txt_->palette();
  paleta.setColor(QPalette::Base, palette().color(bloqueado ? QPalette::Button : QPalette::Base));
  txt_->setPalette(paleta);
}

bool ucnXCurrency::TieneFoco() const {
  return txt_->hasFocus();
}

// Taken back once the focus has gone where it was going: taking it inside
// the box's own focus-out would be undone by the change in progress.
void ucnXCurrency::TomarFoco() {
  QTimer::singleShot(0, txt_, [caja = txt_] { caja->setFocus(Qt::OtherFocusReason); });
}
