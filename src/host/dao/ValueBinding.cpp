/*
** Conversions between Variants and SQLite values. See ValueBinding.h.
*/
#include "host/dao/ValueBinding.h"

#include <climits>
#include <cmath>

#include "host/dao/JetErrors.h"
#include "host/dao/JetTypes.h"

namespace dao {

namespace {

Variant TextValue(sqlite3_stmt* s, int c) {
  const char* t = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
  return Variant(std::string(t ? t : "", static_cast<size_t>(sqlite3_column_bytes(s, c))));
}

// Characters of a UTF-8 text, as the column size counts them.
size_t CharacterCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) {
    if ((c & 0xC0) != 0x80) n++;
  }
  return n;
}

// A number read from a column whose storage is not numeric (a table made
// before its checks existed): the text's number, or the text itself.
double NumberOf(sqlite3_stmt* s, int c, bool& isNumber) {
  isNumber = sqlite3_column_type(s, c) == SQLITE_INTEGER || sqlite3_column_type(s, c) == SQLITE_FLOAT;
  return sqlite3_column_double(s, c);
}

}  // namespace

Variant ReadValue(sqlite3_stmt* s, int c, int jetType) {
  const int storage = sqlite3_column_type(s, c);
  if (storage == SQLITE_NULL) return Variant::Null();
  bool isNumber = false;
  switch (jetType) {
    case dbText:
    case dbMemo:
    case dbLongBinary:
      return TextValue(s, c);
    case dbBoolean: {
      double d = NumberOf(s, c, isNumber);
      if (!isNumber) return TextValue(s, c);
      return Variant(d != 0);
    }
    case dbByte:
    case dbInteger: {
      double d = NumberOf(s, c, isNumber);
      if (!isNumber || d < SHRT_MIN || d > SHRT_MAX) return isNumber ? Variant(d) : TextValue(s, c);
      return Variant(static_cast<int16_t>(sqlite3_column_int(s, c)));
    }
    case dbLong: {
      double d = NumberOf(s, c, isNumber);
      if (!isNumber || d < INT_MIN || d > INT_MAX) return isNumber ? Variant(d) : TextValue(s, c);
      return Variant(static_cast<int32_t>(sqlite3_column_int(s, c)));
    }
    case dbCurrency: {
      if (storage == SQLITE_INTEGER) {
        return Variant::FromCurrency(sqlite3_column_int64(s, c) * 10000);
      }
      double d = NumberOf(s, c, isNumber);
      return isNumber ? Variant::CurrencyFromDouble(d) : TextValue(s, c);
    }
    case dbSingle:
    case dbDouble: {
      double d = NumberOf(s, c, isNumber);
      return isNumber ? Variant(d) : TextValue(s, c);
    }
    case dbDate: {
      double d = NumberOf(s, c, isNumber);
      return isNumber ? Variant::FromDate(d) : TextValue(s, c);
    }
    default:
      break;
  }
  switch (storage) {
    case SQLITE_INTEGER: {
      sqlite3_int64 v = sqlite3_column_int64(s, c);
      if (v >= INT_MIN && v <= INT_MAX) return Variant(static_cast<int32_t>(v));
      return Variant(static_cast<double>(v));
    }
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(s, c));
    default:
      return TextValue(s, c);
  }
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
  }
}

Variant ConvertForColumn(const Variant& v, int type, int size, const std::string& name) {
  if (v.IsNull() || v.IsEmpty()) return Variant::Null();
  try {
    switch (type) {
      case dbText:
      case dbMemo: {
        std::string t = v.ToString();
        if (type == dbText && size > 0 && CharacterCount(t) > static_cast<size_t>(size)) {
          jeterr::Raise(jeterr::kFieldTooSmall,
                        "El campo '" + name +
                            "' es demasiado pequeño para aceptar la cantidad de datos que intentó "
                            "agregar. Intente insertar o pegar menos datos.");
        }
        return Variant(std::move(t));
      }
      case dbBoolean: return Variant(v.ToBool());
      case dbByte: {
        int16_t b = v.ToInteger();
        if (b < 0 || b > 255) throw AppError(rterr::kOverflow, "");
        return Variant(b);
      }
      case dbInteger: return Variant(v.ToInteger());
      case dbLong: return Variant(v.ToLong());
      case dbCurrency:
        return v.Type() == VarType::Currency ? v : Variant::CurrencyFromDouble(v.ToDouble());
      case dbSingle:
      case dbDouble: return Variant(v.ToDouble());
      case dbDate: return v.Type() == VarType::Date ? v : Variant::FromDate(v.ToDouble());
      case dbLongBinary: return Variant(v.ToString());
      default:
        jeterr::Raise(3164, "No se puede actualizar el campo '" + name + "'.");
    }
  } catch (const AppError& e) {
    if (e.Number() == rterr::kOverflow) {
      jeterr::Raise(jeterr::kNumericOverflow, "Desbordamiento del campo numérico '" + name + "'.");
    }
    if (e.Number() == rterr::kTypeMismatch) {
      jeterr::Raise(jeterr::kConversion,
                    "Error de conversión de tipo de datos en el campo '" + name + "'.");
    }
    throw;
  }
}

}  // namespace dao
