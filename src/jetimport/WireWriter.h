/*
** WireWriter: builds the messages that the Jet reader sends to the
** importer through a pipe (see ReaderProtocol.h): fixed-width numbers,
** little-endian as the machine holds them (both ends are the same program
** on the same machine), and texts as a 32-bit length and their bytes.
*/
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace jetimport {

class WireWriter {
 public:
  void U8(uint8_t v) { buffer_ += static_cast<char>(v); }
  void U32(uint32_t v) { Raw(&v, sizeof v); }
  void I32(int32_t v) { Raw(&v, sizeof v); }
  void I64(int64_t v) { Raw(&v, sizeof v); }
  void F64(double v) { Raw(&v, sizeof v); }
  void Text(std::string_view s) {
    U32(static_cast<uint32_t>(s.size()));
    buffer_.append(s);
  }

  const std::string& Bytes() const { return buffer_; }
  size_t Size() const { return buffer_.size(); }
  void Clear() { buffer_.clear(); }

 private:
  void Raw(const void* p, size_t n) { buffer_.append(static_cast<const char*>(p), n); }

  std::string buffer_;
};

}  // namespace jetimport
