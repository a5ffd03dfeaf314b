// The numeric box's rules without widgets: keystroke by keystroke through
// the filter and the change handling, pastes, the value, the focus rule,
// NroMax and the stored settings.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "FakeucnXCurrencyView.h"
#include "controls/ucnXCurrencyModel.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"

namespace {

const std::string kDemasiado = "El número ingresado supera el máximo permitido ";
constexpr int64_t kDefecto = 999'999'999'999'999'900;

class ucnXCurrencyModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    modelo = std::make_unique<ucnXCurrencyModel>(caja);
    caja.modelo = modelo.get();
    modelo->NuevaInstancia();
    caja.cambios = 0;
  }
  // The messages shown since the last call, one per line.
  std::string Mensajes() {
    std::string todos;
    for (const auto& m : cajas->Boxes()) {
      EXPECT_EQ(m.style, msgbox::vbExclamation);
      EXPECT_EQ(m.title, "Error:");
      todos += (todos.empty() ? "" : "\n") + m.text;
    }
    cajas->Clear();
    return todos;
  }

  ScopedService<RecordingMessageBox> cajas;
  FakeucnXCurrencyView caja;
  std::unique_ptr<ucnXCurrencyModel> modelo;
};

struct KeyCase {
  int decimales;
  bool negativos;
  int64_t nroMax;  // ten-thousandths, as a currency holds it
  const char* antes;
  int selStart;
  int selLength;
  char tecla;
  const char* despues;
  const char* mensaje;  // "" for none; the too-large text is abbreviated "máximo N"
};

std::string NombreTecla(char c) {
  return c == 8 ? std::string("Retroceso") : "\"" + std::string(1, c) + "\"";
}

// One case per rule of the filter and of what the change handling makes of
// the accepted key. The focus is in the box, so nothing is grouped.
const KeyCase kCasos[] = {
    {2, false, kDefecto, "", 0, 0, '7', "7", ""},
    {2, false, kDefecto, "12", 2, 0, '.', "12,", ""},
    {2, false, kDefecto, "12", 2, 0, ',', "12,", ""},
    {2, false, kDefecto, "12,3", 4, 0, '.', "12,3", ""},
    {0, false, kDefecto, "12", 2, 0, ',', "12", ""},
    {2, false, kDefecto, "12,34", 5, 0, '5', "12,34", ""},
    {2, false, kDefecto, "12,34", 2, 0, '5', "125,34", ""},
    {2, false, kDefecto, "12,3", 4, 0, '4', "12,34", ""},
    {4, false, kDefecto, "1,2345", 6, 0, '6', "1,2345", ""},
    {2, false, kDefecto, "12,34", 0, 2, '9', "9,34", ""},
    {2, false, kDefecto, "12", 2, 0, 'a', "12", ""},
    {2, false, kDefecto, "12", 0, 0, '-', "12", ""},
    {2, true, kDefecto, "12", 0, 0, '-', "-12", ""},
    {2, true, kDefecto, "12", 2, 0, '-', "12-", ""},
    {2, true, kDefecto, "", 0, 0, '-', "-", ""},
    {2, true, kDefecto, "-12", 3, 0, '-', "-12", ""},
    {2, true, kDefecto, "-12", 3, 0, '5', "-125", ""},
    {2, true, kDefecto, "12-", 3, 0, '5', "12-", ""},
    {2, true, kDefecto, "12-", 0, 0, '5', "512-", ""},
    {2, true, kDefecto, "12", 1, 0, '-', "12,00", ""},
    {2, false, kDefecto, "", 0, 0, ',', ",", ""},
    {2, false, kDefecto, ",", 1, 0, '5', ",5", ""},
    {2, false, kDefecto, "12,3", 4, 0, 8, "12,", ""},
    {2, false, kDefecto, "7", 1, 0, 8, "", ""},
    {2, false, 1000'0000, "100", 3, 0, '0', "1000", ""},
    {2, false, 1000'0000, "1000", 4, 0, '1', "1000", "máximo 1000"},
    {2, false, 1000'0000, "1000", 4, 0, ',', "1000,", ""},
    {2, false, 1000'0000, "1000,", 5, 0, '1', "1000,", "máximo 1000"},
    {2, false, 1000'5000, "1000,5", 6, 0, '1', "1000,5", "máximo 1000,5"},
    {2, false, kDefecto, "99999999999999,9", 16, 0, '9', "99999999999999,99", ""},
    {2, false, kDefecto, "99999999999999", 14, 0, '9', "99999999999999",
     "máximo 99999999999999,99"},
};

// Another box, made from stored settings.
struct Leida {
  explicit Leida(const PropertyStore& guardado) {
    caja.modelo = &modelo;
    modelo.LeerPropiedades(guardado);
  }
  FakeucnXCurrencyView caja;
  ucnXCurrencyModel modelo{caja};
};

std::string Esperado(const char* mensaje) {
  const std::string m = mensaje;
  return m.rfind("máximo ", 0) == 0 ? kDemasiado + m.substr(std::string("máximo ").size()) : m;
}

}  // namespace

TEST_F(ucnXCurrencyModelTest, EachKeystrokeIsFilteredAndHandledAsTheTableSays) {
  for (const KeyCase& c : kCasos) {
    SCOPED_TRACE(std::string(c.antes) + " + " + NombreTecla(c.tecla));
    modelo->SetDecimales(static_cast<uint8_t>(c.decimales));
    modelo->SetSoportaNegativos(c.negativos);
    modelo->SetNroMax(Variant::FromCurrency(c.nroMax));
    caja.Poner(c.antes);
    caja.maxLength = 0;
    caja.Seleccionar(c.selStart, c.selLength);
    Mensajes();
    const bool aceptada = caja.Teclear(c.tecla);
    EXPECT_EQ(caja.texto, c.despues);
    EXPECT_EQ(aceptada, std::string(c.antes) != c.despues);
    EXPECT_EQ(Mensajes(), Esperado(c.mensaje));
  }
}

TEST_F(ucnXCurrencyModelTest, DecimalesRebuildsTheMaskAndIgnoresMoreThanFour) {
  const std::string integer = "##,###,###,###,###,##0";
  EXPECT_EQ(modelo->Mascara(), integer + ".00");
  // More than four decimals leave the two of a fresh box, unmarked.
  const std::tuple<int, int, std::string, bool> cases[] = {
      {5, 2, integer + ".00", false}, {0, 0, integer, true}, {4, 4, integer + ".0000", true}};
  for (const auto& [set, decimals, mask, changed] : cases) {
    modelo->SetDecimales(static_cast<uint8_t>(set));
    EXPECT_EQ(modelo->Decimales(), decimals) << set;
    EXPECT_EQ(modelo->Mascara(), mask) << set;
    EXPECT_EQ(modelo->Propiedades().IsChanged("Decimales"), changed) << set;
  }
  // The text is not reformatted until the box shows the value again.
  EXPECT_EQ(caja.texto, "0,00");
}

// A paste over the whole text: other characters are dropped, a text with
// no number left, or a negative where none is allowed, puts the last value
// back without a change.
TEST_F(ucnXCurrencyModelTest, APasteKeepsItsNumberOrPutsTheLastValueBack) {
  struct Case {
    bool negatives;
    const char* before;
    const char* paste;
    const char* after;
    int64_t value;  // ten-thousandths
    int changes;
  };
  const Case cases[] = {
      {false, "7", "12a", "12,00", 120000, 1},
      {false, "7", "$ 1.500,33", "1.500,33", 15003300, 1},
      {false, "1.500,33", "abc", "1.500,33", 15003300, 0},
      {false, "1.500,33", "1,2,3", "1.500,33", 15003300, 0},
      {false, "8", "-5", "8", 80000, 0},
      {false, "", "5-", "", 0, 0},
      {true, "", "5-", "5-", -50000, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " <- " + c.paste);
    modelo->SetSoportaNegativos(c.negatives);
    caja.Poner(c.before);
    caja.cambios = 0;
    caja.Seleccionar(0, static_cast<int>(caja.texto.size()));
    caja.Pegar(c.paste);
    EXPECT_EQ(caja.texto, c.after);
    EXPECT_EQ(modelo->Text(), Variant::FromCurrency(c.value));
    EXPECT_EQ(caja.cambios, c.changes);
  }
  EXPECT_EQ(Mensajes(), "");
}

TEST_F(ucnXCurrencyModelTest, TooLargeValuesAreRefusedPastedOrSetAndCaughtOnLeaving) {
  modelo->SetNroMax(Variant(1000.0));
  caja.Poner("1000");
  modelo->SetText(Variant(1000.01));
  EXPECT_EQ(Mensajes(), kDemasiado + "1000");
  EXPECT_EQ(caja.texto, "1000");

  // A pasted value stays, and leaving the box is refused.
  caja.Seleccionar(0, 4);
  caja.Pegar("5000");
  EXPECT_EQ(caja.texto, "5000");
  EXPECT_EQ(Mensajes(), kDemasiado + "1000");
  caja.Salir();
  EXPECT_EQ(Mensajes(), "Dato incorrecto.");
  EXPECT_EQ(caja.focoPedido, 1);
  EXPECT_EQ(caja.texto, "5000");

  // With other characters: one message, the number shown, caught on leaving.
  caja.foco = true;
  caja.Seleccionar(0, 4);
  caja.Pegar("$ 7.000");
  EXPECT_EQ(Mensajes(), kDemasiado + "1000");
  EXPECT_EQ(caja.texto, "7.000");
  caja.Salir();
  EXPECT_EQ(Mensajes(), "Dato incorrecto.");
  EXPECT_EQ(caja.focoPedido, 2);

  // A value equal to the maximum is accepted.
  caja.foco = true;
  caja.Seleccionar(0, 5);
  caja.Pegar("1000");
  caja.Salir();
  EXPECT_EQ(caja.texto, "1.000,00");
  EXPECT_EQ(Mensajes(), "");
}

TEST_F(ucnXCurrencyModelTest, AFreshBoxAcceptsUpToItsDefaultMaximum) {
  EXPECT_EQ(modelo->NroMax(), Variant::FromCurrency(999'999'999'999'999'900));
  modelo->SetText(Variant(99999999999999.99));
  EXPECT_EQ(caja.texto, "99.999.999.999.999,99");
  EXPECT_EQ(Mensajes(), "");
  caja.foco = true;
  modelo->PerderFoco();
  EXPECT_EQ(caja.texto, "99.999.999.999.999,99");
  EXPECT_EQ(modelo->Text(), Variant::FromCurrency(999'999'999'999'999'900));
  caja.Seleccionar(0, 21);
  caja.Pegar("abc");  // the last value comes back to the cent
  EXPECT_EQ(caja.texto, "99.999.999.999.999,99");
  modelo->SetText(Variant("100000000000000"));
  EXPECT_EQ(Mensajes(), kDemasiado + "99999999999999,99");
  EXPECT_EQ(caja.texto, "99.999.999.999.999,99");
}

TEST_F(ucnXCurrencyModelTest, EmptyBoxReadsNullOrZeroAndEmptyingIsOneChange) {
  caja.Poner("12");
  caja.cambios = 0;
  caja.Seleccionar(0, 2);
  caja.Teclear(8);
  EXPECT_EQ(caja.texto, "");
  EXPECT_EQ(caja.cambios, 1);
  EXPECT_EQ(modelo->Tag(), "");
  EXPECT_EQ(modelo->Text(), Variant::FromCurrency(0));
  modelo->SetSoportaNulos(true);
  EXPECT_TRUE(modelo->Text().IsNull());
  caja.Escribir("5");
  EXPECT_EQ(caja.cambios, 2);
  EXPECT_EQ(modelo->Text(), Variant::FromCurrency(50000));
  // A text that cannot be converted reads 0.
  caja.Poner("-");
  EXPECT_EQ(modelo->Text(), Variant::FromCurrency(0));
}

TEST_F(ucnXCurrencyModelTest, SettingTextToNoNumberClearsTheBoxUnlessEmptyOrMinus) {
  caja.foco = false;
  for (const Variant& nada : {Variant::Null(), Variant(), Variant("abc")}) {
    modelo->SetText(Variant(5.0));
    EXPECT_EQ(caja.texto, "5,00");
    modelo->SetText(nada);
    EXPECT_EQ(caja.texto, "");
  }
  modelo->SetSoportaNegativos(true);
  caja.Poner("-");
  modelo->SetText(Variant::Null());
  EXPECT_EQ(caja.texto, "-");
  // With the focus, a text of the same value is left as typed.
  caja.Poner("1234,5");
  modelo->SetText(Variant(1234.5));
  EXPECT_EQ(caja.texto, "1234,5");
  modelo->SetText(Variant(1234.25));
  EXPECT_EQ(caja.texto, "1.234,25");
}

TEST_F(ucnXCurrencyModelTest, FocusShowsTheValueUngroupedAndLeavingFormatsIt) {
  caja.foco = false;
  modelo->SetText(Variant(1234.5));
  EXPECT_EQ(caja.texto, "1.234,50");
  caja.cambios = 0;
  caja.Entrar();
  EXPECT_EQ(caja.texto, "1234,50");
  EXPECT_EQ(caja.selStart, 0);
  EXPECT_EQ(caja.selLength, 7);
  EXPECT_EQ(caja.maxLength, 18);  // 15 digits, "," and two decimals
  caja.Salir();
  EXPECT_EQ(caja.texto, "1.234,50");
  EXPECT_EQ(caja.maxLength, 30);
  EXPECT_EQ(caja.cambios, 0);

  // Room for the sign where negatives are allowed; none below the text.
  modelo->SetSoportaNegativos(true);
  modelo->SetDecimales(0);
  modelo->SetNroMax(Variant(999.0));
  caja.Entrar();
  EXPECT_EQ(caja.maxLength, 7);  // the text "1234,50" is longer than "-999"
  caja.Seleccionar(0, 7);
  caja.Escribir("-999");
  EXPECT_EQ(caja.texto, "-999");
  caja.Salir();
  caja.Entrar();
  EXPECT_EQ(caja.maxLength, 4);
}

TEST_F(ucnXCurrencyModelTest, HalfwayValuesRoundAwayFromZeroToTheDecimalsShown) {
  struct Caso {
    int decimales;
    Variant valor;
    const char* muestra;
  };
  const Caso casos[] = {
      {2, Variant("1,005"), "1,01"},     {2, Variant("-1,005"), "-1,01"},
      {2, Variant(1.005), "1,01"},       {2, Variant(2.675), "2,68"},
      {2, Variant("-0,005"), "-0,01"},   {2, Variant("0,0049"), "0,00"},
      {0, Variant("2,5"), "3"},          {0, Variant("-2,5"), "-3"},
      {0, Variant("0,5"), "1"},          {0, Variant("1,4999"), "1"},
      {3, Variant("1,0005"), "1,001"},   {1, Variant("999,95"), "1.000,0"},
      {4, Variant("1,00005"), "1,0001"}, {4, Variant("-1,00005"), "-1,0001"},
  };
  modelo->SetSoportaNegativos(true);
  caja.foco = false;
  for (const Caso& c : casos) {
    modelo->SetDecimales(static_cast<uint8_t>(c.decimales));
    modelo->SetText(c.valor);
    EXPECT_EQ(caja.texto, c.muestra) << c.valor.ToString() << " con " << c.decimales;
  }
  // Leaving the box formats a pasted halfway value the same way, and the
  // value read is what the box shows.
  for (const Caso& c : {Caso{2, Variant::FromCurrency(10100), "1,01"},
                        Caso{0, Variant::FromCurrency(30000), "3"}}) {
    modelo->SetDecimales(static_cast<uint8_t>(c.decimales));
    caja.Poner(c.decimales ? "1,005" : "2,5");
    caja.Salir();
    EXPECT_EQ(caja.texto, c.muestra);
    EXPECT_EQ(modelo->Text(), c.valor);
  }
  EXPECT_EQ(Mensajes(), "");
}

TEST_F(ucnXCurrencyModelTest, EnabledLocksTheBoxAndIsNoStoredSetting) {
  modelo->SetEnabled(false);
  EXPECT_TRUE(caja.bloqueado);
  EXPECT_FALSE(modelo->Enabled());
  modelo->SetEnabled(true);
  EXPECT_FALSE(caja.bloqueado);
  PropertyStore nuevo;
  modelo->GuardarPropiedades(nuevo);
  EXPECT_TRUE(nuevo.Keys().empty());
}

TEST_F(ucnXCurrencyModelTest, StoredSettingsRoundTripInOrderWithTheirDefaults) {
  modelo->SetNroMax(Variant(500.25));
  modelo->SetSoportaNegativos(true);
  modelo->SetDecimales(3);
  EXPECT_TRUE(modelo->Propiedades().IsChanged("SoportaNegativos"));
  EXPECT_FALSE(modelo->Propiedades().IsChanged("NroMax"));  // a plain field
  PropertyStore guardado;
  modelo->GuardarPropiedades(guardado);
  EXPECT_EQ(guardado.Keys(), (std::vector<std::string>{"Decimales", "SoportaNegativos", "NroMax"}));
  EXPECT_EQ(guardado.Read("NroMax", Variant()), Variant::FromCurrency(5002500));

  Leida otra(guardado);
  const ucnXCurrencyModel& otro = otra.modelo;
  EXPECT_EQ(otro.Decimales(), 3);
  EXPECT_EQ(otro.Mascara(), "##,###,###,###,###,##0.000");
  EXPECT_TRUE(otro.SoportaNegativos());
  EXPECT_FALSE(otro.SoportaNulos());
  EXPECT_EQ(otro.NroMax(), Variant::FromCurrency(5002500));
  EXPECT_FALSE(otro.Propiedades().IsChanged("Decimales"));

  // A stored number of decimals out of range leaves the default.
  PropertyStore malo;
  malo.Write("decimales", Variant(int16_t{7}));
  EXPECT_EQ(Leida(malo).modelo.Decimales(), 2);
}

TEST(ucnXCurrencyKeyFilter, GivesTheCharacterTheBoxReceivesAndWhereTheCaretGoes) {
  ucnXCurrencyKeyFilter filtro;
  filtro.NroMax = 1000;
  filtro.NroMaxTexto = "1000";
  // The rest of the filter's rules are in the keystroke table.
  EXPECT_FALSE(filtro.Filtrar({"12", 2, 0}, 0x00F1).Aceptada());  // ñ
  // A text that is no number is compared on what a paste would keep of it.
  EXPECT_FALSE(filtro.Filtrar({"$999", 4, 0}, '9').Aceptada());
  EXPECT_TRUE(filtro.Filtrar({"$9", 2, 0}, '9').Aceptada());
  EXPECT_TRUE(filtro.Filtrar({"1,,", 1, 0}, '3').Aceptada());

  const ucnXCurrencyKeyFilter::Caja escrita = ucnXCurrencyKeyFilter::Escribir({"12,34", 1, 3}, '9');
  EXPECT_EQ(escrita.texto, "194");
  EXPECT_EQ(escrita.selStart, 2);
  EXPECT_EQ(escrita.selLength, 0);
  EXPECT_EQ(ucnXCurrencyKeyFilter::Escribir({"12", 9, 4}, '3').texto, "123");
}
