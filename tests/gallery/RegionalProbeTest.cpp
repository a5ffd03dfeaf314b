// The regional checks' outcome as the gallery tells it: both checks and
// their probes under the settings the maker's programs need and under a
// month-first, decimal-point machine; the messages are taken, not shown,
// and the message-box service in place before is in place after.
#include <gtest/gtest.h>

#include <memory>

#include "gallery/RegionalProbe.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "platform/a_c_w.h"

namespace {

RegionalSettings MonthFirstWithDecimalPoint() {
  RegionalSettings rs;
  rs.decimalSeparator = ".";
  rs.thousandsSeparator = ",";
  rs.dateOrder = RegionalSettings::DateOrder::MonthDayYear;
  return rs;
}

class RegionalProbeTest : public ::testing::Test {
 protected:
  ScopedService<RecordingMessageBox> boxes;
};

}  // namespace

TEST_F(RegionalProbeTest, EachCheckPassesOrFailsWithItsMessageTakenNotShown) {
  RegionalSettings twoDigits;
  twoDigits.fourDigitYear = false;
  const struct {
    RegionalSettings settings;
    const char *number, *date, *numbersMessage, *dateMessage;
  } cases[] = {
      {RegionalSettings::Required(), "1.500,33", "10/12/1990", "", ""},
      {MonthFirstWithDecimalPoint(), "1,500.33", "10/12/1990", a_c_w::kMensajeNumeros,
       a_c_w::kMensajeFecha},
      {twoDigits, "1.500,33", "10/12/90", "", a_c_w::kMensajeFecha},
  };
  for (const auto& c : cases) {
    const RegionalOutcome r = RegionalProbe::Probar(c.settings);
    EXPECT_EQ(r.numerosValidos, *c.numbersMessage == 0) << c.number;
    EXPECT_EQ(r.fechaValida, *c.dateMessage == 0) << c.date;
    EXPECT_EQ(r.numeroProbado, c.number);
    EXPECT_EQ(r.fechaProbada, c.date);
    EXPECT_EQ(r.mensajeNumeros, c.numbersMessage);
    EXPECT_EQ(r.mensajeFecha, c.dateMessage);
  }
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_EQ(&MessageBoxService::Current(), boxes.Get().get());  // still the one in place
}

TEST_F(RegionalProbeTest, TheDescriptionNamesEveryPartOfTheSettings) {
  EXPECT_EQ(RegionalProbe::Describir(RegionalSettings::Required()),
            "Decimales: \",\", miles: \".\", fechas: día/mes/año con \"/\", año de cuatro cifras");
  RegionalSettings noThousands = MonthFirstWithDecimalPoint();
  noThousands.thousandsSeparator = "";
  noThousands.fourDigitYear = false;
  EXPECT_EQ(RegionalProbe::Describir(noThousands),
            "Decimales: \".\", miles: (ninguno), fechas: mes/día/año con \"/\", año de dos cifras");
}
