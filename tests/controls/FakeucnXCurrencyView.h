// A text box without widgets for the numeric box's rules: it edits as a
// one-line text box does (typing over the selection, backspace, the length
// limit, a paste) and runs the change handling after every change.
#pragma once

#include <string>

#include "controls/ucnXCurrencyKeyFilter.h"
#include "controls/ucnXCurrencyModel.h"
#include "controls/ucnXCurrencyView.h"

class FakeucnXCurrencyView : public ucnXCurrencyView {
 public:
  std::string Texto() const override { return texto; }
  void SetTexto(const std::string& t) override {
    const std::string nuevo = Cortar(t);
    selStart = static_cast<int>(nuevo.size());
    selLength = 0;
    if (nuevo == texto) return;
    texto = nuevo;
    modelo->TextoCambiado();
  }
  int SelStart() const override { return selStart; }
  int SelLength() const override { return selLength; }
  void Seleccionar(int inicio, int largo) override {
    selStart = inicio;
    selLength = largo;
  }
  void SetMaxLength(int largo) override {
    maxLength = largo;
    texto = Cortar(texto);
  }
  void SetBloqueado(bool b) override { bloqueado = b; }
  bool TieneFoco() const override { return foco; }
  void TomarFoco() override { ++focoPedido; }
  void Cambio() override { ++cambios; }

  // A key pressed in the box; false when the filter dropped it.
  bool Teclear(char c) {
    const int k = modelo->Tecla(c);
    if (k == 0) return false;
    if (k == ucnXCurrencyKeyFilter::kRetroceso) {
      if (selLength == 0 && selStart > 0) Seleccionar(selStart - 1, 1);
      Reemplazar("");
    } else {
      Reemplazar(std::string(1, static_cast<char>(k)));
    }
    return true;
  }
  void Escribir(const std::string& teclas) {
    for (char c : teclas) Teclear(c);
  }
  void Pegar(const std::string& t) { Reemplazar(t); }
  void Entrar() {
    foco = true;
    modelo->ObtenerFoco();
  }
  void Salir() {
    foco = false;
    modelo->PerderFoco();
  }
  // A value in the box as the operator left it, selection at the end.
  void Poner(const std::string& t) {
    foco = true;
    SetTexto(t);
  }

  ucnXCurrencyModel* modelo = nullptr;
  std::string texto;
  int selStart = 0;
  int selLength = 0;
  int maxLength = 0;
  bool bloqueado = false;
  bool foco = false;
  int cambios = 0;
  int focoPedido = 0;

 private:
  std::string Cortar(const std::string& t) const {
    return maxLength > 0 && static_cast<int>(t.size()) > maxLength
               ? t.substr(0, static_cast<size_t>(maxLength))
               : t;
  }
  // Typing or pasting over the selection, cut to the room left.
  void Reemplazar(const std::string& t) {
    std::string resto = texto;
    resto.erase(static_cast<size_t>(selStart), static_cast<size_t>(selLength));
    std::string entra = t;
    if (maxLength > 0) {
      const int lugar = std::max(maxLength - static_cast<int>(resto.size()), 0);
      if (static_cast<int>(entra.size()) > lugar) entra.resize(static_cast<size_t>(lugar));
    }
    if (!t.empty() && entra.empty()) return;
    resto.insert(static_cast<size_t>(selStart), entra);
    selStart += static_cast<int>(entra.size());
    selLength = 0;
    if (resto == texto) return;
    texto = resto;
    modelo->TextoCambiado();
  }
};
