/*
** ucnXCurrencyView: what the numeric box's rules need of its text box and
** of the control around it. The widget implements it on a QLineEdit;
** tests implement it with a plain text and selection.
**
** SetTexto must run the model's change handling (TextoCambiado) before it
** returns, as a text box's change event does, also when the text does
** not change; a view may skip the run when the text is the same, as
** QLineEdit does, since the handling then has nothing new to see.
*/
#pragma once

#include <string>

class ucnXCurrencyView {
 public:
  virtual ~ucnXCurrencyView() = default;

  virtual std::string Texto() const = 0;
  virtual void SetTexto(const std::string& texto) = 0;
  virtual int SelStart() const = 0;
  virtual int SelLength() const = 0;
  virtual void Seleccionar(int inicio, int largo) = 0;
  virtual void SetMaxLength(int largo) = 0;
  // A locked box can be read and focused but not edited; it shows the
  // button-face colour, an unlocked one the window background.
  virtual void SetBloqueado(bool bloqueado) = 0;
  // Whether the control holds the focus (its active child is the box).
  virtual bool TieneFoco() const = 0;
  virtual void TomarFoco() = 0;
  // Raises the control's Change event.
  virtual void Cambio() = 0;
};
