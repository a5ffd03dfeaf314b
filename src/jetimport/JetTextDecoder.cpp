/*
** Jet text as UTF-8. See JetTextDecoder.h.
*/
#include "jetimport/JetTextDecoder.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "common/TextCase.h"

namespace jetimport {

namespace {

// Windows-1252 from 0x80 to 0x9F; the undefined five stand for themselves.
constexpr char16_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// UTF-16 code units to UTF-8, pairing surrogates.
std::string FromUtf16(const std::u16string& units) {
  std::string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); i++) {
    char32_t c = units[i];
    if (IsHighSurrogate(c) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      i++;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = kReplacement;
    }
    TextCase::Encode(c, out);
  }
  return out;
}

}  // namespace

JetTextDecoder::JetTextDecoder(int jetVersion, int codePage) : jetVersion_(jetVersion) {
  if (jetVersion_ != 3 || codePage == 0 || codePage == 1252) return;
  const std::string name = "CP" + std::to_string(codePage);
  iconv_t cd = iconv_open("UTF-8", name.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::invalid_argument(name);
  iconv_ = cd;
}

JetTextDecoder::~JetTextDecoder() {
  if (iconv_) iconv_close(static_cast<iconv_t>(iconv_));
}

std::optional<std::string> JetTextDecoder::Decode(std::string_view raw) const {
  if (jetVersion_ != 3) return FromJet4(raw);
  return iconv_ ? FromCodePage(raw) : FromWindows1252(raw);
}

std::optional<std::string> JetTextDecoder::FromJet4(std::string_view raw) {
  std::u16string units;
  units.reserve(raw.size());
  auto byte = [&](size_t i) { return static_cast<unsigned char>(raw[i]); };
  // Two bytes per character from `from` to `to`; false when one is cut.
  auto wide = [&](size_t from, size_t to) {
    if ((to - from) % 2 != 0) return false;
    for (size_t i = from; i < to; i += 2)
      units.push_back(static_cast<char16_t>(byte(i) | (byte(i + 1) << 8)));
    return true;
  };
  if (raw.size() < 2 || byte(0) != 0xFF || byte(1) != 0xFE) {
    if (!wide(0, raw.size())) return std::nullopt;
    return FromUtf16(units);
  }
  // Compressed: every 00 byte ends a run, and the runs alternate between
  // one and two bytes per character, starting with one. A writer uses it
  // only for text whose two-byte characters hold no 00 byte.
  bool oneByte = true;
  size_t run = 2;
  for (size_t i = 2; i <= raw.size(); i++) {
    if (i < raw.size() && byte(i) != 0) continue;
    if (oneByte) {
      for (size_t k = run; k < i; k++) units.push_back(byte(k));
    } else if (!wide(run, i)) {
      return std::nullopt;
    }
    oneByte = !oneByte;
    run = i + 1;
  }
  return FromUtf16(units);
}

std::string JetTextDecoder::FromWindows1252(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (char ch : raw) {
    const unsigned char b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else {
      TextCase::Encode(b < 0xA0 ? kHigh1252[b - 0x80] : b, out);
    }
  }
  return out;
}

std::string JetTextDecoder::FromCodePage(std::string_view raw) const {
  iconv_t cd = static_cast<iconv_t>(iconv_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out;
  char buffer[1024];
  char* in = const_cast<char*>(raw.data());
  size_t inLeft = raw.size();
  while (inLeft > 0) {
    char* to = buffer;
    size_t toLeft = sizeof buffer;
    const size_t rc = iconv(cd, &in, &inLeft, &to, &toLeft);
    out.append(buffer, static_cast<size_t>(to - buffer));
    if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
    // A byte the page does not define, or a lead byte without its trail.
    TextCase::Encode(kReplacement, out);
    in++;
    inLeft--;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace jetimport
