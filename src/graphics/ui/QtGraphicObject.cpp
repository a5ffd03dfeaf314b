/*
** Qt widgets by property name. See QtGraphicObject.h.
*/
#include "graphics/ui/QtGraphicObject.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>

#include "common/TextCase.h"

namespace {

QString Text(const Variant& v) {
  return QString::fromStdString(v.ToString());
}

// An exclusive radio button cannot be unticked by itself: the group would
// otherwise keep one ticked.
void Untick(QRadioButton& radio) {
  const bool exclusive = radio.autoExclusive();
  radio.setAutoExclusive(false);
  radio.setChecked(false);
  radio.setAutoExclusive(exclusive);
}

}  // namespace

std::shared_ptr<QtGraphicObject> QtGraphicObject::Of(QWidget* widget) {
  return widget ? std::make_shared<QtGraphicObject>(*widget) : nullptr;
}

QWidget& QtGraphicObject::Widget() const {
  // A widget destroyed since its handle was taken is no object any more.
  if (!widget_)
    throw AppError(rterr::kObjectNotSet, "Variable de objeto o bloque With no establecido");
  return *widget_;
}

Variant QtGraphicObject::Property(const std::string& name) const {
  QWidget& w = Widget();
  const std::string key = TextCase::Fold(name);
  if (key == "enabled") return Variant(!w.testAttribute(Qt::WA_ForceDisabled));
  if (key == "text") {
    if (auto* e = qobject_cast<QLineEdit*>(&w)) return Variant(e->text().toStdString());
    if (auto* e = qobject_cast<QTextEdit*>(&w)) return Variant(e->toPlainText().toStdString());
    if (auto* e = qobject_cast<QPlainTextEdit*>(&w)) {
      return Variant(e->toPlainText().toStdString());
    }
    if (auto* c = qobject_cast<QComboBox*>(&w)) return Variant(c->currentText().toStdString());
  }
  if (key == "value") {
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
  throw NoSuchProperty();
}

void QtGraphicObject::SetProperty(const std::string& name, const Variant& value) {
  QWidget& w = Widget();
  const std::string key = TextCase::Fold(name);
  if (key == "enabled") {
    w.setEnabled(value.ToBool());
    return;
  }
  if (key == "text") {
    if (auto* e = qobject_cast<QLineEdit*>(&w)) return e->setText(Text(value));
    if (auto* e = qobject_cast<QTextEdit*>(&w)) return e->setPlainText(Text(value));
    if (auto* e = qobject_cast<QPlainTextEdit*>(&w)) return e->setPlainText(Text(value));
    if (auto* c = qobject_cast<QComboBox*>(&w)) {
      const QString text = Text(value);
      if (text.isEmpty()) c->setCurrentIndex(-1);
      if (c->isEditable()) c->setEditText(text);
      return;
    }
  }
  if (key == "value") {
    if (auto* c = qobject_cast<QCheckBox*>(&w)) {
      const int v = value.ToInteger();
      return c->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    if (auto* r = qobject_cast<QRadioButton*>(&w)) {
      if (value.ToBool()) return r->setChecked(true);
      return Untick(*r);
    }
    if (auto* s = qobject_cast<QSpinBox*>(&w)) return s->setValue(value.ToLong());
    if (auto* s = qobject_cast<QDoubleSpinBox*>(&w)) return s->setValue(value.ToDouble());
    if (auto* s = qobject_cast<QAbstractSlider*>(&w)) return s->setValue(value.ToLong());
  }
  throw NoSuchProperty();
}

std::shared_ptr<GraphicObject> QtGraphicObject::ObjectProperty(const std::string& name) const {
  QWidget& w = Widget();
  const std::string key = TextCase::Fold(name);
  if (!w.isWindow() && key == "container") return Of(w.parentWidget());
  if (!w.isWindow() && key == "parent") return Of(w.window());
  throw NoSuchProperty();
}

std::vector<std::shared_ptr<GraphicObject>> QtGraphicObject::Controls() const {
  QWidget& w = Widget();
  if (!w.isWindow()) throw NoSuchProperty();
  std::vector<std::shared_ptr<GraphicObject>> controls;
  for (QWidget* child : w.findChildren<QWidget*>()) {
    if (!child->isWindow()) controls.push_back(Of(child));
  }
  return controls;
}
