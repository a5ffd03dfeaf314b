/*
** LeadingNumber: the leading number of a text. See LeadingNumber.h.
*/
#include "address/LeadingNumber.h"

#include <charconv>
#include <string>

#include "common/AppError.h"

namespace {

bool Blanco(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool Digito(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double LeadingNumber(std::string_view texto, const RegionalSettings& rs) {
  // The characters that make the number, blanks and sign removed. Read by
  // from_chars, which ignores the locale a widget library may have set.
  std::string numero;
  bool negativo = false;
  size_t i = 0;
  auto saltar = [&] {
    while (i < texto.size() && Blanco(texto[i])) i++;
  };
  auto digitos = [&] {
    bool alguno = false;
    for (saltar(); i < texto.size() && Digito(texto[i]); saltar()) {
      numero += texto[i++];
      alguno = true;
    }
    return alguno;
  };
  saltar();
  if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
  bool hay = digitos();
  const std::string& punto = rs.decimalSeparator;
  if (!punto.empty() && texto.substr(i, punto.size()) == punto) {
    numero += '.';
    i += punto.size();
    hay = digitos() || hay;
  }
  if (!hay) return 0;
  if (i < texto.size() &&
      (texto[i] == 'E' || texto[i] == 'e' || texto[i] == 'D' || texto[i] == 'd')) {
    std::string exponente = "e";
    size_t j = i + 1;
    while (j < texto.size() && Blanco(texto[j])) j++;
    if (j < texto.size() && (texto[j] == '-' || texto[j] == '+')) exponente += texto[j++];
    const size_t antes = exponente.size();
    for (; j < texto.size() && (Digito(texto[j]) || Blanco(texto[j])); j++) {
      if (Digito(texto[j])) exponente += texto[j];
    }
    if (exponente.size() > antes) numero += exponente;
  }
  double valor = 0;
  const auto leido = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
  if (leido.ec == std::errc::result_out_of_range) {
    // Too small to tell from zero, or too large for a double.
    if (numero.find("e-") != std::string::npos) return 0;
    throw AppError(rterr::kOverflow, "Desbordamiento");
  }
  return negativo ? -valor : valor;
}
