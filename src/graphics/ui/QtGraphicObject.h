/*
** QtGraphicObject: a Qt widget reached by property name, for the form
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
** Anything else raises 438. A window's Controls are all the widgets on
** it, at any depth, that are not windows of their own (popups, dialogs).
*/
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "graphics/GraphicObject.h"

class QtGraphicObject : public GraphicObject {
 public:
  explicit QtGraphicObject(QWidget& widget) : widget_(&widget) {}

  static std::shared_ptr<QtGraphicObject> Of(QWidget* widget);

  Variant Property(const std::string& name) const override;
  void SetProperty(const std::string& name, const Variant& value) override;
  std::shared_ptr<GraphicObject> ObjectProperty(const std::string& name) const override;
  std::vector<std::shared_ptr<GraphicObject>> Controls() const override;
  const void* Identity() const override { return widget_.data(); }

 private:
  QWidget& Widget() const;

  QPointer<QWidget> widget_;
};
