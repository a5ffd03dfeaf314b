// a_c_w's Windows folders and path routines, and its regional checks under
// constructed settings and under the machine's locale, with their messages
// byte for byte.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <locale.h>
#endif

#include <cstdlib>
#include <memory>
#include <tuple>

#include "common/TextCase.h"
#include "platform/PathSeparator.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "platform/a_c_w.h"
#include "support/EnvGuard.h"
#include "support/NoticeTexts.h"
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
  // The boxes the checks showed: OK-only under the program's title.
  std::vector<std::string> Shown() { return TakeNoticeTexts(*boxes); }

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

// A no-break space between thousands is a multi-byte group separator.
TEST_F(RegionalChecksTest, NumberCheckWantsCommaDecimalsAndPointGroups) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {",", ".", true}, {".", ",", false}, {",", "\xC2\xA0", false}, {",", "", false}};
  for (const auto& [decimal, thousands, valid] : cases) {
    SCOPED_TRACE(std::string(decimal) + thousands);
    const RegionalSettings rs = Settings(decimal, thousands, "%d/%m/%Y");
    EXPECT_EQ(w.ChkNumerosValidos(rs), valid);
    EXPECT_TRUE(w.ChkFechaValida(rs));  // the date check does not look at numbers
    EXPECT_EQ(Shown(), valid ? std::vector<std::string>{} : std::vector{kNumeros});
  }
}

TEST_F(RegionalChecksTest, DateCheckWantsDayMonthFourDigitYearWithSlashes) {
  const char* invalid[] = {"%m/%d/%Y",  // month first: the month read back is 10
                           "%d/%m/%y",  // two-digit year: eight characters
                           "%d-%m-%Y", "%d.%m.%Y",
                           "%Y/%m/%d",  // year first: "10/12/90" is no date at all
                           "%F"};
  EXPECT_TRUE(w.ChkFechaValida(Settings(",", ".", "%d/%m/%Y")));
  EXPECT_EQ(Shown(), std::vector<std::string>{});
  for (const char* format : invalid) {
    EXPECT_FALSE(w.ChkFechaValida(Settings(",", ".", format))) << format;
    EXPECT_EQ(Shown(), std::vector{kFecha}) << format;
  }
}

#ifdef _WIN32

TEST_F(RegionalChecksTest, OperatorsRegionalSettingsAreWhatTheChecksSeeByDefault) {
  {
    OperatorSettings us(L".", L",", L"M/d/yyyy");
    EXPECT_FALSE(w.ChkNumerosValidos());
    EXPECT_FALSE(w.ChkFechaValida());
  }
  EXPECT_EQ(Shown(), (std::vector{kNumeros, kFecha}));
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
  EXPECT_EQ(Shown(), std::vector{kFecha});
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

namespace {

const std::string S = kPathSeparatorText;

#ifdef _WIN32

// Windows names its own folder in WINDIR too; the calls and the variable
// agree, letter case aside.
TEST(a_c_w, FoldersAreTheSystemsAndEndInTheSeparator) {
  const char* windir = std::getenv("WINDIR");
  ASSERT_NE(windir, nullptr);
  a_c_w w;
  EXPECT_TRUE(TextCase::Equal(w.DirWindows(), std::string(windir) + "\\")) << w.DirWindows();
  EXPECT_TRUE(TextCase::Equal(w.DirSystemWindows(), w.DirWindows() + "system32\\"))
      << w.DirSystemWindows();
}

#else

// WINDIR with or without its final separator gives one; no WINDIR, nothing.
TEST(a_c_w, FoldersFollowWindirAndEndInOneSeparator) {
  for (const std::string& windir : {"C:" + S + "WINDOWS", "C:" + S + "WINDOWS" + S}) {
    EnvGuard g("WINDIR", windir.c_str());
    EXPECT_EQ(a_c_w().DirWindows(), "C:" + S + "WINDOWS" + S) << windir;
    EXPECT_EQ(a_c_w().DirSystemWindows(), "C:" + S + "WINDOWS" + S + "system32" + S);
  }
  EnvGuard none("WINDIR", nullptr);
  EXPECT_EQ(a_c_w().DirWindows(), "");
  EXPECT_EQ(a_c_w().DirSystemWindows(), "");
}

#endif

TEST(a_c_w, SacarUltimoCutsAtTheFirstNul) {
  EXPECT_EQ(a_c_w::SacarUltimo("sin nulo"), "sin nulo");
  EXPECT_EQ(a_c_w::SacarUltimo(std::string("\0resto", 6)), "");
  EXPECT_EQ(a_c_w::SacarUltimo(std::string("C:\0\0  ", 6)), "C:");
}

TEST(a_c_w, AgregarBarraDropsTrailingBlanksOnlyWhenItAddsTheSeparator) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:" + S + "X   ", "C:" + S + "X" + S},
      {"C:" + S + "X" + S, "C:" + S + "X" + S},
      // Already ends in the separator once trimmed: untouched.
      {"C:" + S + "X" + S + "  ", "C:" + S + "X" + S + "  "}};
  for (auto [path, expected] : cases) {
    a_c_w::agregarBarra(path);
    EXPECT_EQ(path, expected);
  }
}

}  // namespace
