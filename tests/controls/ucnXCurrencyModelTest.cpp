// The numeric box's rules without widgets: keystroke by keystroke through
// the filter and the change handling, pastes, the value, the focus rule,
// NroMax and the stored settings.
#include <gtest/gtest.h>

#include <tuple>

#include "FakeucnXCurrencyView.h"
#include "controls/ucnXCurrencyModel.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"

namespace {

const std::string kTooLarge = "El número ingresado supera el máximo permitido ";
constexpr int64_t kDefault = 999'999'999'999'999'900;

class ucnXCurrencyModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.NuevaInstancia();
    box.changes = 0;
  }
  // The messages shown since the last call, one per line.
  std::string Messages() {
    std::string all;
    for (const auto& m : boxes->Boxes()) {
      EXPECT_EQ(m.style, msgbox::vbExclamation);
      EXPECT_EQ(m.title, "Error:");
      all += (all.empty() ? "" : "\n") + m.text;
    }
    boxes->Clear();
    return all;
  }
  // Selection start and length, and the length limit.
  std::tuple<int, int, int> Selection() const {
    return {box.selStart, box.selLength, box.maxLength};
  }

  ScopedService<RecordingMessageBox> boxes;
  FakeNumericBox numeric;
  FakeucnXCurrencyView& box = numeric.view;
  ucnXCurrencyModel& model = numeric.model;
};

struct KeyCase {
  int decimals;
  bool negatives;
  int64_t nroMax;  // ten-thousandths, as a currency holds it
  const char* before;
  int selStart;
  int selLength;
  char key;
  const char* after;
  const char* tooLarge;  // the maximum the too-large message shows, "" for no message
};

// One case per rule of the filter and of what the change handling makes of
// the accepted key. The focus is in the box, so nothing is grouped.
const KeyCase kKeys[] = {
    {2, false, kDefault, "", 0, 0, '7', "7", ""},
    {2, false, kDefault, "12", 2, 0, '.', "12,", ""},
    {2, false, kDefault, "12", 2, 0, ',', "12,", ""},
    {2, false, kDefault, "12,3", 4, 0, '.', "12,3", ""},
    {0, false, kDefault, "12", 2, 0, ',', "12", ""},
    {2, false, kDefault, "12,34", 5, 0, '5', "12,34", ""},
    {2, false, kDefault, "12,34", 2, 0, '5', "125,34", ""},
    {2, false, kDefault, "12,3", 4, 0, '4', "12,34", ""},
    {4, false, kDefault, "1,2345", 6, 0, '6', "1,2345", ""},
    {2, false, kDefault, "12,34", 0, 2, '9', "9,34", ""},
    {2, false, kDefault, "12", 2, 0, 'a', "12", ""},
    {2, false, kDefault, "12", 0, 0, '-', "12", ""},
    {2, true, kDefault, "12", 0, 0, '-', "-12", ""},
    {2, true, kDefault, "12", 2, 0, '-', "12-", ""},
    {2, true, kDefault, "", 0, 0, '-', "-", ""},
    {2, true, kDefault, "-12", 3, 0, '-', "-12", ""},
    {2, true, kDefault, "-12", 3, 0, '5', "-125", ""},
    {2, true, kDefault, "12-", 3, 0, '5', "12-", ""},
    {2, true, kDefault, "12-", 0, 0, '5', "512-", ""},
    {2, true, kDefault, "12", 1, 0, '-', "12,00", ""},
    {2, false, kDefault, "", 0, 0, ',', ",", ""},
    {2, false, kDefault, ",", 1, 0, '5', ",5", ""},
    {2, false, kDefault, "12,3", 4, 0, 8, "12,", ""},
    {2, false, kDefault, "7", 1, 0, 8, "", ""},
    {2, false, 1000'0000, "100", 3, 0, '0', "1000", ""},
    {2, false, 1000'0000, "1000", 4, 0, '1', "1000", "1000"},
    {2, false, 1000'0000, "1000", 4, 0, ',', "1000,", ""},
    {2, false, 1000'0000, "1000,", 5, 0, '1', "1000,", "1000"},
    {2, false, 1000'5000, "1000,5", 6, 0, '1', "1000,5", "1000,5"},
    {2, false, kDefault, "99999999999999,9", 16, 0, '9', "99999999999999,99", ""},
    {2, false, kDefault, "99999999999999", 14, 0, '9', "99999999999999", "99999999999999,99"},
};

}  // namespace

TEST_F(ucnXCurrencyModelTest, EachKeystrokeIsFilteredAndHandledAsTheTableSays) {
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(std::string(c.before) + " + " +
                 (c.key == 8 ? "Backspace" : std::string(1, c.key)));
    model.SetDecimales(static_cast<uint8_t>(c.decimals));
    model.SetSoportaNegativos(c.negatives);
    model.SetNroMax(Variant::FromCurrency(c.nroMax));
    box.Put(c.before);
    box.maxLength = 0;
    box.Seleccionar(c.selStart, c.selLength);
    Messages();
    EXPECT_EQ(box.Press(c.key), std::string(c.before) != c.after);
    EXPECT_EQ(box.text, c.after);
    EXPECT_EQ(Messages(), *c.tooLarge ? kTooLarge + c.tooLarge : "");
  }
}

TEST_F(ucnXCurrencyModelTest, DecimalesRebuildsTheMaskAndIgnoresMoreThanFour) {
  const std::string integer = "##,###,###,###,###,##0";
  EXPECT_EQ(model.Mascara(), integer + ".00");
  // More than four decimals leave the two of a fresh box, unmarked.
  const std::tuple<int, int, std::string, bool> cases[] = {
      {5, 2, integer + ".00", false}, {0, 0, integer, true}, {4, 4, integer + ".0000", true}};
  for (const auto& [set, decimals, mask, changed] : cases) {
    model.SetDecimales(static_cast<uint8_t>(set));
    EXPECT_EQ(model.Decimales(), decimals) << set;
    EXPECT_EQ(model.Mascara(), mask) << set;
    EXPECT_EQ(model.Propiedades().IsChanged("Decimales"), changed) << set;
  }
  // The text is not reformatted until the box shows the value again.
  EXPECT_EQ(box.text, "0,00");
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
    model.SetSoportaNegativos(c.negatives);
    box.Put(c.before);
    box.changes = 0;
    box.Seleccionar(0, static_cast<int>(box.text.size()));
    box.Paste(c.paste);
    EXPECT_EQ(box.text, c.after);
    EXPECT_EQ(model.Text(), Variant::FromCurrency(c.value));
    EXPECT_EQ(box.changes, c.changes);
  }
  EXPECT_EQ(Messages(), "");
}

// A fresh box takes up to its default maximum; past a maximum, a value
// set is refused, a pasted one stays and is caught on leaving.
TEST_F(ucnXCurrencyModelTest, TooLargeValuesAreRefusedPastedOrSetAndCaughtOnLeaving) {
  EXPECT_EQ(model.NroMax(), Variant::FromCurrency(kDefault));
  model.SetText(Variant(99999999999999.99));
  EXPECT_EQ(box.text, "99.999.999.999.999,99");
  EXPECT_EQ(Messages(), "");
  box.focused = true;
  model.PerderFoco();
  EXPECT_EQ(box.text, "99.999.999.999.999,99");
  EXPECT_EQ(model.Text(), Variant::FromCurrency(kDefault));
  box.Seleccionar(0, 21);
  box.Paste("abc");  // the last value comes back to the cent
  EXPECT_EQ(box.text, "99.999.999.999.999,99");
  model.SetText(Variant("100000000000000"));
  EXPECT_EQ(Messages(), kTooLarge + "99999999999999,99");
  EXPECT_EQ(box.text, "99.999.999.999.999,99");

  model.SetNroMax(Variant(1000.0));
  box.Put("1000");
  model.SetText(Variant(1000.01));
  EXPECT_EQ(Messages(), kTooLarge + "1000");
  EXPECT_EQ(box.text, "1000");

  // A pasted value stays, and leaving the box is refused; with other
  // characters the number is shown, with one message.
  const std::pair<const char*, const char*> pastes[] = {{"5000", "5000"}, {"$ 7.000", "7.000"}};
  for (const auto& [paste, shown] : pastes) {
    box.focused = true;
    box.Seleccionar(0, static_cast<int>(box.text.size()));
    box.Paste(paste);
    EXPECT_EQ(box.text, shown);
    EXPECT_EQ(Messages(), kTooLarge + "1000");
    const int requests = box.focusRequests;
    box.FocusOut();
    EXPECT_EQ(Messages(), "Dato incorrecto.");
    EXPECT_EQ(box.focusRequests, requests + 1);
    EXPECT_EQ(box.text, shown);
  }

  // A value equal to the maximum is accepted.
  box.focused = true;
  box.Seleccionar(0, 5);
  box.Paste("1000");
  box.FocusOut();
  EXPECT_EQ(box.text, "1.000,00");
  EXPECT_EQ(Messages(), "");
}

TEST_F(ucnXCurrencyModelTest, EmptyBoxReadsNullOrZeroAndNoNumberEmptiesItUnlessAMinus) {
  box.Put("12");
  box.changes = 0;
  box.Seleccionar(0, 2);
  box.Press(8);
  EXPECT_EQ(box.text, "");
  EXPECT_EQ(box.changes, 1);
  EXPECT_EQ(model.Tag(), "");
  EXPECT_EQ(model.Text(), Variant::FromCurrency(0));
  model.SetSoportaNulos(true);
  EXPECT_TRUE(model.Text().IsNull());
  box.Type("5");
  EXPECT_EQ(box.changes, 2);
  EXPECT_EQ(model.Text(), Variant::FromCurrency(50000));
  // A text that cannot be converted reads 0.
  box.Put("-");
  EXPECT_EQ(model.Text(), Variant::FromCurrency(0));

  // Setting no number clears the box, unless it holds a lone minus.
  model.SetSoportaNulos(false);
  box.focused = false;
  for (const Variant& none : {Variant::Null(), Variant(), Variant("abc")}) {
    model.SetText(Variant(5.0));
    EXPECT_EQ(box.text, "5,00");
    model.SetText(none);
    EXPECT_EQ(box.text, "");
  }
  model.SetSoportaNegativos(true);
  box.Put("-");
  model.SetText(Variant::Null());
  EXPECT_EQ(box.text, "-");
  // With the focus, a text of the same value is left as typed.
  box.Put("1234,5");
  model.SetText(Variant(1234.5));
  EXPECT_EQ(box.text, "1234,5");
  model.SetText(Variant(1234.25));
  EXPECT_EQ(box.text, "1.234,25");
}

TEST_F(ucnXCurrencyModelTest, FocusShowsTheValueUngroupedAndLeavingFormatsIt) {
  box.focused = false;
  model.SetText(Variant(1234.5));
  EXPECT_EQ(box.text, "1.234,50");
  box.changes = 0;
  box.FocusIn();
  EXPECT_EQ(box.text, "1234,50");
  EXPECT_EQ(Selection(), std::make_tuple(0, 7, 18));  // 15 digits, "," and two decimals
  box.FocusOut();
  EXPECT_EQ(box.text, "1.234,50");
  EXPECT_EQ(box.maxLength, 30);
  EXPECT_EQ(box.changes, 0);

  // Room for the sign where negatives are allowed; none below the text.
  model.SetSoportaNegativos(true);
  model.SetDecimales(0);
  model.SetNroMax(Variant(999.0));
  box.FocusIn();
  EXPECT_EQ(box.maxLength, 7);  // the text "1234,50" is longer than "-999"
  box.Seleccionar(0, 7);
  box.Type("-999");
  EXPECT_EQ(box.text, "-999");
  box.FocusOut();
  box.FocusIn();
  EXPECT_EQ(box.maxLength, 4);
}

TEST_F(ucnXCurrencyModelTest, HalfwayValuesRoundAwayFromZeroToTheDecimalsShown) {
  struct Case {
    int decimals;
    Variant value;
    const char* shown;
  };
  const Case cases[] = {
      {2, Variant("1,005"), "1,01"},     {2, Variant("-1,005"), "-1,01"},
      {2, Variant(1.005), "1,01"},       {2, Variant(2.675), "2,68"},
      {2, Variant("-0,005"), "-0,01"},   {2, Variant("0,0049"), "0,00"},
      {0, Variant("2,5"), "3"},          {0, Variant("-2,5"), "-3"},
      {0, Variant("0,5"), "1"},          {0, Variant("1,4999"), "1"},
      {3, Variant("1,0005"), "1,001"},   {1, Variant("999,95"), "1.000,0"},
      {4, Variant("1,00005"), "1,0001"}, {4, Variant("-1,00005"), "-1,0001"},
  };
  model.SetSoportaNegativos(true);
  box.focused = false;
  for (const Case& c : cases) {
    model.SetDecimales(static_cast<uint8_t>(c.decimals));
    model.SetText(c.value);
    EXPECT_EQ(box.text, c.shown) << c.value.ToString() << " with " << c.decimals;
  }
  // Leaving the box formats a pasted halfway value the same way, and the
  // value read is what the box shows.
  for (const Case& c : {Case{2, Variant::FromCurrency(10100), "1,01"},
                        Case{0, Variant::FromCurrency(30000), "3"}}) {
    model.SetDecimales(static_cast<uint8_t>(c.decimals));
    box.Put(c.decimals ? "1,005" : "2,5");
    box.FocusOut();
    EXPECT_EQ(box.text, c.shown);
    EXPECT_EQ(model.Text(), c.value);
  }
  EXPECT_EQ(Messages(), "");
}

// Enabled only locks the box: it is no stored setting.
TEST_F(ucnXCurrencyModelTest, StoredSettingsRoundTripInOrderAndEnabledOnlyLocksTheBox) {
  model.SetEnabled(false);
  EXPECT_TRUE(box.locked);
  EXPECT_FALSE(model.Enabled());
  model.SetNroMax(Variant(500.25));
  model.SetSoportaNegativos(true);
  model.SetDecimales(3);
  EXPECT_TRUE(model.Propiedades().IsChanged("SoportaNegativos"));
  EXPECT_FALSE(model.Propiedades().IsChanged("NroMax"));  // a plain field
  PropertyStore stored;
  model.GuardarPropiedades(stored);
  EXPECT_EQ(stored.Keys(), (std::vector<std::string>{"Decimales", "SoportaNegativos", "NroMax"}));
  EXPECT_EQ(stored.Read("NroMax", Variant()), Variant::FromCurrency(5002500));
  model.SetEnabled(true);
  EXPECT_FALSE(box.locked);

  const FakeNumericBox read(stored);
  EXPECT_EQ(read.model.Decimales(), 3);
  EXPECT_EQ(read.model.Mascara(), "##,###,###,###,###,##0.000");
  EXPECT_TRUE(read.model.SoportaNegativos());
  EXPECT_FALSE(read.model.SoportaNulos());
  EXPECT_EQ(read.model.NroMax(), Variant::FromCurrency(5002500));
  EXPECT_FALSE(read.model.Propiedades().IsChanged("Decimales"));

  // A stored number of decimals out of range leaves the default.
  PropertyStore bad;
  bad.Write("decimales", Variant(int16_t{7}));
  EXPECT_EQ(FakeNumericBox(bad).model.Decimales(), 2);
}

TEST(ucnXCurrencyKeyFilter, GivesTheCharacterTheBoxReceivesAndWhereTheCaretGoes) {
  ucnXCurrencyKeyFilter filter;
  filter.NroMax = 1000;
  filter.NroMaxTexto = "1000";
  // The rest of the filter's rules are in the keystroke table.
  EXPECT_FALSE(filter.Filtrar({"12", 2, 0}, 0x00F1).Aceptada());  // ñ
  // A text that is no number is compared on what a paste would keep of it.
  EXPECT_FALSE(filter.Filtrar({"$999", 4, 0}, '9').Aceptada());
  EXPECT_TRUE(filter.Filtrar({"$9", 2, 0}, '9').Aceptada());
  EXPECT_TRUE(filter.Filtrar({"1,,", 1, 0}, '3').Aceptada());

  const ucnXCurrencyKeyFilter::Caja typed = ucnXCurrencyKeyFilter::Escribir({"12,34", 1, 3}, '9');
  EXPECT_EQ(std::tie(typed.texto, typed.selStart, typed.selLength), std::make_tuple("194", 2, 0));
  EXPECT_EQ(ucnXCurrencyKeyFilter::Escribir({"12", 9, 4}, '3').texto, "123");
}
