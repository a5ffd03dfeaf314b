/*
** Conversions between Variants and SQLite values. See ValueBinding.h.
*/
#include "dao/ValueBinding.h"

#include <climits>
#include <cmath>

#include "dao/JetDecimal.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

Variant TextValue(sqlite3_value* v) {
  const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return Variant::FromText({t ? t : "", static_cast<size_t>(sqlite3_value_bytes(v))});
}

// Everything but the walk's usual cases, out of line so that those stay a
// short call.
[[gnu::noinline]] Variant OtherValue(sqlite3_value* v, int storage, int jetType, int scale) {
  const bool isInteger = storage == SQLITE_INTEGER;
  const bool isNumber = isInteger || storage == SQLITE_FLOAT;
  if (jetType == dbText || jetType == dbMemo || jetType == dbLongBinary) return TextValue(v);
  // A number column holding text (a table made before its checks existed)
  // gives the text as it is.
  if (jetType != 0 && !isNumber) return TextValue(v);
  const sqlite3_int64 i = isInteger ? sqlite3_value_int64(v) : 0;
  const double d = isInteger ? static_cast<double>(i) : isNumber ? sqlite3_value_double(v) : 0;
  switch (jetType) {
    case dbBoolean:
      return Variant(d != 0);
    case dbByte:
    case dbInteger:
      if (isInteger && i >= SHRT_MIN && i <= SHRT_MAX) return Variant(static_cast<int16_t>(i));
      return Variant(d);
    case dbLong:
      if (isInteger && i >= INT_MIN && i <= INT_MAX) return Variant(static_cast<int32_t>(i));
      return Variant(d);
    case dbCurrency:
      if (isInteger && i > -922337203685477 && i < 922337203685477) {
        return Variant::FromCurrency(i * 10000);
      }
      return Variant::CurrencyFromDouble(d);
    case dbSingle:
    case dbDouble:
      return Variant(d);
    case dbDate:
      return Variant::FromDate(d);
    case dbDecimal:
      if (auto decimal = JetDecimal::FromStored(v, scale)) return *decimal;
      return Variant(d);
    default:
      break;
  }
  if (isInteger) {
    if (i >= INT_MIN && i <= INT_MAX) return Variant(static_cast<int32_t>(i));
    return Variant(d);
  }
  if (isNumber) return Variant(d);
  return TextValue(v);
}

// Characters of a UTF-8 text, as the column size counts them.
size_t CharacterCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) {
    if ((c & 0xC0) != 0x80) n++;
  }
  return n;
}

}  // namespace

// A walk reads every field of every row through here: the column is
// fetched once, and its storage class and value read from that. Text in a
// text column, a double in a Double column and a whole number in a Long
// column are answered first; OtherValue has the rest.
Variant ReadValue(sqlite3_stmt* s, int c, int jetType, int scale) {
  sqlite3_value* v = sqlite3_column_value(s, c);
  const int storage = sqlite3_value_type(v);
  if (storage == SQLITE_NULL) return Variant::Null();
  if (storage == SQLITE_TEXT && (jetType == dbText || jetType == dbMemo)) return TextValue(v);
  if (storage == SQLITE_FLOAT && jetType == dbDouble) return Variant(sqlite3_value_double(v));
  if (storage == SQLITE_INTEGER && jetType == dbLong) {
    const sqlite3_int64 i = sqlite3_value_int64(v);
    if (i >= INT_MIN && i <= INT_MAX) return Variant(static_cast<int32_t>(i));
  }
  return OtherValue(v, storage, jetType, scale);
}

void BindValue(sqlite3_stmt* s, int i, const Variant& v) {
  switch (v.Type()) {
    case VarType::Empty:
    case VarType::Null:
      sqlite3_bind_null(s, i);
      return;
    case VarType::Boolean:
      sqlite3_bind_int(s, i, v.ToBool() ? -1 : 0);
      return;
    case VarType::Integer:
    case VarType::Long:
      sqlite3_bind_int(s, i, v.ToLong());
      return;
    case VarType::Currency: {
      // Whole amounts stay integers, so that sums of them are exact.
      int64_t c = v.CurrencyValue();
      if (c % 10000 == 0) {
        sqlite3_bind_int64(s, i, c / 10000);
      } else {
        sqlite3_bind_double(s, i, static_cast<double>(c) / 10000.0);
      }
      return;
    }
    case VarType::Double:
      sqlite3_bind_double(s, i, v.ToDouble());
      return;
    case VarType::Date:
      sqlite3_bind_double(s, i, v.DateValue());
      return;
    case VarType::String: {
      std::string t = v.ToString();
      sqlite3_bind_text(s, i, t.data(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
      return;
    }
    case VarType::Decimal:
      JetDecimal::Bind(s, i, v);
      return;
  }
}

Variant ConvertForColumn(const Variant& v, int type, int size, const std::string& name,
                         int precision, int scale) {
  if (v.IsNull() || v.IsEmpty()) return Variant::Null();
  try {
    switch (type) {
      case dbText:
      case dbMemo: {
        std::string t = v.ToString();
        if (type == dbText && size > 0 && CharacterCount(t) > static_cast<size_t>(size)) {
          jeterr::Raise(jeterr::msg::kFieldTooSmall, {name});
        }
        return Variant(std::move(t));
      }
      case dbBoolean:
        return Variant(v.ToBool());
      case dbByte: {
        int16_t b = v.ToInteger();
        if (b < 0 || b > 255) Raise(rterr::msg::kOverflow);
        return Variant(b);
      }
      case dbInteger:
        return Variant(v.ToInteger());
      case dbLong:
        return Variant(v.ToLong());
      case dbCurrency:
        return v.Type() == VarType::Currency ? v : Variant::CurrencyFromDouble(v.ToDouble());
      case dbSingle:
      case dbDouble:
        return Variant(v.ToDouble());
      case dbDate:
        return v.Type() == VarType::Date ? v : Variant::FromDate(v.ToDouble());
      case dbLongBinary:
        return Variant(v.ToString());
      case dbDecimal: {
        const auto units = JetDecimal::Units(v, scale);
        if (!units || !JetDecimal::Fits(*units, precision, scale)) Raise(rterr::msg::kOverflow);
        return Variant::FromDecimal(*units, scale);
      }
      default:
        jeterr::Raise(jeterr::msg::kFieldNotUpdatable, {name});
    }
  } catch (const AppError& e) {
    if (e.Number() == rterr::kOverflow) {
      jeterr::Raise(jeterr::msg::kNumericOverflow, {name});
    }
    if (e.Number() == rterr::kTypeMismatch) {
      jeterr::Raise(jeterr::msg::kConversion, {name});
    }
    throw;
  }
}

}  // namespace dao
