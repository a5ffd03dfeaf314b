// The regional checks of a_c_w under constructed settings and under the
// machine's locale, with their messages byte for byte.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <locale.h>
#endif

#include <memory>

#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "platform/a_c_w.h"
#include "support/EnvGuard.h"
#include "support/OperatorSettings.h"

namespace {

const std::string kNumeros =
    "ERROR DE CONFIGURACION DE WINDOWS \r\n"
    "Para que el sistema funcione en las condiciones bajo las cuales ha sido creado debe "
    "configurar el sistema num\xC3\xA9rico de Windows de la siguiente manera:\r\n"
    "Separador de decimales : , (coma)\r\n"
    "Separador de miles : . (punto)\r\n"
    "Para ello dirigase al Panel de Control --> Configuraci\xC3\xB3n Regional o Internacional";

const std::string kFecha =
    "ERROR DE CONFIGURACION DE WINDOWS \r\n"
    "Su sistema Windows est\xC3\xA1 configurado de forma no compatible con los testeos "
    "realizados al sistema que intenta ejecutar. Esto puede provocar errores inesperados. "
    "Como medida preventiva le pedimos por favor cambie dicha configuraci\xC3\xB3n.\r\n"
    "Ingrese al Panel de Control de Windows --> Configuraci\xC3\xB3n Regional o Internacional "
    "y cambie la configuraci\xC3\xB3n como se indica: \r\n"
    "Formato de fecha: dd/MM/aaaa\r\n"
    "Separador: /";

class RegionalChecksTest : public ::testing::Test {
 protected:
  static RegionalSettings Settings(const char* decimal, const char* thousands,
                                   const char* dateFormat) {
    RegionalSettings rs;
    rs.decimalSeparator = decimal;
    rs.thousandsSeparator = thousands;
    rs.ApplyDateFormat(dateFormat);
    return rs;
  }

  ScopedService<RecordingMessageBox> boxes;
  a_c_w w;
};

#ifndef _WIN32
bool LocaleInstalled(const char* name) {
  locale_t loc = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return false;
  freelocale(loc);
  return true;
}
#endif

}  // namespace

TEST_F(RegionalChecksTest, ArgentineSettingsPassSilently) {
  const RegionalSettings rs = Settings(",", ".", "%d/%m/%Y");
  EXPECT_TRUE(w.ChkNumerosValidos(rs));
  EXPECT_TRUE(w.ChkFechaValida(rs));
  EXPECT_TRUE(boxes->Boxes().empty());
}

TEST_F(RegionalChecksTest, NumberCheckShowsItsMessageForOtherSeparators) {
  const RegionalSettings pointAndComma = Settings(".", ",", "%d/%m/%Y");
  EXPECT_FALSE(w.ChkNumerosValidos(pointAndComma));
  ASSERT_EQ(boxes->Boxes().size(), 1u);
  EXPECT_EQ(boxes->Boxes()[0].text, kNumeros);
  EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbOKOnly);
  EXPECT_EQ(boxes->Boxes()[0].title, "Remendor");
  EXPECT_TRUE(w.ChkFechaValida(pointAndComma));  // the date check does not look at numbers

  // A comma with a no-break space between thousands (a multi-byte group
  // separator), and a comma with no grouping at all.
  EXPECT_FALSE(w.ChkNumerosValidos(Settings(",", "\xC2\xA0", "%d/%m/%Y")));
  EXPECT_FALSE(w.ChkNumerosValidos(Settings(",", "", "%d/%m/%Y")));
  EXPECT_EQ(boxes->Boxes().size(), 3u);
}

TEST_F(RegionalChecksTest, DateCheckWantsDayMonthFourDigitYearWithSlashes) {
  struct Case {
    const char* format;
    bool valid;
  } cases[] = {
      {"%d/%m/%Y", true},  {"%m/%d/%Y", false},  // month first: the month read back is 10
      {"%d/%m/%y", false},                       // two-digit year: eight characters
      {"%d-%m-%Y", false},                       // no "/"
      {"%d.%m.%Y", false}, {"%Y/%m/%d", false},  // year first: "10/12/90" is no date at all
      {"%F", false},
  };
  for (const Case& c : cases) {
    boxes->Clear();
    EXPECT_EQ(w.ChkFechaValida(Settings(",", ".", c.format)), c.valid) << c.format;
    if (c.valid) {
      EXPECT_TRUE(boxes->Boxes().empty()) << c.format;
    } else {
      ASSERT_EQ(boxes->Boxes().size(), 1u) << c.format;
      EXPECT_EQ(boxes->Boxes()[0].text, kFecha);
      EXPECT_EQ(boxes->Boxes()[0].style, msgbox::vbOKOnly);
    }
  }
}

#ifdef _WIN32

TEST_F(RegionalChecksTest, OperatorsRegionalSettingsAreWhatTheChecksSeeByDefault) {
  {
    OperatorSettings us(L".", L",", L"M/d/yyyy");
    EXPECT_FALSE(w.ChkNumerosValidos());
    EXPECT_FALSE(w.ChkFechaValida());
  }
  EXPECT_EQ(boxes->Boxes().size(), 2u);
  {
    OperatorSettings argentina(L",", L".", L"dd/MM/yyyy");
    EXPECT_TRUE(w.ChkNumerosValidos());
    EXPECT_TRUE(w.ChkFechaValida());
  }
  {
    OperatorSettings twoDigitYears(L",", L".", L"dd/MM/yy");
    EXPECT_TRUE(w.ChkNumerosValidos());
    EXPECT_FALSE(w.ChkFechaValida());
  }
  EXPECT_EQ(boxes->Boxes().size(), 3u);
}

#else

TEST_F(RegionalChecksTest, MachineLocaleIsWhatTheChecksSeeByDefault) {
  EnvGuard all("LC_ALL", nullptr);
  EnvGuard numeric("LC_NUMERIC", nullptr);
  EnvGuard time("LC_TIME", nullptr);
  {
    // The portable locale: decimal point, no grouping, month-first dates.
    EnvGuard lang("LANG", "C");
    EXPECT_FALSE(w.ChkNumerosValidos());
    EXPECT_FALSE(w.ChkFechaValida());
  }
  if (!LocaleInstalled("es_AR.UTF-8")) GTEST_SKIP() << "es_AR.UTF-8 is not installed";
  EnvGuard lang("LANG", "es_AR.UTF-8");
  EXPECT_TRUE(w.ChkNumerosValidos());
  // The Argentine locale writes two-digit years in its short date.
  EXPECT_FALSE(w.ChkFechaValida());
}

#endif
