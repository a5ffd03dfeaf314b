/*
** Variant: the dynamically typed value that crosses the database engine and
** the utilities.
**
** Subtypes, as the platform's variant has them:
**   Empty     never assigned
**   Null      no value (a NULL column)
**   Boolean   True is -1 as a number, False 0
**   Integer   16-bit signed
**   Long      32-bit signed
**   Currency  signed 64-bit count of ten-thousandths
**   Double    IEEE double
**   Date      day serial as a double: 0 = 30 December 1899 midnight, the
**             fraction is the time of day
**   String    UTF-8 text
**   Decimal   an exact decimal: a signed 64-bit count of units of
**             10^-scale, scale 0 to 18 (a decimal column's value)
**
** The conversions here are the invariant ones the engine needs: numbers are
** written with "." as decimal point and without a trailing ".0", as the
** engine writes them. Text forms that follow the regional settings live with
** the regional runtime, not here.
**
** Failing conversions raise AppError 13 (type mismatch) or 6 (overflow), the
** numbers the language run time uses.
*/
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>

enum class VarType { Empty, Null, Boolean, Integer, Long, Currency, Double, Date, String, Decimal };

class Variant {
 public:
  Variant() = default;  // Empty
  Variant(bool b) : value_(BoolBox{b}) {}
  Variant(int16_t i) : value_(i) {}
  Variant(int32_t l) : value_(l) {}
  Variant(double d) : value_(d) {}
  Variant(const char* s) : value_(std::string(s)) {}
  Variant(std::string s) : value_(std::move(s)) {}

  static Variant Null() { return Variant(NullBox{}); }
  static Variant FromCurrency(int64_t tenThousandths) {
    return Variant(CurrencyBox{tenThousandths});
  }
  static Variant FromDate(double serial) { return Variant(DateBox{serial}); }
  // A String made in place from the text, copied once.
  static Variant FromText(std::string_view text) {
    return Variant(std::in_place_type<std::string>, text);
  }
  // units * 10^-scale; scale 0 to 18.
  static Variant FromDecimal(int64_t units, int scale);
  // A Currency from a number, rounded half away from zero to four decimals.
  static Variant CurrencyFromDouble(double value);

  VarType Type() const;
  bool IsEmpty() const { return Type() == VarType::Empty; }
  bool IsNull() const { return Type() == VarType::Null; }
  bool IsNumeric() const;  // Boolean, Integer, Long, Currency, Double, Date, Decimal

  // Raw access for the subtype held; raise 13 on another subtype.
  int64_t CurrencyValue() const;  // ten-thousandths
  double DateValue() const;       // day serial
  int64_t DecimalUnits() const;   // units of 10^-DecimalScale()
  int DecimalScale() const;

  // Conversions. Empty converts as 0 / False / ""; Null raises 94 ("Uso no
  // válido de Null"); ToStringOrEmpty gives "" for Null instead. Numbers
  // round half to even when made whole, as the run time does.
  bool ToBool() const;
  int16_t ToInteger() const;
  int32_t ToLong() const;
  double ToDouble() const {
    // A walk converts values at every read: a Double or a Long needs no call.
    if (const double* d = std::get_if<double>(&value_)) return *d;
    if (const int32_t* l = std::get_if<int32_t>(&value_)) return *l;
    return OtherToDouble();
  }
  std::string ToString() const&;
  // A String's text is moved out of a temporary, so that reading a field's
  // text (rs.Fields("Nombre").Value().ToString()) copies it only once.
  std::string ToString() &&;
  std::string ToStringOrEmpty() const { return IsNull() ? std::string() : ToString(); }

  // Strict equality of subtype and value (Integer 1 differs from Long 1).
  bool operator==(const Variant& other) const;

 private:
  struct NullBox {
    bool operator==(const NullBox&) const = default;
  };
  struct BoolBox {
    bool v;
    bool operator==(const BoolBox&) const = default;
  };
  struct CurrencyBox {
    int64_t v;
    bool operator==(const CurrencyBox&) const = default;
  };
  struct DateBox {
    double v;
    bool operator==(const DateBox&) const = default;
  };
  struct DecimalBox {
    int64_t units;
    int scale;
    bool operator==(const DecimalBox&) const = default;
  };
  double OtherToDouble() const;

  Variant(std::in_place_type_t<std::string> tag, std::string_view text) : value_(tag, text) {}
  explicit Variant(NullBox b) : value_(b) {}
  explicit Variant(DecimalBox b) : value_(b) {}
  explicit Variant(CurrencyBox b) : value_(b) {}
  explicit Variant(DateBox b) : value_(b) {}

  std::variant<std::monostate, NullBox, BoolBox, int16_t, int32_t, CurrencyBox, double, DateBox,
               std::string, DecimalBox>
      value_;
};

// For diagnostics and test messages: the subtype and the value.
std::ostream& operator<<(std::ostream& out, const Variant& v);

// Writes a number as the engine writes it: up to 15 significant digits, "."
// as decimal point, no trailing zeros, no exponent for ordinary magnitudes
// (5, 2.5, -0.125, 1E+20).
std::string FormatEngineNumber(double value);
