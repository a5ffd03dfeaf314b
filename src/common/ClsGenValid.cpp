/*
** ClsGenValid: see ClsGenValid.h.
*/
#include "common/ClsGenValid.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/NumericText.h"
#include "common/Utf8Text.h"
#include "common/ValueFormat.h"

namespace {

constexpr std::string_view kPrefijosCUIT = "20;23;24;27;30;33;34;50;51;55";
// Index 0 weighs the rightmost digit of a block (its check digit).
constexpr int kPesosCBU[14] = {1, 3, 1, 7, 9, 3, 1, 7, 9, 3, 1, 7, 9, 3};
constexpr double kMultiplicadorLegajo1 = 631;
constexpr double kMultiplicadorLegajo2 = 11111;

bool OnlyDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int32_t SumaCBU(std::string_view block) {
  int32_t sum = 0;
  const size_t n = block.size();
  for (size_t j = 0; j < n; ++j) sum += (block[n - 1 - j] - '0') * kPesosCBU[j];
  return sum;
}

int Digit(const std::string& text, size_t position) {
  return text[position - 1] - '0';
}

}  // namespace

std::string ClsGenValid::DatoText() const {
  return Dato.IsNull() ? std::string() : ValueFormat::ToText(Dato);
}

std::string ClsGenValid::CBU_EsValida() const {
  const std::string text = DatoText();
  if (Utf8Text::Length(text) != 23) return "Longitud diferente a 23 caracteres.";
  // The ninth character separates the blocks and may be anything.
  const std::string bloque1 = Utf8Text::Mid(text, 1, 8);
  const std::string bloque2 = Utf8Text::Mid(text, 10, 14);
  if (!OnlyDigits(bloque1) || !OnlyDigits(bloque2)) return "Debe ingresar únicamente números.";
  if (bloque1.find_first_not_of('0') == std::string::npos ||
      bloque2.find_first_not_of('0') == std::string::npos) {
    return "CBU inválida.";
  }
  if (SumaCBU(bloque1) % 10 != 0) return "CBU Inválida en sus primeros 8 dígitos.";
  if (SumaCBU(bloque2) % 10 != 0) return "CBU Inválida en sus últimos 14 dígitos.";
  return std::string();
}

bool ClsGenValid::ValidarLegajoOXN() const {
  const std::string text = DatoText();
  const std::optional<double> value = NumericText::Parse(text);
  if (!value || Utf8Text::Length(text) != 7 || *value == 0) return false;
  const std::string base = Utf8Text::Mid(text, 1, 5);
  const std::string check = Utf8Text::Mid(text, 6, 2);
  if (base == "99999" && check == "99") return false;

  // Numeric texts such as "1.234" + "5-" split into parts that need not be
  // numbers themselves; such a staff number cannot be valid.
  const std::optional<double> baseValue = NumericText::Parse(base);
  const std::optional<double> checkValue = NumericText::Parse(check);
  if (!baseValue || !checkValue) return false;

  const std::string p =
      ValueFormat::FormatNumber(*baseValue * kMultiplicadorLegajo1, "0000000000#####");
  const int d = Digit(p, 14) + Digit(p, 12);
  const std::string u = ValueFormat::FormatNumber(d, "0#").substr(1, 1);
  const std::string q =
      ValueFormat::FormatNumber(*baseValue * kMultiplicadorLegajo2, "0000000000#####");
  const std::string t = q.substr(10, 1);
  return *checkValue == NumericText::ToDouble(t + u);
}

bool ClsGenValid::ValidarCUIT() const {
  const std::string text = DatoText();
  if (text.size() != 11 || !OnlyDigits(text)) return false;
  if (kPrefijosCUIT.find(text.substr(0, 2)) == std::string_view::npos) return false;
  return ValidarDigitoCUIT(text);
}

bool ClsGenValid::ValidarDigitoCUIT(const std::string& cuit) {
  int16_t peso = 1;
  int16_t suma = 0;
  for (size_t i = 11; i >= 1; --i) {
    suma = static_cast<int16_t>(suma + peso * Digit(cuit, i));
    peso = peso == 7 ? 2 : static_cast<int16_t>(peso + 1);
  }
  return suma % 11 == 0;
}
