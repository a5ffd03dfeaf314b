// The CBU, CUIT and staff-number checks: edge cases and generated keys.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "common/ClsGenValid.h"

namespace {

constexpr const char* kLongitud = "Longitud diferente a 23 caracteres.";
constexpr const char* kNumeros = "Debe ingresar únicamente números.";
constexpr const char* kInvalida = "CBU inválida.";
constexpr const char* kPrimeros = "CBU Inválida en sus primeros 8 dígitos.";
constexpr const char* kUltimos = "CBU Inválida en sus últimos 14 dígitos.";

// What the check `Rule` says of `dato`.
template <auto Rule>
auto Check(const Variant& dato) {
  ClsGenValid v;
  v.Dato = dato;
  return (v.*Rule)();
}
const auto Cbu = Check<&ClsGenValid::CBU_EsValida>;
const auto Cuit = Check<&ClsGenValid::ValidarCUIT>;
const auto Legajo = Check<&ClsGenValid::ValidarLegajoOXN>;

TEST(CBU_EsValida, TheFirstFailingRuleGivesTheMessage) {
  const std::pair<std::string, std::vector<Variant>> cases[] = {
      // Valid whatever the ninth character; the length counts characters.
      {"",
       {"12300019-00000000000017", "12300019 00000000000017", "12300019/00000000000017",
        "12300019ñ00000000000017", "28505909-40090418135201"}},
      {kLongitud,
       {"1230001900000000000017", "12300019-000000000000170", Variant::Null(), Variant()}},
      {kInvalida, {"00000000-00000000000017", "12300019-00000000000000"}},
      {kPrimeros, {"12300018-00000000000017", "12300018-00000000000018"}},
      {kUltimos, {"12300019-00000000000018"}},
      // All but the first pass the numeric test but are no digit block.
      {kNumeros,
       {"1230001A-00000000000017", " 2300019-00000000000017", "-2300019-00000000000017",
        "1.300019-00000000000017", "12300019-0000000000001,", "12300019-000000000017- ",
        "12300019-0000000001E+17"}}};
  for (const auto& [message, values] : cases) {
    for (const Variant& cbu : values) EXPECT_EQ(Cbu(cbu), message) << cbu.ToStringOrEmpty();
  }
}

TEST(ValidarCUIT, PrefixLengthCheckDigitAndOnlyDigits) {
  EXPECT_TRUE(Cuit("20123456786"));
  EXPECT_TRUE(Cuit(20123456786.0));
  // A wrong check digit or prefix, and a check digit of 10, are the property test's.
  for (const Variant& v : {Variant("20-12345678-6"), Variant("2012345678"), Variant::Null(),
                           Variant(), Variant(" 2012345678"), Variant("2012345678-"),
                           Variant("20.123.4567"), Variant("2012345678,")}) {
    EXPECT_FALSE(Cuit(v)) << v.ToStringOrEmpty();
  }
}

TEST(ValidarLegajoOXN, CheckDigits) {
  for (const Variant& v :
       {Variant("0000113"), Variant("0010013"), Variant("1234568"), Variant(int32_t{1234568})}) {
    EXPECT_TRUE(Legajo(v)) << v.ToStringOrEmpty();
  }
  // The last: numeric as a whole, but its check is no number.
  for (const Variant& v :
       {Variant("1234567"), Variant("9999999"), Variant("0000000"), Variant("113"),
        Variant("12345678"), Variant("12a4568"), Variant::Null(), Variant(), Variant("12345, ")}) {
    EXPECT_FALSE(Legajo(v)) << v.ToStringOrEmpty();
  }
}

// The check digit that makes a CUIT of these ten digits valid, or -1.
int CuitCheckDigit(const std::string& ten) {
  static constexpr int kPesos[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
  int s = 0;
  for (int i = 0; i < 10; ++i) s += kPesos[i] * (ten[i] - '0');
  const int check = (11 - s % 11) % 11;
  return check == 10 ? -1 : check;
}

TEST(ValidarCUITProperty, ExactlyTheRightLastDigitValidates) {
  const std::string prefixes[] = {"20", "23", "24", "27", "30", "33", "34", "50", "51", "55"};
  std::mt19937 random(27);
  std::uniform_int_distribution<int> digit(0, 9);
  for (int n = 0; n < 3000; ++n) {
    std::string ten = prefixes[n % 10];
    while (ten.size() < 10) ten += static_cast<char>('0' + digit(random));
    const int check = CuitCheckDigit(ten);
    for (int last = 0; last <= 9; ++last) {
      ASSERT_EQ(Cuit(ten + static_cast<char>('0' + last)), last == check) << ten << last;
    }
    // A prefix outside the list never validates, whatever the check digit.
    std::string other = ten;
    other[1] = other[1] == '9' ? '1' : '9';
    for (int last = 0; last <= 9; ++last) ASSERT_FALSE(Cuit(other + static_cast<char>('0' + last)));
  }
}

// A random valid block of the given length: digits, then the check digit.
std::string CbuBlock(std::mt19937& random, size_t length) {
  static constexpr int kPesos[14] = {1, 3, 1, 7, 9, 3, 1, 7, 9, 3, 1, 7, 9, 3};
  std::uniform_int_distribution<int> digit(0, 9);
  std::string block;
  do {
    block.clear();
    int sum = 0;
    for (size_t i = 0; i + 1 < length; ++i) {
      block += static_cast<char>('0' + digit(random));
      sum += (block.back() - '0') * kPesos[length - 1 - i];
    }
    block += static_cast<char>('0' + (10 - sum % 10) % 10);
  } while (block.find_first_not_of('0') == std::string::npos);
  return block;
}

TEST(CBU_EsValidaProperty, EverySingleDigitChangeIsRefused) {
  std::mt19937 random(2005);
  for (int n = 0; n < 300; ++n) {
    const std::string cbu = CbuBlock(random, 8) + "-" + CbuBlock(random, 14);
    ASSERT_EQ(Cbu(cbu), "") << cbu;
    for (size_t i = 0; i < cbu.size(); ++i) {
      if (i == 8) continue;
      for (char d = '0'; d <= '9'; ++d) {
        if (d == cbu[i]) continue;
        std::string changed = cbu;
        changed[i] = d;
        const std::string message = Cbu(changed);
        ASSERT_TRUE(message == (i < 8 ? kPrimeros : kUltimos) || message == kInvalida) << changed;
      }
    }
  }
}

}  // namespace
