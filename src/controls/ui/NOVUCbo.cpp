/*
** The code/text combo's widget. See NOVUCbo.h; the code table and the
** reading of CargarRs's query are in NOVUCboModel.
*/
#include "controls/ui/NOVUCbo.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "controls/ui/Twips.h"

NOVUCbo::NOVUCbo(QWidget* parent) : TwipsControl(NOVUCboModel::kAnchoDiseno, 0, parent) {
  Construir();
}

NOVUCbo::NOVUCbo(const PropertyStore& propiedades, QWidget* parent)
    : TwipsControl(NOVUCboModel::kAnchoDiseno, 0, parent) {
  modelo_.LeerPropiedades(propiedades);
  Construir();
}

void NOVUCbo::Construir() {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  cboDatos_ = new QComboBox(this);
  cboDatos_->setObjectName(QStringLiteral("CboDatos"));
  cboDatos_->setEditable(false);
  cboDatos_->setEnabled(modelo_.Enabled());
  // A form that gives the control the focus means the combo box: the
  // control itself takes no keys.
  setFocusProxy(cboDatos_);
  connect(cboDatos_, &QComboBox::activated, this, [this] { emit Click(); });
  connect(cboDatos_, &QComboBox::currentTextChanged, this, [this] { emit Change(); });
  // Until the form places it, the control has its design width and the
  // height its combo box gives it.
  OnResize();
}

void NOVUCbo::OnResize() {
  const int altoCombo = Twips::FromPixelsY(cboDatos_->sizeHint().height(), *this);
  modelo_.Redimensionar(WidthTwips(), altoCombo);
  SetSizeTwips(WidthTwips(), modelo_.AltoControl());
  PlaceChild(*cboDatos_, modelo_.CboDatos());
}

void NOVUCbo::AgregarItem(const std::string& Codigo, const std::string& Texto) {
  modelo_.AgregarCodigo(Codigo);
  // Qt selects the first entry put into an empty list; the selection must
  // stay as it was, and without a Change for a selection that never was.
  const QSignalBlocker bloqueo(cboDatos_);
  const int seleccion = cboDatos_->currentIndex();
  cboDatos_->addItem(QString::fromStdString(Texto));
  cboDatos_->setCurrentIndex(seleccion);
}

void NOVUCbo::SeleccionarPorCodigo(const std::string& Codigo) {
  cboDatos_->setCurrentIndex(modelo_.BuscarCodigo(Codigo));
}

void NOVUCbo::SeleccionarPorTexto(const std::string& Texto) {
  cboDatos_->setCurrentIndex(cboDatos_->findText(QString::fromStdString(Texto),
                                                 Qt::MatchExactly | Qt::MatchCaseSensitive));
}

std::string NOVUCbo::GetCodigoSeleccionado() const {
  const int posicion = cboDatos_->currentIndex();
  return posicion >= 0 ? modelo_.CodigoEnPosicion(posicion) : std::string();
}

std::string NOVUCbo::GetTextoSeleccionado() const {
  return cboDatos_->currentIndex() >= 0 ? cboDatos_->currentText().toStdString() : std::string();
}

void NOVUCbo::Limpiar() {
  modelo_.Limpiar();
  cboDatos_->clear();
}

void NOVUCbo::CargarRs(dao::Database& Db, const std::string& SQL, const std::string& CampoCodigo,
                       const std::string& CampoTexto) {
  Limpiar();
  modelo_.CargarRs(
      Db, SQL, CampoCodigo, CampoTexto,
      [this](const std::string& Codigo, const std::string& Texto) { AgregarItem(Codigo, Texto); });
}

void NOVUCbo::SeleccionarOrden(int32_t Orden) {
  // Widened, so that the largest Orden cannot overflow the test.
  if (static_cast<int64_t>(cboDatos_->count()) >= static_cast<int64_t>(Orden) + 1) {
    cboDatos_->setCurrentIndex(Orden);
  }
}

void NOVUCbo::SetEnabled(bool New_Enabled) {
  modelo_.SetEnabled(New_Enabled);
  cboDatos_->setEnabled(New_Enabled);
}
