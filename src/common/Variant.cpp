/*
** Variant conversions. See Variant.h for the subtypes and their rules.
*/
#include "common/Variant.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <utility>

#include "common/AppError.h"
#include "common/DateSerial.h"
#include "common/TextCase.h"

namespace {

[[noreturn]] void TypeMismatch() {
  Raise(rterr::msg::kTypeMismatch);
}
[[noreturn]] void Overflow() {
  Raise(rterr::msg::kOverflow);
}
[[noreturn]] void NullUse() {
  Raise(rterr::msg::kInvalidUseOfNull);
}

// Round half to even, as the run time's whole-number conversions do.
double RoundHalfEven(double d) {
  double r = std::nearbyint(d);  // default rounding mode is to-nearest-even
  return r;
}

// Invariant parse of a numeric text: optional blanks, sign, digits, "." and an
// exponent. The whole text must be used.
bool ParseNumber(const std::string& s, double& out) {
  size_t b = s.find_first_not_of(" \t");
  size_t e = s.find_last_not_of(" \t");
  if (b == std::string::npos) return false;
  std::string t = s.substr(b, e - b + 1);
  if (t.empty()) return false;
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno == ERANGE) return false;
  // strtod also takes "inf", "nan" and hexadecimal: numbers in text never are.
  for (char c : t) {
    if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
          c == 'e' || c == 'E')) {
      return false;
    }
  }
  out = v;
  return true;
}

std::string FormatDate(double serial) {
  const DateSerial::Parts p = DateSerial::Split(serial);
  const bool hasTime = p.hour != 0 || p.minute != 0 || p.second != 0;
  std::string out;
  char buf[64];
  if (DateSerial::DayPart(serial) != 0 || !hasTime) {
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", p.day, p.month, p.year);
    out = buf;
  }
  if (hasTime) {
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

std::string FormatCurrency(int64_t v) {
  const bool neg = v < 0;
  // Work on the unsigned magnitude so that INT64_MIN does not overflow.
  uint64_t mag = neg ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  std::string s = std::to_string(mag / 10000);
  uint64_t frac = mag % 10000;
  if (frac != 0) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04llu", static_cast<unsigned long long>(frac));
    std::string f = buf;
    while (!f.empty() && f.back() == '0') f.pop_back();
    s += '.' + f;
  }
  return neg ? '-' + s : s;
}

// units * 10^-scale in full, without trailing zeros after the point.
std::string FormatDecimal(int64_t units, int scale) {
  const bool neg = units < 0;
  const uint64_t mag = neg ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
  std::string digits = std::to_string(mag);
  if (scale > 0) {
    if (digits.size() <= static_cast<size_t>(scale)) {
      digits.insert(0, static_cast<size_t>(scale) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<size_t>(scale), ".");
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
  }
  return neg && mag != 0 ? '-' + digits : digits;
}

}  // namespace

std::string FormatEngineNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", value);
  std::string s = buf;
  std::string mantissa = s, exponent;
  if (size_t e = s.find('E'); e != std::string::npos) {
    mantissa = s.substr(0, e);
    exponent = s.substr(e);
  }
  if (mantissa.find('.') != std::string::npos) {
    while (mantissa.back() == '0') mantissa.pop_back();
    if (mantissa.back() == '.') mantissa.pop_back();
  }
  if (!exponent.empty()) {
    // "E+020" -> "E+20": the exponent is written without leading zeros.
    std::string sign = exponent.substr(1, 1);
    std::string digits = exponent.substr(2);
    while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
    exponent = "E" + sign + digits;
  }
  return mantissa + exponent;
}

Variant Variant::CurrencyFromDouble(double value) {
  double scaled = value * 10000.0;
  if (!(std::fabs(scaled) < 9.2233720368547e18)) Overflow();
  return FromCurrency(static_cast<int64_t>(std::round(scaled)));
}

Variant Variant::FromDecimal(int64_t units, int scale) {
  if (scale < 0 || scale > 18) Overflow();
  return Variant(DecimalBox{units, scale});
}

VarType Variant::Type() const {
  switch (value_.index()) {
    case 0:
      return VarType::Empty;
    case 1:
      return VarType::Null;
    case 2:
      return VarType::Boolean;
    case 3:
      return VarType::Integer;
    case 4:
      return VarType::Long;
    case 5:
      return VarType::Currency;
    case 6:
      return VarType::Double;
    case 7:
      return VarType::Date;
    case 8:
      return VarType::String;
    default:
      return VarType::Decimal;
  }
}

bool Variant::IsNumeric() const {
  switch (Type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Currency:
    case VarType::Double:
    case VarType::Date:
    case VarType::Decimal:
      return true;
    default:
      return false;
  }
}

int64_t Variant::CurrencyValue() const {
  if (auto* c = std::get_if<CurrencyBox>(&value_)) return c->v;
  TypeMismatch();
}

double Variant::DateValue() const {
  if (auto* d = std::get_if<DateBox>(&value_)) return d->v;
  TypeMismatch();
}

int64_t Variant::DecimalUnits() const {
  if (auto* d = std::get_if<DecimalBox>(&value_)) return d->units;
  TypeMismatch();
}

int Variant::DecimalScale() const {
  if (auto* d = std::get_if<DecimalBox>(&value_)) return d->scale;
  TypeMismatch();
}

double Variant::OtherToDouble() const {
  switch (Type()) {
    case VarType::Empty:
      return 0;
    case VarType::Null:
      NullUse();
    case VarType::Boolean:
      return std::get<BoolBox>(value_).v ? -1 : 0;
    case VarType::Integer:
      return std::get<int16_t>(value_);
    case VarType::Long:
      return std::get<int32_t>(value_);
    case VarType::Currency:
      return static_cast<double>(std::get<CurrencyBox>(value_).v) / 10000.0;
    case VarType::Double:
      return std::get<double>(value_);
    case VarType::Date:
      return std::get<DateBox>(value_).v;
    case VarType::String: {
      double d;
      if (!ParseNumber(std::get<std::string>(value_), d)) TypeMismatch();
      return d;
    }
    case VarType::Decimal: {
      // Through its text, so that the double is the one nearest the decimal.
      const DecimalBox& b = std::get<DecimalBox>(value_);
      return std::strtod(FormatDecimal(b.units, b.scale).c_str(), nullptr);
    }
  }
  TypeMismatch();
}

bool Variant::ToBool() const {
  switch (Type()) {
    case VarType::Boolean:
      return std::get<BoolBox>(value_).v;
    case VarType::String: {
      const std::string& s = std::get<std::string>(value_);
      if (TextCase::Equal(s, "True") || TextCase::Equal(s, "Verdadero")) return true;
      if (TextCase::Equal(s, "False") || TextCase::Equal(s, "Falso")) return false;
      return ToDouble() != 0;
    }
    default:
      return ToDouble() != 0;
  }
}

int32_t Variant::ToLong() const {
  if (auto* l = std::get_if<int32_t>(&value_)) return *l;
  double r = RoundHalfEven(ToDouble());
  if (!(r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())) {
    Overflow();
  }
  return static_cast<int32_t>(r);
}

int16_t Variant::ToInteger() const {
  if (auto* i = std::get_if<int16_t>(&value_)) return *i;
  double r = RoundHalfEven(ToDouble());
  if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max())) {
    Overflow();
  }
  return static_cast<int16_t>(r);
}

std::string Variant::ToString() && {
  if (auto* text = std::get_if<std::string>(&value_)) return std::move(*text);
  return std::as_const(*this).ToString();
}

std::string Variant::ToString() const& {
  switch (Type()) {
    case VarType::Empty:
      return std::string();
    case VarType::Null:
      NullUse();
    case VarType::Boolean:
      return std::get<BoolBox>(value_).v ? "Verdadero" : "Falso";
    case VarType::Integer:
      return std::to_string(std::get<int16_t>(value_));
    case VarType::Long:
      return std::to_string(std::get<int32_t>(value_));
    case VarType::Currency:
      return FormatCurrency(std::get<CurrencyBox>(value_).v);
    case VarType::Double:
      return FormatEngineNumber(std::get<double>(value_));
    case VarType::Date:
      return FormatDate(std::get<DateBox>(value_).v);
    case VarType::String:
      return std::get<std::string>(value_);
    case VarType::Decimal: {
      const DecimalBox& b = std::get<DecimalBox>(value_);
      return FormatDecimal(b.units, b.scale);
    }
  }
  return std::string();
}

bool Variant::operator==(const Variant& other) const {
  return value_ == other.value_;
}

std::ostream& operator<<(std::ostream& out, const Variant& v) {
  static const char* const kNames[] = {"Empty",    "Null",   "Boolean", "Integer", "Long",
                                       "Currency", "Double", "Date",    "String",  "Decimal"};
  out << kNames[static_cast<int>(v.Type())];
  if (!v.IsEmpty() && !v.IsNull()) out << '(' << v.ToString() << ')';
  return out;
}
