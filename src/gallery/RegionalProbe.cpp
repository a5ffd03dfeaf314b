#include "gallery/RegionalProbe.h"

#include <memory>

#include "common/DateText.h"
#include "common/ValueFormat.h"
#include "platform/RecordingMessageBox.h"
#include "platform/a_c_w.h"

namespace {

// The recording service stands in for the seam while it lives.
class Grabando {
 public:
  Grabando() : previo_(MessageBoxService::Install(cajas_)) {}
  ~Grabando() { MessageBoxService::Install(previo_); }
  Grabando(const Grabando&) = delete;
  Grabando& operator=(const Grabando&) = delete;

  std::string Tomar() {
    std::string texto = cajas_->Boxes().empty() ? "" : cajas_->Boxes().back().text;
    cajas_->Clear();
    return texto;
  }

 private:
  std::shared_ptr<RecordingMessageBox> cajas_ = std::make_shared<RecordingMessageBox>();
  std::shared_ptr<MessageBoxService> previo_;
};

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

  Grabando cajas;
  a_c_w w;
  r.numerosValidos = w.ChkNumerosValidos(rs);
  r.mensajeNumeros = cajas.Tomar();
  r.fechaValida = w.ChkFechaValida(rs);
  r.mensajeFecha = cajas.Tomar();
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
