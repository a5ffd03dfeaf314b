/*
** QtObjetoGrafico: a Qt widget reached by property name, for the form
** routines that walk a window's controls.
**
** Properties, by the widget's kind:
**   Enabled    every widget: its own flag (a control inside a disabled
**              container keeps its own value).
**   Text       QLineEdit, QTextEdit, QPlainTextEdit, QComboBox. Writing ""
**              to a combo box also clears its selection, which is how a
**              list without an edit field shows no text.
**   Value      QCheckBox (0 unticked, 1 ticked, 2 partly), QRadioButton
**              (True/False), QAbstractSpinBox and QAbstractSlider kinds
**              (their number).
**   Container  the widget that holds it; a window has none.
**   Parent     the window it is on; a window has none.
** Anything else raises 438. A window's Controles are all the widgets on
** it, at any depth, that are not windows of their own (popups, dialogs).
*/
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "forms/ObjetoGrafico.h"

class QtObjetoGrafico : public ObjetoGrafico {
 public:
  explicit QtObjetoGrafico(QWidget& widget) : widget_(&widget) {}

  static std::shared_ptr<QtObjetoGrafico> De(QWidget* widget);

  Variant Propiedad(const std::string& nombre) const override;
  void AsignarPropiedad(const std::string& nombre, const Variant& valor) override;
  std::shared_ptr<ObjetoGrafico> PropiedadObjeto(const std::string& nombre) const override;
  std::vector<std::shared_ptr<ObjetoGrafico>> Controles() const override;
  const void* Identidad() const override { return widget_.data(); }

 private:
  QWidget& Widget() const;

  QPointer<QWidget> widget_;
};
