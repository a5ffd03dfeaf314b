/*
** a_c_generic: see a_c_generic.h.
*/
#include "common/a_c_generic.h"

#include <cmath>

#include "common/DateSerial.h"
#include "common/DateText.h"
#include "common/NumericText.h"
#include "common/Utf8Text.h"
#include "common/ValueFormat.h"

std::string a_c_generic::Str_Replace(const std::string& strFind,
                                     const std::string& strReplace) const {
  std::string text = ValueFormat::ToText(Dato);
  if (strFind.empty()) return text;
  // Occurrences that start before this offset past a replacement would lie
  // wholly inside the inserted text.
  const size_t skip =
      strReplace.size() >= strFind.size() ? strReplace.size() - strFind.size() + 1 : 1;
  for (size_t at = text.find(strFind); at != std::string::npos;) {
    text.replace(at, strFind.size(), strReplace);
    at = text.find(strFind, at + skip);
  }
  return text;
}

std::vector<std::string> a_c_generic::Str_Parse(const std::string& Separador) const {
  const std::string text = ValueFormat::ToText(Dato);
  std::vector<std::string> pieces;
  size_t position = 0;
  if (!Separador.empty()) {
    for (size_t at; (at = text.find(Separador, position)) != std::string::npos;) {
      pieces.push_back(text.substr(position, at - position));
      position = at + Separador.size();
    }
  }
  if (position < text.size()) pieces.push_back(text.substr(position));
  return pieces;
}

std::string a_c_generic::Str_SinÑuflos() const {
  // Bytes below 32 in UTF-8 are exactly the control characters; every other
  // character, accented letters included, is kept whole.
  std::string kept;
  for (char c : ValueFormat::ToText(Dato)) {
    if (static_cast<unsigned char>(c) >= 32 && c != '\'') kept += c;
  }
  return kept;
}

std::string a_c_generic::Str_FechaMostrar() const {
  if (Dato.IsNull() || Dato.IsEmpty() || !DateText::IsDate(Dato)) return std::string();
  const double serial = DateText::ToDate(Dato);
  // The day number is the serial made whole, as a 32-bit conversion rounds.
  if (Variant(serial).ToLong() == 0) return std::string();
  return ValueFormat::FormatDate(serial, "DD/MM/YYYY");
}

double a_c_generic::Num_NVL() const {
  return NumericText::IsNumeric(Dato) ? NumericText::ToDouble(Dato) : 0;
}

std::string a_c_generic::Str_NumMostrar() const {
  return ValueFormat::FormatNumber(Num_NVL(), "###,###,###,###,##0.00");
}

Variant a_c_generic::Fch_Fecha() const {
  return Variant::FromDate(DateText::IsDate(Dato) ? DateText::ToDate(Dato) : DateSerial::kZero);
}

std::string a_c_generic::Str_NVL() const {
  return Dato.IsNull() ? std::string() : ValueFormat::ToText(Dato);
}

int32_t a_c_generic::Periodo_Fch() const {
  const DateSerial::Parts d = DateSerial::Split(Fch_Fecha().DateValue());
  return d.year * 100 + d.month;
}

bool a_c_generic::ReadPeriod(int wholeYearMonth, int& year, int& month) const {
  const int32_t period = Variant(Num_NVL()).ToLong();
  if (period == 0) return false;
  const std::string digits = std::to_string(period);
  month = static_cast<int>(Variant(NumericText::ToDouble(Utf8Text::Mid(digits, 5, 2))).ToLong());
  year = static_cast<int>(Variant(NumericText::ToDouble(Utf8Text::Mid(digits, 1, 4))).ToLong());
  if (month == 0) month = wholeYearMonth;
  return true;
}

Variant a_c_generic::Fch_UltimoDia() const {
  const double d = Fch_Fecha().DateValue();
  if (d != DateSerial::kZero) {
    // Day 0 of the following month is the last day of this one, whatever the
    // day number of d; the time of day stays as it was.
    const DateSerial::Parts p = DateSerial::Split(d);
    return Variant::FromDate(
        DateSerial::Compose(DateSerial::FromYmd(p.year, p.month + 1, 0), DateSerial::TimeOfDay(d)));
  }
  int year, month;
  if (!ReadPeriod(12, year, month)) return Variant::FromDate(DateSerial::kZero);
  return Variant::FromDate(DateSerial::AddMonths(DateSerial::FromYmd(year, month, 1), 1) - 1);
}

Variant a_c_generic::Fch_PrimerDia() const {
  const double d = Fch_Fecha().DateValue();
  if (d != DateSerial::kZero) {
    const DateSerial::Parts p = DateSerial::Split(d);
    return Variant::FromDate(DateSerial::FromYmd(p.year, p.month, 1));
  }
  int year, month;
  if (!ReadPeriod(1, year, month)) return Variant::FromDate(DateSerial::kZero);
  return Variant::FromDate(DateSerial::FromYmd(year, month, 1));
}
