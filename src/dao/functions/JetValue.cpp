/*
** The values the run time's functions give back. See JetValue.h.
*/
#include "dao/functions/JetValue.h"

#include <cmath>

namespace dao {

JetValue JetValue::Integer(int64_t value) {
  JetValue v;
  v.storage_ = JetStorage::Integer;
  v.integer_ = value;
  return v;
}

JetValue JetValue::Real(double value) {
  JetValue v;
  v.storage_ = JetStorage::Real;
  v.real_ = value;
  return v;
}

JetValue JetValue::Text(std::string text) {
  JetValue v;
  v.storage_ = JetStorage::Text;
  v.bytes_ = std::move(text);
  return v;
}

JetValue JetValue::Blob(std::string bytes) {
  JetValue v;
  v.storage_ = JetStorage::Blob;
  v.bytes_ = std::move(bytes);
  return v;
}

JetValue JetValue::Whole(double whole) {
  if (std::fabs(whole) < 9.2e18) return Integer(static_cast<int64_t>(whole));
  return Real(whole);
}

}  // namespace dao
