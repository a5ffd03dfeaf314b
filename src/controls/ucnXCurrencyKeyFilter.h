/*
** ucnXCurrencyKeyFilter: the numeric box's keystroke filter, without widgets.
**
** Given the box's text, its selection (start and length, in characters)
** and the character of a key press, it decides whether the key is
** accepted, the character it becomes ("." is typed as ",") and the
** message to show. Characters:
**   - backspace (8) passes unchecked;
**   - a digit is dropped when the caret stands after the "," and the text
**     already holds `Decimales` characters after it; when the caret stands
**     after a "-" that is not the first character; and, with the too-large
**     message, when the text it would make is worth more than `NroMax`;
**   - "," or "." passes as "," when decimals are allowed and the text holds
**     no "," yet;
**   - "-" passes when negatives are allowed and the text holds no "-",
**     wherever the caret stands;
**   - anything else is dropped.
** The too-large comparison needs a number; a text that is none (only a
** paste can leave one) is compared on the characters the box keeps of a
** paste (digits, ",", ".", "-"), and a key whose text is no number even so
** passes, for the box's change handling to clean up.
**
** Numbers follow the regional settings in force ("," decimal, "." groups).
** Positions count characters of the box text, which holds only ASCII once
** the change handling has run.
*/
#pragma once

#include <cstdint>
#include <string>

class ucnXCurrencyKeyFilter {
 public:
  static constexpr int kRetroceso = 8;

  struct Caja {
    std::string texto;
    int selStart = 0;
    int selLength = 0;
  };
  struct Resultado {
    int tecla = 0;  // the character the box receives; 0 when dropped
    std::string mensaje;
    bool Aceptada() const { return tecla != 0; }
  };

  int Decimales = 2;
  bool SoportaNegativos = false;
  double NroMax = 0;
  // NroMax as the too-large message writes it.
  std::string NroMaxTexto;

  Resultado Filtrar(const Caja& caja, int k) const;

  // The box after typing `c` over the selection: the caret after it.
  static Caja Escribir(const Caja& caja, char c);
  // The characters of `texto` that the box keeps of a paste.
  static std::string Conservar(const std::string& texto);
  static std::string MensajeMaximo(const std::string& nroMax);

 private:
  Resultado Digito(const Caja& caja, int k) const;
};
