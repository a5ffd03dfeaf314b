/*
** JetValue: a value as the engine's SQL functions give it back: Null, a
** whole number of 64 bits, a floating-point number, a text or a binary.
**
** These are the storage classes SQLite hands a function and takes back,
** named in the engine's terms, so that the run time's functions are written
** (and tested) without SQLite: the adapter that registers them (dao's
** SqliteFunctions) turns a JetValue into the call's result. A text is UTF-8
** and owned by the value.
*/
#pragma once

#include <cstdint>
#include <string>

namespace dao {

enum class JetStorage { Null, Integer, Real, Text, Blob };

class JetValue {
 public:
  JetValue() = default;  // Null
  static JetValue Integer(int64_t value);
  static JetValue Real(double value);
  static JetValue Text(std::string text);
  static JetValue Blob(std::string bytes);
  // A whole number: an Integer when it fits in 64 bits, else a Real.
  static JetValue Whole(double whole);
  // -1 for true, 0 for false: Jet's truth values as numbers.
  static JetValue Truth(bool truth) { return Integer(truth ? -1 : 0); }

  JetStorage Storage() const { return storage_; }
  bool IsNull() const { return storage_ == JetStorage::Null; }
  int64_t IntegerValue() const { return integer_; }
  double RealValue() const { return real_; }
  // The text or the binary's bytes.
  const std::string& Bytes() const { return bytes_; }

  bool operator==(const JetValue& other) const = default;

 private:
  JetStorage storage_ = JetStorage::Null;
  int64_t integer_ = 0;
  double real_ = 0;
  std::string bytes_;
};

}  // namespace dao
