// A text box without widgets for the numeric box's rules: it edits as a
// one-line text box does (typing over the selection, backspace, the length
// limit, a paste) and runs the change handling after every change.
#pragma once

#include <algorithm>
#include <string>

#include "controls/ucnXCurrencyKeyFilter.h"
#include "controls/ucnXCurrencyModel.h"
#include "controls/ucnXCurrencyView.h"

class FakeucnXCurrencyView : public ucnXCurrencyView {
 public:
  std::string Texto() const override { return text; }
  void SetTexto(const std::string& t) override {
    selStart = static_cast<int>(Clip(t).size());
    selLength = 0;
    Change(Clip(t));
  }
  int SelStart() const override { return selStart; }
  int SelLength() const override { return selLength; }
  void Seleccionar(int start, int length) override {
    selStart = start;
    selLength = length;
  }
  void SetMaxLength(int length) override {
    maxLength = length;
    text = Clip(text);
  }
  void SetBloqueado(bool b) override { locked = b; }
  bool TieneFoco() const override { return focused; }
  void TomarFoco() override { ++focusRequests; }
  void Cambio() override { ++changes; }

  // A key pressed in the box; false when the filter dropped it.
  bool Press(char c) {
    const int k = model->Tecla(c);
    if (k == 0) return false;
    if (k == ucnXCurrencyKeyFilter::kRetroceso && selLength == 0 && selStart > 0) {
      Seleccionar(selStart - 1, 1);
    }
    Paste(k == ucnXCurrencyKeyFilter::kRetroceso ? "" : std::string(1, static_cast<char>(k)));
    return true;
  }
  void Type(const std::string& keys) {
    for (char c : keys) Press(c);
  }
  // Typing or pasting over the selection, cut to the room left.
  void Paste(const std::string& t) {
    std::string rest = text;
    rest.erase(static_cast<size_t>(selStart), static_cast<size_t>(selLength));
    const int room = maxLength > 0 ? std::max(maxLength - static_cast<int>(rest.size()), 0)
                                   : static_cast<int>(t.size());
    const std::string in = t.substr(0, static_cast<size_t>(room));
    if (!t.empty() && in.empty()) return;
    rest.insert(static_cast<size_t>(selStart), in);
    selStart += static_cast<int>(in.size());
    selLength = 0;
    Change(rest);
  }
  void FocusIn() {
    focused = true;
    model->ObtenerFoco();
  }
  void FocusOut() {
    focused = false;
    model->PerderFoco();
  }
  // A value in the box as the operator left it, selection at the end.
  void Put(const std::string& t) {
    focused = true;
    SetTexto(t);
  }

  ucnXCurrencyModel* model = nullptr;
  std::string text;
  int selStart = 0;
  int selLength = 0;
  int maxLength = 0;
  bool locked = false;
  bool focused = false;
  int changes = 0;
  int focusRequests = 0;

 private:
  std::string Clip(const std::string& t) const {
    return maxLength > 0 ? t.substr(0, static_cast<size_t>(maxLength)) : t;
  }
  void Change(const std::string& t) {
    if (t == text) return;
    text = t;
    model->TextoCambiado();
  }
};

// A numeric box's model on a fake box, wired both ways.
struct FakeNumericBox {
  FakeNumericBox() { view.model = &model; }
  explicit FakeNumericBox(const PropertyStore& stored) : FakeNumericBox() {
    model.LeerPropiedades(stored);
  }
  FakeucnXCurrencyView view;
  ucnXCurrencyModel model{view};
};
