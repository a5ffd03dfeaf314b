/*
** Jet's text functions. See JetTextFunctions.h.
**
** Texts are decoded into code points once, worked on as such and encoded
** back, so that positions count characters and folding sees whole letters.
*/
#include "dao/functions/JetTextFunctions.h"

#include <cstdint>
#include <string>
#include <vector>

#include "common/TextCase.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetFunctionError.h"
#include "dao/functions/JetTypes.h"

namespace dao {

namespace {

using namespace jetfn;
using Chars = std::vector<char32_t>;

// Code points 0x80 .. 0x9F of the Windows Latin-1 code page; the rest of
// 0 .. 255 are the same code points.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
    0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};

char32_t CharOfCode(long code) {
  return code >= 0x80 && code <= 0x9F ? kHighControls[code - 0x80] : static_cast<char32_t>(code);
}

int CodeOfChar(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return 0x80 + i;
  }
  return '?';
}

Chars Decode(const std::string& s) {
  Chars out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) out.push_back(TextCase::Decode(s, i));
  return out;
}

std::string Encode(const Chars& chars, std::size_t begin = 0, std::size_t end = std::string::npos) {
  std::string out;
  if (end > chars.size()) end = chars.size();
  for (std::size_t i = begin; i < end; ++i) TextCase::Encode(chars[i], out);
  return out;
}

// Byte offset of character number `n` (from 0) of s, or its size.
std::size_t OffsetOfChar(std::string_view s, long n) {
  std::size_t i = 0;
  for (long k = 0; k < n && i < s.size(); ++k) TextCase::Decode(s, i);
  return i;
}

long CharCount(std::string_view s) {
  long count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) TextCase::Decode(s, i);
  return count;
}

// The compare argument at `index`, when given: true for binary comparison.
bool BinaryCompare(const JetArgs& args, int index) {
  const long compare = args.Count() > index ? args.Whole(index) : 1;
  if (compare < -1 || compare > 2) Fail(kInvalidCall);
  return compare == 0;
}

bool SameChar(char32_t a, char32_t b, bool binary) {
  return binary ? a == b : TextCase::FoldChar(a) == TextCase::FoldChar(b);
}

bool MatchesAt(const Chars& text, std::size_t at, const Chars& sought, bool binary) {
  if (at + sought.size() > text.size()) return false;
  for (std::size_t k = 0; k < sought.size(); ++k) {
    if (!SameChar(text[at + k], sought[k], binary)) return false;
  }
  return true;
}

long Count(const JetArgs& args, int index) {
  const long n = args.Whole(index);
  if (n < 0) Fail(kInvalidCall);
  return n;
}

// A text longer than the connection allows is refused before it is built:
// String(2E9, "x") must be an error ("Desbordamiento."), not an exhausted
// memory.
void CheckLength(const JetArgs& args, std::size_t bytes) {
  if (bytes > args.TextLimit()) Fail(kOverflow);
}

JetValue Len(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  return JetValue::Integer(CharCount(args.Text(0)));
}

JetValue Left(const JetArgs& args) {
  const long n = args.Whole(1);
  if (n < 0) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  const std::string s = args.Text(0);
  return JetValue::Text(s.substr(0, OffsetOfChar(s, n)));
}

JetValue Right(const JetArgs& args) {
  const long n = args.Whole(1);
  if (n < 0) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  const std::string s = args.Text(0);
  const long total = CharCount(s);
  return JetValue::Text(s.substr(OffsetOfChar(s, n >= total ? 0 : total - n)));
}

JetValue Mid(const JetArgs& args) {
  const long start = args.Whole(1);
  const bool counted = args.Count() == 3;
  const long length = counted ? args.Whole(2) : -1;
  if (start < 1 || (counted && length < 0)) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  const std::string s = args.Text(0);
  const std::size_t begin = OffsetOfChar(s, start - 1);
  const std::size_t end =
      counted ? begin + OffsetOfChar(std::string_view(s).substr(begin), length) : s.size();
  return JetValue::Text(s.substr(begin, end - begin));
}

template <char32_t (*Map)(char32_t)>
JetValue ChangeCase(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const std::string s = args.Text(0);
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) TextCase::Encode(Map(TextCase::Decode(s, i)), out);
  return JetValue::Text(std::move(out));
}

template <bool kLeft, bool kRight>
JetValue TrimBlanks(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const std::string s = args.Text(0);
  std::size_t begin = 0, end = s.size();
  if (kLeft) {
    while (begin < end && s[begin] == ' ') ++begin;
  }
  if (kRight) {
    while (end > begin && s[end - 1] == ' ') --end;
  }
  return JetValue::Text(s.substr(begin, end - begin));
}

// InStr([start,] text, sought [, compare]).
JetValue InStr(const JetArgs& args) {
  long start = 1;
  int first = 0;
  if (args.Count() >= 3) {
    start = args.Whole(0);
    if (start < 1) Fail(kInvalidCall);
    first = 1;
  }
  const bool binary = args.Count() == 4 && args.Whole(3) == 0;
  if (args.IsNull(first) || args.IsNull(first + 1)) return JetValue();
  auto decode = [binary](const std::string& s) {
    Chars out;
    for (std::size_t i = 0; i < s.size();) {
      const char32_t c = TextCase::Decode(s, i);
      out.push_back(binary ? c : TextCase::FoldChar(c));
    }
    return out;
  };
  const Chars text = decode(args.Text(first));
  const Chars sought = decode(args.Text(first + 1));
  const auto size = static_cast<long>(text.size());
  if (start > size) return JetValue::Integer(0);
  if (sought.empty()) return JetValue::Integer(start);
  for (long p = start - 1; p + static_cast<long>(sought.size()) <= size; ++p) {
    bool found = true;
    for (std::size_t k = 0; k < sought.size() && found; ++k) found = text[p + k] == sought[k];
    if (found) return JetValue::Integer(p + 1);
  }
  return JetValue::Integer(0);
}

// With three or four arguments the first is the start.
unsigned InStrText(int count) {
  return count >= 3 ? 0b110u : 0b011u;
}

JetValue StringOf(const JetArgs& args) {
  const long n = Count(args, 0);
  if (args.IsNull(1)) return JetValue();
  char32_t c = 0;
  if (args.Storage(1) == JetStorage::Text) {
    const std::string s = args.Text(1);
    if (s.empty()) Fail(kInvalidCall);
    std::size_t i = 0;
    c = TextCase::Decode(s, i);
  } else {
    const long code = args.Whole(1);
    c = CharOfCode(((code % 256) + 256) % 256);
  }
  std::string one;
  TextCase::Encode(c, one);
  CheckLength(args, one.size() * static_cast<std::size_t>(n));
  std::string out;
  out.reserve(one.size() * static_cast<std::size_t>(n));
  for (long k = 0; k < n; ++k) out += one;
  return JetValue::Text(std::move(out));
}

JetValue Space(const JetArgs& args) {
  const long n = Count(args, 0);
  CheckLength(args, static_cast<std::size_t>(n));
  return JetValue::Text(std::string(static_cast<std::size_t>(n), ' '));
}

JetValue Chr(const JetArgs& args) {
  const long code = args.Whole(0);
  if (code < 0 || code > 255) Fail(kInvalidCall);
  std::string out;
  TextCase::Encode(CharOfCode(code), out);
  return JetValue::Text(std::move(out));
}

JetValue Asc(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  const std::string s = args.Text(0);
  if (s.empty()) Fail(kInvalidCall);
  std::size_t i = 0;
  return JetValue::Integer(CodeOfChar(TextCase::Decode(s, i)));
}

// AscW: the UTF-16 unit of the first character, as a signed Integer
// (AscW("☺") is 9786; a unit from &H8000 up is negative).
JetValue AscW(const JetArgs& args) {
  if (args.IsNull(0)) Fail(kInvalidNull);
  const std::string s = args.Text(0);
  if (s.empty()) Fail(kInvalidCall);
  std::size_t i = 0;
  char32_t c = TextCase::Decode(s, i);
  // A character beyond the first plane: its leading surrogate.
  if (c > 0xFFFF) c = 0xD800 + ((c - 0x10000) >> 10);
  return JetValue::Integer(static_cast<int16_t>(static_cast<uint16_t>(c)));
}

// ChrW: the character of a UTF-16 unit, -32768 .. 65535.
JetValue ChrW(const JetArgs& args) {
  long code = args.Whole(0);
  if (code < -32768 || code > 65535) Fail(kInvalidCall);
  if (code < 0) code += 65536;
  std::string out;
  TextCase::Encode(static_cast<char32_t>(code), out);
  return JetValue::Text(std::move(out));
}

JetValue Replace(const JetArgs& args) {
  const long start = args.Count() > 3 ? args.Whole(3) : 1;
  const long count = args.Count() > 4 ? args.Whole(4) : -1;
  const bool binary = BinaryCompare(args, 5);
  if (start < 1 || count < -1) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  if (args.IsNull(1) || args.IsNull(2)) Fail(kInvalidNull);
  const Chars text = Decode(args.Text(0));
  const Chars sought = Decode(args.Text(1));
  const std::string with = args.Text(2);
  const auto first = static_cast<std::size_t>(start - 1);
  if (first >= text.size()) return JetValue::Text(std::string());
  if (sought.empty() || count == 0) return JetValue::Text(Encode(text, first));
  std::string out;
  std::size_t i = first;
  for (long done = 0; i < text.size();) {
    if ((count < 0 || done < count) && MatchesAt(text, i, sought, binary)) {
      out += with;
      i += sought.size();
      ++done;
    } else {
      TextCase::Encode(text[i++], out);
    }
  }
  return JetValue::Text(std::move(out));
}

bool IsWordBreak(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0;
}

JetValue StrConv(const JetArgs& args) {
  const long conversion = args.Whole(1);
  if (conversion < 1 || conversion > 3) Fail(kInvalidCall);
  if (args.IsNull(0)) return JetValue();
  Chars text = Decode(args.Text(0));
  bool wordStart = true;
  for (char32_t& c : text) {
    const bool upper = conversion == 1 || (conversion == 3 && wordStart);
    c = upper ? TextCase::UpperChar(c) : TextCase::LowerChar(c);
    wordStart = IsWordBreak(c);
  }
  return JetValue::Text(Encode(text));
}

JetValue StrComp(const JetArgs& args) {
  const bool binary = BinaryCompare(args, 2);
  if (args.IsNull(0) || args.IsNull(1)) return JetValue();
  const std::string a = args.Text(0), b = args.Text(1);
  // UTF-8 bytes order as their code points do.
  const int r = binary ? a.compare(b) : JetCollation::Compare(a, b);
  return JetValue::Integer(r < 0 ? -1 : r > 0 ? 1 : 0);
}

JetValue InStrRev(const JetArgs& args) {
  long start = args.Count() > 2 ? args.Whole(2) : -1;
  const bool binary = BinaryCompare(args, 3);
  if (start == 0 || start < -1) Fail(kInvalidCall);
  if (args.IsNull(0) || args.IsNull(1)) return JetValue();
  const Chars text = Decode(args.Text(0));
  const Chars sought = Decode(args.Text(1));
  const auto size = static_cast<long>(text.size());
  if (start == -1) start = size;
  if (start > size) return JetValue::Integer(0);
  if (sought.empty()) return JetValue::Integer(start);
  // The match must end at or before `start`.
  for (long p = start - static_cast<long>(sought.size()); p >= 0; --p) {
    if (MatchesAt(text, static_cast<std::size_t>(p), sought, binary))
      return JetValue::Integer(p + 1);
  }
  return JetValue::Integer(0);
}

JetValue StrReverse(const JetArgs& args) {
  if (args.IsNull(0)) return JetValue();
  const Chars text = Decode(args.Text(0));
  return JetValue::Text(Encode(Chars(text.rbegin(), text.rend())));
}

constexpr unsigned kFirst = 0b1;

constexpr JetFunction kRows[] = {
    Scalar("Len", "jet_len", 1, 1, Len).Returns(dbLong).Text(kFirst),
    Scalar("Left", "jet_left", 2, 2, Left).Returns(dbText).Text(kFirst),
    Scalar("Right", "jet_right", 2, 2, Right).Returns(dbText).Text(kFirst),
    Scalar("Mid", "jet_mid", 2, 3, Mid).Returns(dbText).Text(kFirst),
    Scalar("UCase", "jet_ucase", 1, 1, ChangeCase<TextCase::UpperChar>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("LCase", "jet_lcase", 1, 1, ChangeCase<TextCase::LowerChar>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("Trim", "jet_trim", 1, 1, TrimBlanks<true, true>).Returns(dbText).Text(kFirst),
    Scalar("LTrim", "jet_ltrim", 1, 1, TrimBlanks<true, false>).Returns(dbText).Text(kFirst),
    Scalar("RTrim", "jet_rtrim", 1, 1, TrimBlanks<false, true>).Returns(dbText).Text(kFirst),
    Scalar("InStr", "jet_instr", 2, 4, InStr).Returns(dbLong).TextBy(InStrText),
    Scalar("InStrRev", "jet_instrrev", 2, 4, InStrRev).Returns(dbLong).Text(0b11),
    Scalar("Replace", "jet_replace", 3, 6, Replace).Returns(dbText).Text(0b111),
    Scalar("StrConv", "jet_strconv", 2, 2, StrConv).Returns(dbText).Text(kFirst),
    Scalar("StrComp", "jet_strcomp", 2, 3, StrComp).Returns(dbInteger).Text(0b11),
    Scalar("StrReverse", "jet_strreverse", 1, 1, StrReverse).Returns(dbText).Text(kFirst),
    Scalar("String", "jet_string", 2, 2, StringOf).Returns(dbText),
    Scalar("Space", "jet_space", 1, 1, Space).Returns(dbText),
    Scalar("Chr", "jet_chr", 1, 1, Chr).Returns(dbText),
    Scalar("Asc", "jet_asc", 1, 1, Asc).Returns(dbInteger).Text(kFirst),
    Scalar("AscW", "jet_ascw", 1, 1, AscW).Returns(dbInteger).Text(kFirst),
    Scalar("ChrW", "jet_chrw", 1, 1, ChrW).Returns(dbText),
    // The $ forms: Strings that cannot be Null.
    Scalar("Left$", "jet_left_s", 2, 2, NotNull<Left>).Returns(dbText).Text(kFirst),
    Scalar("Right$", "jet_right_s", 2, 2, NotNull<Right>).Returns(dbText).Text(kFirst),
    Scalar("Mid$", "jet_mid_s", 2, 3, NotNull<Mid>).Returns(dbText).Text(kFirst),
    Scalar("UCase$", "jet_ucase_s", 1, 1, NotNull<ChangeCase<TextCase::UpperChar>>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("LCase$", "jet_lcase_s", 1, 1, NotNull<ChangeCase<TextCase::LowerChar>>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("Trim$", "jet_trim_s", 1, 1, NotNull<TrimBlanks<true, true>>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("LTrim$", "jet_ltrim_s", 1, 1, NotNull<TrimBlanks<true, false>>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("RTrim$", "jet_rtrim_s", 1, 1, NotNull<TrimBlanks<false, true>>)
        .Returns(dbText)
        .Text(kFirst),
    Scalar("String$", "jet_string_s", 2, 2, NotNull<StringOf>).Returns(dbText),
    Scalar("Space$", "jet_space_s", 1, 1, Space).Returns(dbText),
    Scalar("Chr$", "jet_chr_s", 1, 1, Chr).Returns(dbText),
    Scalar("ChrW$", "jet_chrw_s", 1, 1, ChrW).Returns(dbText),
};

}  // namespace

std::span<const JetFunction> JetTextFunctions() {
  return kRows;
}

}  // namespace dao
