/*
** The numeric box's rules. See ucnXCurrencyModel.h.
*/
#include "controls/ucnXCurrencyModel.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "common/AppError.h"
#include "common/NumericText.h"
#include "common/ValueFormat.h"
#include "common/a_c_generic.h"
#include "platform/MessageBoxService.h"

namespace {

constexpr int64_t kNroMaxDefecto = 999'999'999'999'999'900;  // 10^14 - 0.01
constexpr int16_t kDecimalesDefecto = 2;
constexpr uint8_t kDecimalesMaximos = 4;

// The tag holds "." before the decimals and no groups.
std::optional<double> ValorDelTexto(const std::string& tag) {
  RegionalSettings invariante;
  invariante.decimalSeparator = ".";
  invariante.thousandsSeparator = "";
  return NumericText::Parse(tag, invariante);
}

std::string TagDe(const std::string& texto) {
  a_c_generic generico;
  generico.Dato = texto;
  generico.Dato = generico.Str_Replace(".", "");
  return generico.Str_Replace(",", ".");
}

// The tag's value as a text of the box: the regional decimal separator.
std::string TextoDeTag(const std::string& tag) {
  a_c_generic generico;
  generico.Dato = tag;
  return generico.Str_Replace(".", RegionalSettings::Current().decimalSeparator);
}

int Largo(const std::string& texto) {
  return static_cast<int>(texto.size());
}

// Texts that are no number yet but the start of one.
bool EsComienzo(const std::string& texto) {
  return texto == "-" || texto == "," || texto == "-,";
}

// Large amounts are beyond a double's decimals (99 999 999 999 999,99 and
// ,98 are the same double), so values are shown and read as currencies
// straight from their digits; only the comparisons with NroMax go through
// doubles.

// The currency of a numeric text, from its digits; an exponent form goes
// through its double. Raises AppError 6 beyond a currency.
int64_t MonedaDeTexto(const std::string& texto) {
  const RegionalSettings& rs = RegionalSettings::Current();
  if (texto.find_first_of("eE") != std::string::npos) {
    return Variant::CurrencyFromDouble(NumericText::ToDouble(texto)).CurrencyValue();
  }
  bool negativo = texto.find('-') != std::string::npos;
  __int128 entero = 0;
  std::string fraccion;
  bool enFraccion = false;
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if (!enFraccion && texto.compare(i, rs.decimalSeparator.size(), rs.decimalSeparator) == 0) {
      enFraccion = true;
      i += rs.decimalSeparator.size() - 1;
    } else if (c >= '0' && c <= '9') {
      if (enFraccion) {
        fraccion += c;
      } else if (entero < static_cast<__int128>(INT64_MAX)) {
        entero = entero * 10 + (c - '0');
      }
    }
  }
  fraccion.resize(5, '0');
  __int128 diezMilesimos = entero * 10000 + std::stoi(fraccion.substr(0, 4));
  if (fraccion[4] >= '5') ++diezMilesimos;
  if (diezMilesimos > static_cast<__int128>(INT64_MAX)) {
    throw AppError(rterr::kOverflow, "Desbordamiento");
  }
  const int64_t valor = static_cast<int64_t>(diezMilesimos);
  return negativo ? -valor : valor;
}

// A currency written with a mask of the box: its decimals (the "0"s after
// the "."), rounded half away from zero, and groups where it has a ",".
std::string FormatoMoneda(int64_t diezMilesimos, const std::string& mascara) {
  const RegionalSettings& rs = RegionalSettings::Current();
  const size_t punto = mascara.find('.');
  const int decimales =
      punto == std::string::npos ? 0 : static_cast<int>(mascara.size() - punto - 1);
  const bool agrupar = mascara.find(',') != std::string::npos;
  uint64_t unidad = 1;
  for (int i = decimales; i < 4; ++i) unidad *= 10;
  const uint64_t absoluto = diezMilesimos < 0 ? 0 - static_cast<uint64_t>(diezMilesimos)
                                              : static_cast<uint64_t>(diezMilesimos);
  uint64_t cantidad = absoluto / unidad;
  if ((absoluto % unidad) * 2 >= unidad) ++cantidad;
  uint64_t escala = 1;
  for (int i = 0; i < decimales; ++i) escala *= 10;
  const std::string digitos = std::to_string(cantidad / escala);
  std::string texto;
  for (size_t i = 0; i < digitos.size(); ++i) {
    if (agrupar && i > 0 && (digitos.size() - i) % 3 == 0) texto += rs.thousandsSeparator;
    texto += digitos[i];
  }
  if (decimales > 0) {
    std::string fraccion = std::to_string(cantidad % escala);
    fraccion.insert(0, static_cast<size_t>(decimales) - fraccion.size(), '0');
    texto += rs.decimalSeparator + fraccion;
  }
  return (diezMilesimos < 0 && cantidad != 0 ? "-" : "") + texto;
}

// The currency of a value that NumericText takes for a number.
int64_t MonedaDe(const Variant& v) {
  switch (v.Type()) {
    case VarType::String:
      return MonedaDeTexto(v.ToString());
    case VarType::Currency:
      return v.CurrencyValue();
    default:
      return Variant::CurrencyFromDouble(NumericText::ToDouble(v)).CurrencyValue();
  }
}

}  // namespace

ucnXCurrencyModel::ucnXCurrencyModel(ucnXCurrencyView& vista)
    : vista_(vista), nroMax_(kNroMaxDefecto) {
  AplicarDecimales(kDecimalesDefecto);
  vista_.SetMaxLength(kLargoSinFoco);
}

Variant ucnXCurrencyModel::NroMaxDefecto() {
  return Variant::FromCurrency(kNroMaxDefecto);
}

void ucnXCurrencyModel::NuevaInstancia() {
  AplicarDecimales(kDecimalesDefecto);
  soportaNulos_ = false;
  soportaNegativos_ = false;
  nroMax_ = kNroMaxDefecto;
  SetText(Variant(0.0));
}

// Settings a form stored are applied as they were set, but they are no
// run-time changes, so nothing is marked.
void ucnXCurrencyModel::LeerPropiedades(const PropertyStore& propiedades) {
  propiedades_ = propiedades;
  const int16_t d = propiedades.Read("Decimales", Variant(kDecimalesDefecto)).ToInteger();
  if (d >= 0 && d <= kDecimalesMaximos) AplicarDecimales(static_cast<uint8_t>(d));
  soportaNulos_ = propiedades.ReadFlag("SoportaNulos", false);
  soportaNegativos_ = propiedades.ReadFlag("SoportaNegativos", false);
  SetNroMax(propiedades.Read("NroMax", NroMaxDefecto()));
}

void ucnXCurrencyModel::GuardarPropiedades(PropertyStore& propiedades) const {
  propiedades.Write("Decimales", Variant(static_cast<int16_t>(decimales_)),
                    Variant(kDecimalesDefecto));
  propiedades.Write("SoportaNulos", soportaNulos_, false);
  propiedades.Write("SoportaNegativos", soportaNegativos_, false);
  propiedades.Write("NroMax", NroMax(), NroMaxDefecto());
}

void ucnXCurrencyModel::AplicarDecimales(uint8_t d) {
  decimales_ = d;
  mascara_ = "##,###,###,###,###,##0";
  if (d > 0) mascara_ += "." + std::string(d, '0');
}

void ucnXCurrencyModel::SetDecimales(uint8_t d) {
  if (d > kDecimalesMaximos) return;
  AplicarDecimales(d);
  propiedades_.MarkChanged("Decimales");
}

void ucnXCurrencyModel::SetSoportaNulos(bool sn) {
  soportaNulos_ = sn;
  propiedades_.MarkChanged("SoportaNulos");
}

void ucnXCurrencyModel::SetSoportaNegativos(bool sn) {
  soportaNegativos_ = sn;
  propiedades_.MarkChanged("SoportaNegativos");
}

void ucnXCurrencyModel::SetEnabled(bool v) {
  enabled_ = v;
  vista_.SetBloqueado(!v);
}

void ucnXCurrencyModel::SetNroMax(const Variant& valor) {
  if (!NumericText::IsNumeric(valor))
    throw AppError(rterr::kTypeMismatch, "No coinciden los tipos");
  nroMax_ = MonedaDe(valor);
}

double ucnXCurrencyModel::Maximo() const {
  return NroMax().ToDouble();
}

void ucnXCurrencyModel::MostrarMaximo() const {
  MsgBox(ucnXCurrencyKeyFilter::MensajeMaximo(ValueFormat::ToText(NroMax())), msgbox::vbExclamation,
         kTituloError);
}

ucnXCurrencyKeyFilter ucnXCurrencyModel::Filtro() const {
  ucnXCurrencyKeyFilter filtro;
  filtro.Decimales = decimales_;
  filtro.SoportaNegativos = soportaNegativos_;
  filtro.NroMax = Maximo();
  filtro.NroMaxTexto = ValueFormat::ToText(NroMax());
  return filtro;
}

// A text box cuts a text longer than its limit; the limit never cuts a
// value the box already shows.
void ucnXCurrencyModel::SetMaxLength(int largo) {
  vista_.SetMaxLength(std::max(largo, Largo(vista_.Texto())));
}

Variant ucnXCurrencyModel::Text() const {
  const std::string texto = vista_.Texto();
  if (soportaNulos_ && texto.empty()) return Variant::Null();
  if (!NumericText::IsNumeric(texto)) return Variant::FromCurrency(0);
  try {
    return Variant::FromCurrency(MonedaDeTexto(texto));
  } catch (const AppError&) {
    // Beyond a currency (only a paste can put that there): no value, as
    // for any text that cannot be converted.
    return Variant::FromCurrency(0);
  }
}

void ucnXCurrencyModel::SetText(const Variant& v) {
  const std::string texto = vista_.Texto();
  if (!NumericText::IsNumeric(v)) {
    if (!texto.empty() && texto != "-") vista_.SetTexto("");
    return;
  }
  const double valor = NumericText::ToDouble(v);
  if (valor > Maximo()) {
    MostrarMaximo();
    return;
  }
  const std::optional<double> actual = NumericText::Parse(texto);
  if (!vista_.TieneFoco() || !actual || *actual != valor) {
    vista_.SetTexto(FormatoMoneda(MonedaDe(v), mascara_));
  }
}

int ucnXCurrencyModel::Tecla(int k) {
  const ucnXCurrencyKeyFilter::Caja caja{vista_.Texto(), vista_.SelStart(), vista_.SelLength()};
  const ucnXCurrencyKeyFilter::Resultado r = Filtro().Filtrar(caja, k);
  if (!r.mensaje.empty()) MsgBox(r.mensaje, msgbox::vbExclamation, kTituloError);
  return r.tecla;
}

void ucnXCurrencyModel::ValorDelTag() {
  const std::optional<double> anterior = ValorDelTexto(tag_);
  SetText(anterior ? Variant(TextoDeTag(tag_)) : Variant());
}

void ucnXCurrencyModel::TextoCambiado() {
  const std::string texto = vista_.Texto();
  if (const std::optional<double> valor = NumericText::Parse(texto)) {
    if (*valor > Maximo()) {
      if (!maximoInformado_) MostrarMaximo();
    } else {
      const std::optional<double> anterior = ValorDelTexto(tag_);
      if (!anterior || *anterior != *valor) {
        if (!soportaNegativos_ && *valor < 0) {
          vista_.SetTexto(anterior ? TextoDeTag(tag_) : std::string());
        } else {
          vista_.Cambio();
        }
      }
    }
    tag_ = TagDe(vista_.Texto());
    return;
  }
  if (texto.empty()) {
    if (!tag_.empty()) vista_.Cambio();
    tag_.clear();
    return;
  }
  if (EsComienzo(texto)) return;
  const std::string quedan = ucnXCurrencyKeyFilter::Conservar(texto);
  const std::optional<double> valor = NumericText::Parse(quedan);
  if (!valor) {
    ValorDelTag();
  } else if (*valor > Maximo()) {
    // Shown as it is, the value is caught again on leaving the box.
    MostrarMaximo();
    maximoInformado_ = true;
    vista_.SetTexto(quedan);
    maximoInformado_ = false;
  } else {
    SetText(Variant(quedan));
  }
}

void ucnXCurrencyModel::ObtenerFoco() {
  const std::string entero = ValueFormat::FormatNumber(Maximo(), "#0");
  int largo = Largo(entero) + decimales_;
  if (decimales_ > 0) ++largo;
  // Room for the sign of a value as long as NroMax.
  if (soportaNegativos_) ++largo;
  a_c_generic generico;
  generico.Dato = vista_.Texto();
  const std::string sinGrupos = generico.Str_Replace(".", "");
  vista_.SetMaxLength(std::max(largo, Largo(sinGrupos)));
  vista_.SetTexto(sinGrupos);
  vista_.Seleccionar(0, Largo(vista_.Texto()));
}

void ucnXCurrencyModel::PerderFoco() {
  const std::optional<double> valor = NumericText::Parse(vista_.Texto());
  if (valor && *valor > Maximo()) {
    MsgBox(kDatoIncorrecto, msgbox::vbExclamation, kTituloError);
    vista_.TomarFoco();
    return;
  }
  SetMaxLength(kLargoSinFoco);
  SetText(Variant(vista_.Texto()));
}
