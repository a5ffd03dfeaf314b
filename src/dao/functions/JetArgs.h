/*
** JetArgs: the arguments of one call of a run-time function, and the one
** way the functions read them.
**
** An argument is a view of the value SQLite handed over (Value), valid for
** the call. The readers read it as the run time reads a value:
**
**   Text         the value as text: a number as the regional settings
**                write it (JetNumberText: "5", "2,5"), Null as ""
**   AsNumber     a number, or a text that is one (JetNumberText: "2,5",
**                "1.234,5", "&H1F")
**   AsDate       a day serial: a number within the calendar (years 100 to
**                9999), or a date text (JetDateText: "22/11/2003",
**                "22/11/2003 7:00 PM", "10:30")
**
** The readers that must find a value fail the call (JetFunctionError) when
** there is none: Null is "Uso no válido de Null.", a value of another kind
** "No coinciden los tipos de datos ...", a whole number beyond 32 bits and
** a number outside the calendar "Desbordamiento.":
**
**   Number, Date       AsNumber, AsDate
**   Whole              Number rounded half to even into -2^31 .. 2^31-1
**   OptionalWhole      Whole, or `fallback` when absent or Null
**   FirstDayOfWeek     an optional firstdayofweek: 1 Sunday .. 7 Saturday,
**                      0 the regional settings' Monday (2); any other
**                      number is "Llamada a procedimiento ..." (error 5)
**
** Date values reach the functions as their serials, so a number is taken
** as a date wherever a date is expected. A row that asks for it (Typed,
** JetFunctionCatalog.h) also gets the Jet type the translation gave its
** first argument (FirstType: a Date, a Single, a Yes/No...), which the
** stored value alone cannot tell.
*/
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "dao/functions/JetValue.h"

namespace dao {

class JetArgs {
 public:
  struct Value {
    JetStorage storage = JetStorage::Null;
    int64_t integer = 0;
    double real = 0;
    std::string_view bytes;  // Text and Blob
  };

  // `textLimit`: the longest text, in bytes, that a result may hold.
  JetArgs(const Value* values, int count,
          std::size_t textLimit = std::numeric_limits<std::size_t>::max(), int firstType = 0)
      : values_(values), count_(count), textLimit_(textLimit), firstType_(firstType) {}

  int Count() const { return count_; }
  const Value& operator[](int i) const { return values_[i]; }
  JetStorage Storage(int i) const { return values_[i].storage; }
  bool IsNull(int i) const { return values_[i].storage == JetStorage::Null; }
  bool IsNumber(int i) const {
    return values_[i].storage == JetStorage::Integer || values_[i].storage == JetStorage::Real;
  }
  std::size_t TextLimit() const { return textLimit_; }
  // The Jet type of the first argument (JetTypes.h), 0 when unknown.
  int FirstType() const { return firstType_; }

  // The argument as a result, unchanged.
  JetValue Copy(int i) const;

  std::string Text(int i) const;
  // The text of a value of that Jet type: a Date as a date (JetDateText), a
  // Single with its 7 digits, a Yes/No as "Verdadero" or "Falso", anything
  // else as Text.
  std::string Text(int i, int jetType) const;
  std::optional<double> AsNumber(int i) const;
  std::optional<double> AsDate(int i) const;

  double Number(int i) const;
  double Date(int i) const;
  long Whole(int i) const;
  long OptionalWhole(int i, long fallback) const;
  int FirstDayOfWeek(int i, long fallback) const;

 private:
  const Value* values_;
  int count_;
  std::size_t textLimit_;
  int firstType_;
};

}  // namespace dao
