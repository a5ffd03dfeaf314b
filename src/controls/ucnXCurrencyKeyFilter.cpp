/*
** The numeric box's keystroke filter. See ucnXCurrencyKeyFilter.h.
*/
#include "controls/ucnXCurrencyKeyFilter.h"

#include <algorithm>

#include "common/NumericText.h"

namespace {

constexpr int kComa = ',';
constexpr int kPunto = '.';
constexpr int kMenos = '-';

int Largo(const std::string& texto) {
  return static_cast<int>(texto.size());
}

}  // namespace

std::string ucnXCurrencyKeyFilter::MensajeMaximo(const std::string& nroMax) {
  return "El número ingresado supera el máximo permitido " + nroMax;
}

std::string ucnXCurrencyKeyFilter::Conservar(const std::string& texto) {
  std::string quedan;
  std::copy_if(texto.begin(), texto.end(), std::back_inserter(quedan),
               [](char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == '-'; });
  return quedan;
}

ucnXCurrencyKeyFilter::Caja ucnXCurrencyKeyFilter::Escribir(const Caja& caja, char c) {
  const int largo = Largo(caja.texto);
  const int inicio = std::clamp(caja.selStart, 0, largo);
  const int fin = std::clamp(inicio + std::max(caja.selLength, 0), inicio, largo);
  Caja nueva;
  nueva.texto = caja.texto.substr(0, static_cast<size_t>(inicio)) + c +
                caja.texto.substr(static_cast<size_t>(fin));
  nueva.selStart = inicio + 1;
  return nueva;
}

ucnXCurrencyKeyFilter::Resultado ucnXCurrencyKeyFilter::Filtrar(const Caja& caja, int k) const {
  const std::string& texto = caja.texto;
  if (k == kRetroceso) return {k, {}};
  if (k >= '0' && k <= '9') return Digito(caja, k);
  if (k == kComa || k == kPunto) {
    if (Decimales == 0 || texto.find(',') != std::string::npos) return {};
    return {kComa, {}};
  }
  if (k == kMenos) {
    if (!SoportaNegativos || texto.find('-') != std::string::npos) return {};
    return {k, {}};
  }
  return {};
}

ucnXCurrencyKeyFilter::Resultado ucnXCurrencyKeyFilter::Digito(const Caja& caja, int k) const {
  const std::string& texto = caja.texto;
  const int s = caja.selStart;
  const size_t coma = texto.find(',');
  if (coma != std::string::npos) {
    const int p = static_cast<int>(coma) + 1;
    if (s >= p && Largo(texto) - p >= Decimales) return {};
  }
  const size_t menos = texto.find('-');
  if (menos != std::string::npos) {
    const int m = static_cast<int>(menos) + 1;
    if (m > 1 && s >= m) return {};
  }
  const std::string seria = Escribir(caja, static_cast<char>(k)).texto;
  std::optional<double> valor = NumericText::Parse(seria);
  if (!valor) valor = NumericText::Parse(Conservar(seria));
  if (valor && *valor > NroMax) return {0, MensajeMaximo(NroMaxTexto)};
  return {k, {}};
}
