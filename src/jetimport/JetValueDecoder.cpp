/*
** Jet values from their bytes. See JetValueDecoder.h.
*/
#include "jetimport/JetValueDecoder.h"

#include <charconv>
#include <cstdint>
#include <cstring>

#include "jetimport/SourceTable.h"

namespace jetimport {

namespace {

template <typename T>
T Little(std::string_view raw, size_t at = 0) {
  T value;
  std::memcpy(&value, raw.data() + at, sizeof value);
  return value;
}

uint32_t Word(std::string_view raw, size_t at) {
  return Little<uint32_t>(raw, at);
}

JetCell Integral(JetCell::Kind kind, int64_t value) {
  JetCell c;
  c.kind = kind;
  c.integer = value;
  return c;
}

JetCell Number(JetCell::Kind kind, double value) {
  JetCell c;
  c.kind = kind;
  c.number = value;
  return c;
}

JetCell Textual(JetCell::Kind kind, std::string text) {
  JetCell c;
  c.kind = kind;
  c.text = std::move(text);
  return c;
}

}  // namespace

std::optional<JetCell> JetValueDecoder::Decode(int jetType, std::string_view raw, int scale) const {
  using K = JetCell::Kind;
  const size_t n = raw.size();
  switch (static_cast<JetColumnType>(jetType)) {
    case JetColumnType::Byte:
      if (n != 1) return std::nullopt;
      return Integral(K::Integer, static_cast<unsigned char>(raw[0]));
    case JetColumnType::Integer:
      if (n != 2) return std::nullopt;
      return Integral(K::Integer, Little<int16_t>(raw));
    case JetColumnType::Long:
      if (n != 4) return std::nullopt;
      return Integral(K::Long, Little<int32_t>(raw));
    case JetColumnType::Currency:
      if (n != 8) return std::nullopt;
      return Integral(K::Currency, Little<int64_t>(raw));
    case JetColumnType::Single:
      if (n != 4) return std::nullopt;
      return Number(K::Double, Single(Little<float>(raw)));
    case JetColumnType::Double:
      if (n != 8) return std::nullopt;
      return Number(K::Double, Little<double>(raw));
    case JetColumnType::DateTime:
      if (n != 8) return std::nullopt;
      return Number(K::Date, Little<double>(raw));
    case JetColumnType::Text:
    case JetColumnType::Memo: {
      auto text = text_.Decode(raw);
      if (!text) return std::nullopt;
      return Textual(K::Text, std::move(*text));
    }
    case JetColumnType::Binary:
    case JetColumnType::OleObject:
      return Textual(K::Bytes, std::string(raw));
    case JetColumnType::ReplicationId: {
      auto guid = Guid(raw);
      if (!guid) return std::nullopt;
      return Textual(K::Text, std::move(*guid));
    }
    case JetColumnType::Numeric: {
      auto digits = Decimal(raw, scale);
      if (!digits) return std::nullopt;
      return Textual(K::Decimal, std::move(*digits));
    }
    default:
      return std::nullopt;
  }
}

JetCell JetValueDecoder::Boolean(bool value) {
  return Integral(JetCell::Kind::Boolean, value);
}

std::optional<std::string> JetValueDecoder::Decimal(std::string_view raw, int scale) {
  if (raw.size() != 17 || scale < 0 || scale > 38) return std::nullopt;
  unsigned __int128 units = 0;
  for (size_t at = 1; at < 17; at += 4) units = (units << 32) | Word(raw, at);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(units % 10)));
    units /= 10;
  } while (units != 0);
  if (scale > 0) {
    if (digits.size() <= static_cast<size_t>(scale))
      digits.insert(0, static_cast<size_t>(scale) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(scale), ".");
  }
  const bool zero = digits.find_first_not_of("0.") == std::string::npos;
  if ((static_cast<unsigned char>(raw[0]) & 0x80) && !zero) digits.insert(0, "-");
  return digits;
}

std::optional<std::string> JetValueDecoder::Guid(std::string_view raw) {
  if (raw.size() != 16) return std::nullopt;
  static constexpr char kHex[] = "0123456789ABCDEF";
  // Data1, Data2 and Data3 are little-endian; Data4 is eight bytes as they lie.
  static constexpr int kOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
  std::string out = "{";
  for (int i = 0; i < 16; i++) {
    if (i == 4 || i == 6 || i == 8 || i == 10) out += '-';
    const unsigned char b = static_cast<unsigned char>(raw[static_cast<size_t>(kOrder[i])]);
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
  return out + "}";
}

double JetValueDecoder::Single(float value) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  double shortest = value;
  std::from_chars(buffer, written.ptr, shortest);
  return shortest;
}

}  // namespace jetimport
