/*
** ucnXCurrencyModel: the numeric entry box's rules, without widgets.
**
** The box takes fixed-point numbers under the regional settings ("," before
** the decimals, "." between groups of thousands). It keeps:
**   - NroMax, the largest value accepted (a currency, four decimals; a value
**     equal to it is accepted). A new box allows up to 99 999 999 999 999,99;
**   - Decimales (0 to 4; a larger value is ignored) and the display mask
**     built from it ("##,###,###,###,###,##0.00" for 2);
**   - SoportaNulos: an empty box reads as Null rather than 0;
**   - SoportaNegativos: a "-" may be typed and negative values kept;
**   - the tag: the last accepted value with "." as decimal point and no
**     groups ("1234.5"), or "" after an empty box. It decides whether a new
**     text is a new value (Change) and is what a refused text falls back to.
**
** Keys go through ucnXCurrencyKeyFilter (Tecla). Every change of the text,
** typed, pasted or set, runs TextoCambiado:
**   - a number above NroMax gives the too-large message and stays, to be
**     caught on leaving the box;
**   - another number is a Change when it differs from the tag; a negative
**     one in a box without negatives puts the tag's value back instead,
**     without a Change, since nothing changed;
**   - an emptied box is a Change when it held a value;
**   - "-", "," and "-," are left as they are: a number being typed;
**   - any other text keeps its digits, ",", "." and "-": when those make a
**     number, it becomes the value (shown formatted, or left as it is with
**     the too-large message); when they do not, the tag's value comes back.
** The last rule is what a paste with other characters gets ("$ 1.500,33"
** is 1500,33; a pasted "12a" shows 12,00 at once). A number with an
** exponent ("1E5") is a number, as everywhere in the library.
**
** With the focus the box shows its value without groups and takes at most
** the digits that NroMax allows (and the "-" where negatives are allowed);
** leaving it with a value above NroMax gives "Dato incorrecto." and keeps
** the focus; otherwise the value is shown with the mask. The box's limit
** is never set below the text it already holds, which a text box would cut.
**
** Values are read from the box's digits and shown from the currency's own
** digits, never through a double, whose decimals run out near the
** maximum; only the comparisons with NroMax are made on doubles.
**
** Text reads Null (empty box with SoportaNulos), or the box's value as a
** currency, or 0 when the text is no number or does not fit a currency.
** Setting Text to a number above NroMax gives the too-large message and
** changes nothing; another number is shown with the mask; anything else
** empties the box unless it shows "" or "-".
**
** Stored settings, in this order: "Decimales" (2), "SoportaNulos" (False),
** "SoportaNegativos" (False), "NroMax" (99 999 999 999 999,99). Messages go
** through the message-box seam, titled "Error:" with the exclamation icon.
*/
#pragma once

#include <cstdint>
#include <string>

#include "common/Variant.h"
#include "controls/PropertyStore.h"
#include "controls/ucnXCurrencyKeyFilter.h"
#include "controls/ucnXCurrencyView.h"

class ucnXCurrencyModel {
 public:
  static constexpr int kLargoSinFoco = 30;
  static constexpr const char* kTituloError = "Error:";
  static constexpr const char* kDatoIncorrecto = "Dato incorrecto.";

  explicit ucnXCurrencyModel(ucnXCurrencyView& vista);

  // A box new on its form: the defaults, showing 0.
  void NuevaInstancia();
  void LeerPropiedades(const PropertyStore& propiedades);
  void GuardarPropiedades(PropertyStore& propiedades) const;
  const PropertyStore& Propiedades() const { return propiedades_; }

  uint8_t Decimales() const { return decimales_; }
  void SetDecimales(uint8_t d);
  bool SoportaNulos() const { return soportaNulos_; }
  void SetSoportaNulos(bool sn);
  bool SoportaNegativos() const { return soportaNegativos_; }
  void SetSoportaNegativos(bool sn);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // A Currency; setting takes any number, rounded to four decimals.
  Variant NroMax() const { return Variant::FromCurrency(nroMax_); }
  void SetNroMax(const Variant& valor);
  static Variant NroMaxDefecto();
  const std::string& Mascara() const { return mascara_; }
  const std::string& Tag() const { return tag_; }

  Variant Text() const;
  void SetText(const Variant& v);

  // The box's key press: the character it receives, 0 when dropped.
  int Tecla(int k);
  void TextoCambiado();
  void ObtenerFoco();
  void PerderFoco();

 private:
  void AplicarDecimales(uint8_t d);
  void MostrarMaximo() const;
  ucnXCurrencyKeyFilter Filtro() const;
  double Maximo() const;
  void ValorDelTag();
  void SetMaxLength(int largo);

  ucnXCurrencyView& vista_;
  int64_t nroMax_;
  uint8_t decimales_ = 2;
  bool soportaNulos_ = false;
  bool soportaNegativos_ = false;
  bool enabled_ = true;
  std::string mascara_;
  std::string tag_;
  bool maximoInformado_ = false;
  PropertyStore propiedades_;
};
