/*
** WireReader: reads a message that WireWriter built. Every read is checked
** against the message's end: a message cut short or holding a length past
** its end raises WireReader::Malformed instead of reading beyond it.
*/
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace jetimport {

class WireReader {
 public:
  struct Malformed : std::runtime_error {
    Malformed() : std::runtime_error("mensaje del lector malformado") {}
  };

  explicit WireReader(std::string_view message) : message_(message) {}

  uint8_t U8() { return static_cast<uint8_t>(Take(1)[0]); }
  uint32_t U32() { return Fixed<uint32_t>(); }
  int32_t I32() { return Fixed<int32_t>(); }
  int64_t I64() { return Fixed<int64_t>(); }
  double F64() { return Fixed<double>(); }
  std::string Text() { return std::string(Take(U32())); }

  bool AtEnd() const { return at_ == message_.size(); }

 private:
  std::string_view Take(size_t n) {
    if (n > message_.size() - at_) throw Malformed();
    std::string_view part = message_.substr(at_, n);
    at_ += n;
    return part;
  }
  template <typename T>
  T Fixed() {
    T v;
    std::memcpy(&v, Take(sizeof v).data(), sizeof v);
    return v;
  }

  std::string_view message_;
  size_t at_ = 0;
};

}  // namespace jetimport
