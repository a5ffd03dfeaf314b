/*
** Reading the arguments of the run time's functions. See JetArgs.h.
*/
#include "dao/functions/JetArgs.h"

#include <cmath>

#include "dao/functions/JetDateSerial.h"
#include "dao/functions/JetDateText.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetNumberText.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

long RoundToLong(double d) {
  d = std::nearbyint(d);
  if (d < -2147483648.0 || d > 2147483647.0) jetfn::Fail(jetfn::kOverflow);
  return static_cast<long>(d);
}

}  // namespace

JetValue JetArgs::Copy(int i) const {
  const Value& v = values_[i];
  switch (v.storage) {
    case JetStorage::Integer:
      return JetValue::Integer(v.integer);
    case JetStorage::Real:
      return JetValue::Real(v.real);
    case JetStorage::Text:
      return JetValue::Text(std::string(v.bytes));
    case JetStorage::Blob:
      return JetValue::Blob(std::string(v.bytes));
    case JetStorage::Null:
      break;
  }
  return JetValue();
}

std::string JetArgs::Text(int i) const {
  const Value& v = values_[i];
  switch (v.storage) {
    case JetStorage::Integer:
      return std::to_string(v.integer);
    case JetStorage::Real:
      return JetNumberText::Write(v.real);
    case JetStorage::Null:
      return std::string();
    default:
      return std::string(v.bytes);
  }
}

std::string JetArgs::Text(int i, int jetType) const {
  if (!IsNumber(i)) return Text(i);
  const double d = *AsNumber(i);
  switch (jetType) {
    case dbDate:
      if (JetDateSerial::InCalendar(d)) return JetDateText::Write(d);
      break;
    case dbSingle:
      return JetNumberText::Write(d, JetNumberText::kSingleDigits);
    case dbBoolean:
      return d != 0 ? "Verdadero" : "Falso";
    default:
      break;
  }
  return Text(i);
}

std::optional<double> JetArgs::AsNumber(int i) const {
  const Value& v = values_[i];
  switch (v.storage) {
    case JetStorage::Integer:
      return static_cast<double>(v.integer);
    case JetStorage::Real:
      return v.real;
    case JetStorage::Text:
      return JetNumberText::Read(v.bytes);
    default:
      return std::nullopt;
  }
}

std::optional<double> JetArgs::AsDate(int i) const {
  const Value& v = values_[i];
  if (IsNumber(i)) {
    const double d = v.storage == JetStorage::Integer ? static_cast<double>(v.integer) : v.real;
    if (!JetDateSerial::InCalendar(d)) return std::nullopt;
    return d;
  }
  if (v.storage != JetStorage::Text) return std::nullopt;
  return JetDateText::Read(v.bytes);
}

double JetArgs::Number(int i) const {
  if (IsNull(i)) jetfn::Fail(jetfn::kInvalidNull);
  const auto d = AsNumber(i);
  if (!d) jetfn::Fail(jetfn::kTypeMismatch);
  return *d;
}

double JetArgs::Date(int i) const {
  if (IsNull(i)) jetfn::Fail(jetfn::kInvalidNull);
  const auto d = AsDate(i);
  // A number outside the calendar is a valid value of the wrong size.
  if (!d) jetfn::Fail(IsNumber(i) ? jetfn::kOverflow : jetfn::kTypeMismatch);
  return *d;
}

long JetArgs::Whole(int i) const {
  return RoundToLong(Number(i));
}

long JetArgs::OptionalWhole(int i, long fallback) const {
  if (count_ <= i || IsNull(i)) return fallback;
  return Whole(i);
}

int JetArgs::FirstDayOfWeek(int i, long fallback) const {
  const long code = OptionalWhole(i, fallback);
  if (code < 0 || code > 7) jetfn::Fail(jetfn::kInvalidCall);
  return code == 0 ? 2 : static_cast<int>(code);
}

}  // namespace dao
