#include "gallery/RegionalProbe.h"

#include <memory>

#include "common/DateText.h"
#include "common/ValueFormat.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "platform/a_c_w.h"

namespace {

// The box the last check showed, if any; the recorder is emptied for the next.
std::string TakeLastBox(RecordingMessageBox& cajas) {
  std::string texto = cajas.Boxes().empty() ? "" : cajas.Boxes().back().text;
  cajas.Clear();
  return texto;
}

std::string Visible(const std::string& separador) {
  if (separador.empty()) return "(ninguno)";
  if (separador == " ") return "(espacio)";
  return "\"" + separador + "\"";
}

}  // namespace

RegionalOutcome RegionalProbe::Probar(const RegionalSettings& rs) {
  RegionalOutcome r;
  r.numeroProbado = ValueFormat::FormatNumber(1500.33, "0,000.00", rs);
  const auto fecha = DateText::Parse("10/12/90", rs);
  r.fechaProbada = fecha ? ValueFormat::ShortDate(*fecha, rs) : "(no es una fecha)";

  ScopedService<RecordingMessageBox> cajas;
  a_c_w w;
  r.numerosValidos = w.ChkNumerosValidos(rs);
  r.mensajeNumeros = TakeLastBox(*cajas);
  r.fechaValida = w.ChkFechaValida(rs);
  r.mensajeFecha = TakeLastBox(*cajas);
  return r;
}

std::string RegionalProbe::Describir(const RegionalSettings& rs) {
  const char* orden = rs.dateOrder == RegionalSettings::DateOrder::DayMonthYear   ? "día/mes/año"
                      : rs.dateOrder == RegionalSettings::DateOrder::MonthDayYear ? "mes/día/año"
                                                                                  : "año/mes/día";
  return "Decimales: " + Visible(rs.decimalSeparator) +
         ", miles: " + Visible(rs.thousandsSeparator) + ", fechas: " + orden + " con " +
         Visible(rs.dateSeparator) + ", año de " + (rs.fourDigitYear ? "cuatro" : "dos") +
         " cifras";
}
