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

TEST_F(RegionalProbeTest, TheRequiredSettingsPassBothChecksSilently) {
  const RegionalOutcome r = RegionalProbe::Probar(RegionalSettings::Required());
  EXPECT_TRUE(r.numerosValidos);
  EXPECT_TRUE(r.fechaValida);
  EXPECT_EQ(r.numeroProbado, "1.500,33");
  EXPECT_EQ(r.fechaProbada, "10/12/1990");
  EXPECT_EQ(r.mensajeNumeros, "");
  EXPECT_EQ(r.mensajeFecha, "");
  EXPECT_TRUE(boxes->Boxes().empty());
}

TEST_F(RegionalProbeTest, AnotherMachineFailsBothWithTheirMessagesTakenNotShown) {
  const RegionalOutcome r = RegionalProbe::Probar(MonthFirstWithDecimalPoint());
  EXPECT_FALSE(r.numerosValidos);
  EXPECT_FALSE(r.fechaValida);
  EXPECT_EQ(r.numeroProbado, "1,500.33");
  EXPECT_EQ(r.mensajeNumeros, a_c_w::kMensajeNumeros);
  EXPECT_EQ(r.mensajeFecha, a_c_w::kMensajeFecha);
  EXPECT_TRUE(boxes->Boxes().empty());
  EXPECT_EQ(&MessageBoxService::Current(), boxes.Get().get());  // still the one in place

  RegionalSettings dosCifras;
  dosCifras.fourDigitYear = false;
  const RegionalOutcome corto = RegionalProbe::Probar(dosCifras);
  EXPECT_TRUE(corto.numerosValidos);
  EXPECT_FALSE(corto.fechaValida);
  EXPECT_EQ(corto.fechaProbada, "10/12/90");
  EXPECT_EQ(corto.mensajeNumeros, "");
}

TEST_F(RegionalProbeTest, TheDescriptionNamesEveryPartOfTheSettings) {
  EXPECT_EQ(RegionalProbe::Describir(RegionalSettings::Required()),
            "Decimales: \",\", miles: \".\", fechas: día/mes/año con \"/\", año de cuatro cifras");
  RegionalSettings sinMiles = MonthFirstWithDecimalPoint();
  sinMiles.thousandsSeparator = "";
  sinMiles.fourDigitYear = false;
  EXPECT_EQ(RegionalProbe::Describir(sinMiles),
            "Decimales: \".\", miles: (ninguno), fechas: mes/día/año con \"/\", año de dos cifras");
}
