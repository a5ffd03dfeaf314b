/*
** Jet's conversions, tests and choices. See JetConversionFunctions.h.
*/
#include "dao/functions/JetConversionFunctions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "dao/functions/JetCollation.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetNumberText.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;

constexpr double kCurrencyLimit = 922337203685477.5807;

// Rounds half to even at the fourth decimal, deciding on the shortest
// decimal text of the double: 1.00015 must round as written, not as its
// binary neighbour 1.000149999... would.
double RoundCurrency(double value) {
  char buf[512];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  if (ec != std::errc()) return std::nearbyint(value * 10000) / 10000;
  const std::string text(buf, end);
  const std::size_t dot = text.find('.');
  if (dot == std::string::npos || text.size() - dot - 1 <= 4) return value;
  const std::string kept = text.substr(0, dot) + text.substr(dot + 1, 4);
  const std::string tail = text.substr(dot + 5);
  long long units = std::strtoll(kept.c_str(), nullptr, 10);
  const bool exactHalf = tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos;
  if (tail[0] > '5' || (tail[0] == '5' && !exactHalf) || (exactHalf && units % 2 == 1)) ++units;
  const double rounded = static_cast<double>(units) / 10000;
  return value < 0 ? -rounded : rounded;
}

JetValue CStr(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  return JetValue::Text(args.Text(0, args.FirstType()));
}

template <long kLow, long kHigh>
JetValue ToWhole(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  const auto d = args.AsNumber(0);
  if (!d) Fail(kTypeMismatch);
  const double r = std::nearbyint(*d);
  if (r < kLow || r > kHigh) Fail(kOverflow);
  return JetValue::Integer(static_cast<int64_t>(r));
}

JetValue CDbl(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  const auto d = args.AsNumber(0);
  if (!d) Fail(kTypeMismatch);
  return JetValue::Real(*d);
}

JetValue CCur(const JetArgs& args) {
  const double d = args.Number(0);
  if (std::fabs(d) > kCurrencyLimit) Fail(kOverflow);
  return JetValue::Real(RoundCurrency(d));
}

JetValue CDate(const JetArgs& args) {
  return JetValue::Real(args.Date(0));
}

bool NamedTruth(const std::string& text, int& out) {
  static const struct {
    const char* name;
    int value;
  } kNames[] = {{"True", -1}, {"False", 0}, {"Verdadero", -1}, {"Falso", 0}};
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  const std::string core = text.substr(first, text.find_last_not_of(' ') - first + 1);
  for (const auto& n : kNames) {
    if (JetCollation::Compare(core, n.name) == 0) {
      out = n.value;
      return true;
    }
  }
  return false;
}

JetValue CBool(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  int named = 0;
  if (args.Storage(0) == JetStorage::Text && NamedTruth(args.Text(0), named))
    return JetValue::Integer(named);
  return JetValue::Truth(args.Number(0) != 0);
}

JetValue CByte(const JetArgs& args) {
  const double d = std::nearbyint(args.Number(0));
  if (d < 0 || d > 255) Fail(kOverflow);
  return JetValue::Integer(static_cast<int>(d));
}

// The nearest Single: what a Single variable holds, to its last bit.
JetValue CSng(const JetArgs& args) {
  const double d = args.Number(0);
  if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max())) Fail(kOverflow);
  return JetValue::Real(static_cast<double>(static_cast<float>(d)));
}

// Decimals hold 28 digits in all: beyond 79228162514264337593543950335 a
// value overflows.
JetValue CDec(const JetArgs& args) {
  const double d = args.Number(0);
  if (std::fabs(d) >= 7.9228162514264338e28) Fail(kOverflow);
  return JetValue::Real(d);
}

JetValue CVar(const JetArgs& args) {
  return args.Copy(0);
}

// Str writes "." before the decimals whatever the regional settings, and a
// blank where a number not negative would have its sign.
JetValue Str(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const int type = args.FirstType();
  if (type == dbDate || type == dbBoolean) return JetValue::Text(args.Text(0, type));
  const double d = args.Number(0);
  const int digits = type == dbSingle ? JetNumberText::kSingleDigits : JetNumberText::kDoubleDigits;
  const std::string text = args.Storage(0) == JetStorage::Integer
                               ? std::to_string(args[0].integer)
                               : JetNumberText::Write(d, digits, ".");
  return JetValue::Text((d >= 0 ? " " : "") + text);
}

JetValue Val(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  std::string s;
  for (char c : args.Text(0)) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
  }
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    // As the run time reads &H and &O: a value that fits 16 bits is a
    // signed Integer (&HFFFF is -1), one that fits 32 bits a signed Long.
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    const unsigned long long value = std::strtoull(s.c_str() + 2, nullptr, base);
    if (value > 0xFFFFFFFFull) Fail(kOverflow);
    const double d = value <= 0xFFFF ? static_cast<int16_t>(value) : static_cast<int32_t>(value);
    return JetValue::Real(d);
  }
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) number += s[i++];
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) number += s[i++];
  }
  if (i + 1 < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (s[j] == '+' || s[j] == '-') exponent += s[j++];
    if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) exponent += s[j++];
      number += exponent;
    }
  }
  const double d = std::strtod(number.c_str(), nullptr);
  return JetValue::Real(std::isfinite(d) ? d : 0.0);
}

// The VarType codes of the Jet types.
int VarTypeOf(const JetArgs& args) {
  switch (args.FirstType()) {
    case dbBoolean:
      return 11;
    case dbByte:
      return 17;
    case dbInteger:
      return 2;
    case dbLong:
      return 3;
    case dbCurrency:
      return 6;
    case dbSingle:
      return 4;
    case dbDouble:
      return 5;
    case dbDate:
      return 7;
    case dbText:
    case dbMemo:
      return 8;
    case dbDecimal:
      return 14;
    case dbLongBinary:
      return 8209;
    default:
      break;
  }
  // A value typed only when it runs: as a computed column reads it.
  switch (args.Storage(0)) {
    case JetStorage::Integer:
      return args[0].integer >= INT32_MIN && args[0].integer <= INT32_MAX ? 3 : 5;
    case JetStorage::Real:
      return 5;
    case JetStorage::Text:
      return 8;
    case JetStorage::Blob:
      return 8209;
    case JetStorage::Null:
      break;
  }
  return 1;
}

JetValue VarType(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue::Integer(1);
  return JetValue::Integer(VarTypeOf(args));
}

JetValue TypeName(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue::Text("Null");
  switch (VarTypeOf(args)) {
    case 11:
      return JetValue::Text("Boolean");
    case 17:
      return JetValue::Text("Byte");
    case 2:
      return JetValue::Text("Integer");
    case 3:
      return JetValue::Text("Long");
    case 6:
      return JetValue::Text("Currency");
    case 4:
      return JetValue::Text("Single");
    case 7:
      return JetValue::Text("Date");
    case 8:
      return JetValue::Text("String");
    case 14:
      return JetValue::Text("Decimal");
    case 8209:
      return JetValue::Text("Byte()");
    default:
      return JetValue::Text("Double");
  }
}

// A value of a query is never Empty (an unassigned Variant) nor an error
// value: IsEmpty and IsError are always False there.
JetValue Never(const JetArgs&) {
  return JetValue::Truth(false);
}

JetValue IsNumeric(const JetArgs& args) {
  return JetValue::Truth(args.AsNumber(0).has_value());
}

JetValue IsDate(const JetArgs& args) {
  return JetValue::Truth(args.AsDate(0).has_value());
}

JetValue Switch(const JetArgs& args) {
  if (args.Count() % 2 != 0) Fail(kInvalidCall);
  for (int i = 0; i < args.Count(); i += 2) {
    if (args.IsNull(i)) continue;
    const auto truth = args.AsNumber(i);
    if (!truth) Fail(kTypeMismatch);
    if (*truth != 0) return args.Copy(i + 1);
  }
  return JetValue();
}

JetValue Choose(const JetArgs& args) {
  if (args.Count() < 2) Fail(kInvalidCall);
  const double index = std::trunc(args.Number(0));
  if (index < 1 || index > args.Count() - 1) return JetValue();
  return args.Copy(static_cast<int>(index));
}

constexpr unsigned kFirst = 0b1;

constexpr JetFunction kRows[] = {
    Scalar("CStr", "jet_cstr", 1, 1, CStr).Returns(dbText).Typed(),
    Scalar("CLng", "jet_clng", 1, 1, ToWhole<-2147483648L, 2147483647L>).Returns(dbLong),
    Scalar("CInt", "jet_cint", 1, 1, ToWhole<-32768L, 32767L>).Returns(dbInteger),
    Scalar("CDbl", "jet_cdbl", 1, 1, CDbl).Returns(dbDouble),
    Scalar("CCur", "jet_ccur", 1, 1, CCur).Returns(dbCurrency),
    Scalar("CDate", "jet_cdate", 1, 1, CDate).Returns(dbDate),
    Scalar("CVDate", "jet_cdate", 1, 1, CDate).Returns(dbDate),
    Scalar("CBool", "jet_cbool", 1, 1, CBool).Returns(dbBoolean),
    Scalar("CByte", "jet_cbyte", 1, 1, CByte).Returns(dbByte),
    Scalar("CSng", "jet_csng", 1, 1, CSng).Returns(dbSingle),
    Scalar("CDec", "jet_cdec", 1, 1, CDec).Returns(dbDecimal),
    Scalar("CVar", "jet_cvar", 1, 1, CVar).Follows(JetResultRule::Argument),
    Scalar("Str", "jet_str", 1, 1, Str).Returns(dbText).Typed(),
    Scalar("Str$", "jet_str_s", 1, 1, NotNull<Str>).Returns(dbText).Typed(),
    Scalar("Val", "jet_val", 1, 1, Val).Returns(dbDouble).Text(kFirst),
    // A Date's text is no number, as Jet answers: IsNumeric reads text.
    Scalar("IsNumeric", "jet_isnumeric", 1, 1, IsNumeric).Returns(dbBoolean).Text(kFirst),
    Scalar("IsDate", "jet_isdate", 1, 1, IsDate).Returns(dbBoolean),
    Scalar("IsEmpty", "jet_isempty", 1, 1, Never).Returns(dbBoolean),
    Scalar("IsError", "jet_iserror", 1, 1, Never).Returns(dbBoolean),
    Scalar("VarType", "jet_vartype", 1, 1, VarType).Returns(dbInteger).Typed(),
    Scalar("TypeName", "jet_typename", 1, 1, TypeName).Returns(dbText).Typed(),
    Scalar("Switch", "jet_switch", 2, 127, Switch).Variadic(),
    Scalar("Choose", "jet_choose", 2, 127, Choose).Variadic(),
    Provided("IIf", "", 3, 3).Follows(JetResultRule::Branches),
    Provided("IsNull", "", 1, 1),
};

}  // namespace

std::span<const JetFunction> JetConversionFunctions() {
  return kRows;
}

}  // namespace dao
