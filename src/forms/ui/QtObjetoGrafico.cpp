/*
** Qt widgets by property name. See QtObjetoGrafico.h.
*/
#include "forms/ui/QtObjetoGrafico.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <algorithm>
#include <cctype>

namespace {

std::string Clave(const std::string& nombre) {
  std::string clave = nombre;
  std::transform(clave.begin(), clave.end(), clave.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return clave;
}

QString Texto(const Variant& v) {
  return QString::fromStdString(v.ToString());
}

// An exclusive radio button cannot be unticked by itself: the group would
// otherwise keep one ticked.
void Destildar(QRadioButton& radio) {
  const bool exclusivo = radio.autoExclusive();
  radio.setAutoExclusive(false);
  radio.setChecked(false);
  radio.setAutoExclusive(exclusivo);
}

}  // namespace

std::shared_ptr<QtObjetoGrafico> QtObjetoGrafico::De(QWidget* widget) {
  return widget ? std::make_shared<QtObjetoGrafico>(*widget) : nullptr;
}

QWidget& QtObjetoGrafico::Widget() const {
  // A widget destroyed since its handle was taken is no object any more.
  if (!widget_) throw AppError(91, "Variable de objeto o bloque With no establecido");
  return *widget_;
}

Variant QtObjetoGrafico::Propiedad(const std::string& nombre) const {
  QWidget& w = Widget();
  const std::string clave = Clave(nombre);
  if (clave == "enabled") return Variant(!w.testAttribute(Qt::WA_ForceDisabled));
  if (clave == "text") {
    if (auto* e = qobject_cast<QLineEdit*>(&w)) return Variant(e->text().toStdString());
    if (auto* e = qobject_cast<QTextEdit*>(&w)) return Variant(e->toPlainText().toStdString());
    if (auto* e = qobject_cast<QPlainTextEdit*>(&w)) {
      return Variant(e->toPlainText().toStdString());
    }
    if (auto* c = qobject_cast<QComboBox*>(&w)) return Variant(c->currentText().toStdString());
  }
  if (clave == "value") {
    if (auto* c = qobject_cast<QCheckBox*>(&w)) {
      return Variant(static_cast<int16_t>(c->checkState() == Qt::Checked            ? 1
                                          : c->checkState() == Qt::PartiallyChecked ? 2
                                                                                    : 0));
    }
    if (auto* r = qobject_cast<QRadioButton*>(&w)) return Variant(r->isChecked());
    if (auto* s = qobject_cast<QSpinBox*>(&w)) return Variant(static_cast<int32_t>(s->value()));
    if (auto* s = qobject_cast<QDoubleSpinBox*>(&w)) return Variant(s->value());
    if (auto* s = qobject_cast<QAbstractSlider*>(&w)) {
      return Variant(static_cast<int32_t>(s->value()));
    }
  }
  throw SinPropiedad();
}

void QtObjetoGrafico::AsignarPropiedad(const std::string& nombre, const Variant& valor) {
  QWidget& w = Widget();
  const std::string clave = Clave(nombre);
  if (clave == "enabled") {
    w.setEnabled(valor.ToBool());
    return;
  }
  if (clave == "text") {
    if (auto* e = qobject_cast<QLineEdit*>(&w)) return e->setText(Texto(valor));
    if (auto* e = qobject_cast<QTextEdit*>(&w)) return e->setPlainText(Texto(valor));
    if (auto* e = qobject_cast<QPlainTextEdit*>(&w)) return e->setPlainText(Texto(valor));
    if (auto* c = qobject_cast<QComboBox*>(&w)) {
      const QString texto = Texto(valor);
      if (texto.isEmpty()) c->setCurrentIndex(-1);
      if (c->isEditable()) c->setEditText(texto);
      return;
    }
  }
  if (clave == "value") {
    if (auto* c = qobject_cast<QCheckBox*>(&w)) {
      const int v = valor.ToInteger();
      return c->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    if (auto* r = qobject_cast<QRadioButton*>(&w)) {
      if (valor.ToBool()) return r->setChecked(true);
      return Destildar(*r);
    }
    if (auto* s = qobject_cast<QSpinBox*>(&w)) return s->setValue(valor.ToLong());
    if (auto* s = qobject_cast<QDoubleSpinBox*>(&w)) return s->setValue(valor.ToDouble());
    if (auto* s = qobject_cast<QAbstractSlider*>(&w)) return s->setValue(valor.ToLong());
  }
  throw SinPropiedad();
}

std::shared_ptr<ObjetoGrafico> QtObjetoGrafico::PropiedadObjeto(const std::string& nombre) const {
  QWidget& w = Widget();
  const std::string clave = Clave(nombre);
  if (!w.isWindow() && clave == "container") return De(w.parentWidget());
  if (!w.isWindow() && clave == "parent") return De(w.window());
  throw SinPropiedad();
}

std::vector<std::shared_ptr<ObjetoGrafico>> QtObjetoGrafico::Controles() const {
  QWidget& w = Widget();
  if (!w.isWindow()) throw SinPropiedad();
  std::vector<std::shared_ptr<ObjetoGrafico>> controles;
  for (QWidget* hijo : w.findChildren<QWidget*>()) {
    if (!hijo->isWindow()) controles.push_back(De(hijo));
  }
  return controles;
}
