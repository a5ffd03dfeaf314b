/*
** ucnXCurrency: the numeric entry box, for amounts of money and other
** fixed-point numbers: one text box (txt) that takes digits, "," and "-"
** only, shows the value grouped with a fixed number of decimals when the
** operator leaves it, and hands its form a currency (or Null).
**
** The rules live in ucnXCurrencyModel (and its keystroke filter,
** ucnXCurrencyKeyFilter); this widget forwards the box's keys, changes and
** focus to them and gives them the box. Amounts are right-aligned.
**
** A form creates the box new (the defaults, showing 0,00) or from its
** stored settings, and places it in twips; the control is always exactly
** one text box high:
**
**   auto* importe = new ucnXCurrency(this);
**   importe->Move(120, 480, 1935, 0);
**   importe->SetNroMax(Variant(1000000.0));
**   connect(importe, &ucnXCurrency::Change, this, &Form::importe_Change);
**
** Events: Change when the value changes; KeyDown for every key pressed in
** the box, before the box sees it, with the platform's key code and the
** shift state (1 Shift, 2 Ctrl, 4 Alt) by reference: a handler that sets
** KeyCode to 0 keeps the key from the box (other codes it sets are not
** passed on). The focus going to a message box or another window is no
** leaving of the box.
** A disabled box is locked: it can be focused and read, takes no keys and
** shows the button-face colour.
**
** Errors inside the box's own handlers (a value beyond a currency) are
** shown as messages; the members raise them to the caller.
*/
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/Variant.h"
#include "controls/PropertyStore.h"
#include "controls/ucnXCurrencyModel.h"
#include "controls/ucnXCurrencyView.h"
#include "controls/ui/TwipsControl.h"

class QLineEdit;

class ucnXCurrency : public TwipsControl, private ucnXCurrencyView {
  Q_OBJECT

 public:
  static constexpr int kAnchoDiseno = 1935;

  // A box new on its form: the defaults, showing 0,00.
  explicit ucnXCurrency(QWidget* parent = nullptr);
  // A box loaded from the settings its form stored for it.
  explicit ucnXCurrency(const PropertyStore& propiedades, QWidget* parent = nullptr);
  ~ucnXCurrency() override;

  uint8_t Decimales() const { return modelo_->Decimales(); }
  void SetDecimales(uint8_t d) { modelo_->SetDecimales(d); }
  bool SoportaNulos() const { return modelo_->SoportaNulos(); }
  void SetSoportaNulos(bool sn) { modelo_->SetSoportaNulos(sn); }
  bool SoportaNegativos() const { return modelo_->SoportaNegativos(); }
  void SetSoportaNegativos(bool sn) { modelo_->SetSoportaNegativos(sn); }
  bool Enabled() const { return modelo_->Enabled(); }
  void SetEnabled(bool v) { modelo_->SetEnabled(v); }
  Variant NroMax() const { return modelo_->NroMax(); }
  void SetNroMax(const Variant& valor) { modelo_->SetNroMax(valor); }
  Variant Text() const { return modelo_->Text(); }
  void SetText(const Variant& v) { modelo_->SetText(v); }

  void GuardarPropiedades(PropertyStore& propiedades) const {
    modelo_->GuardarPropiedades(propiedades);
  }
  const ucnXCurrencyModel& Modelo() const { return *modelo_; }
  QLineEdit* txt() const;

 signals:
  void Change();
  void KeyDown(int16_t& KeyCode, int16_t& Shift);

 protected:
  void OnResize() override;

 private:
  class Caja;
  friend class Caja;

  void Construir();
  // Runs a handler of the box; an error is shown, not thrown into Qt.
  template <typename F>
  void Atrapar(F manejador);

  std::string Texto() const override;
  void SetTexto(const std::string& texto) override;
  int SelStart() const override;
  int SelLength() const override;
  void Seleccionar(int inicio, int largo) override;
  void SetMaxLength(int largo) override;
  void SetBloqueado(bool bloqueado) override;
  bool TieneFoco() const override;
  void TomarFoco() override;
  void Cambio() override { emit Change(); }

  Caja* txt_ = nullptr;
  std::unique_ptr<ucnXCurrencyModel> modelo_;
};
