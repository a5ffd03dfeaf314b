/*
** Jet's further text functions. See JetTextFunctions.h.
**
** Texts are decoded into code points once, worked on as such and encoded
** back, so that positions count characters and folding sees whole letters.
*/
#include "dao/functions/JetTextFunctions.h"

#include <string>
#include <vector>

#include "common/TextCase.h"
#include "dao/functions/JetCallback.h"
#include "dao/functions/JetCollation.h"
#include "dao/functions/JetFunctionArgs.h"
#include "dao/functions/JetSqlValue.h"

namespace dao {

namespace {

using namespace jetsql;
using namespace jetargs;

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

// The compare argument at `index`: true for binary comparison.
bool BinaryCompare(sqlite3_context* ctx, int argc, sqlite3_value** argv, int index, bool& binary) {
  long compare = 1;
  if (argc > index && !Whole(ctx, argv[index], compare)) return false;
  if (compare < -1 || compare > 2) {
    ResultError(ctx, kInvalidCall);
    return false;
  }
  binary = compare == 0;
  return true;
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

bool Count(sqlite3_context* ctx, sqlite3_value* v, long& n) {
  if (!Whole(ctx, v, n)) return false;
  if (n < 0) {
    ResultError(ctx, kInvalidCall);
    return false;
  }
  return true;
}

// A text longer than the connection allows is refused before it is built:
// String(2E9, "x") must be an error ("Desbordamiento."), not an exhausted
// memory.
bool TooLong(sqlite3_context* ctx, std::size_t bytes) {
  const int limit = sqlite3_limit(sqlite3_context_db_handle(ctx), SQLITE_LIMIT_LENGTH, -1);
  if (bytes <= static_cast<std::size_t>(limit)) return false;
  ResultError(ctx, kOverflow);
  return true;
}

void StringOf(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long n = 0;
  if (!Count(ctx, argv[0], n)) return;
  if (IsNull(argv[1])) return sqlite3_result_null(ctx);
  char32_t c = 0;
  if (sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
    const std::string s = TextOf(argv[1]);
    if (s.empty()) return ResultError(ctx, kInvalidCall);
    std::size_t i = 0;
    c = TextCase::Decode(s, i);
  } else {
    long code = 0;
    if (!Whole(ctx, argv[1], code)) return;
    c = CharOfCode(((code % 256) + 256) % 256);
  }
  std::string one;
  TextCase::Encode(c, one);
  if (TooLong(ctx, one.size() * static_cast<std::size_t>(n))) return;
  std::string out;
  out.reserve(one.size() * static_cast<std::size_t>(n));
  for (long k = 0; k < n; ++k) out += one;
  ResultText(ctx, out);
}

void Space(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long n = 0;
  if (Count(ctx, argv[0], n) && !TooLong(ctx, static_cast<std::size_t>(n)))
    ResultText(ctx, std::string(static_cast<std::size_t>(n), ' '));
}

void Chr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long code = 0;
  if (!Whole(ctx, argv[0], code)) return;
  if (code < 0 || code > 255) return ResultError(ctx, kInvalidCall);
  std::string out;
  TextCase::Encode(CharOfCode(code), out);
  ResultText(ctx, out);
}

void Asc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return ResultError(ctx, kInvalidNull);
  const std::string s = TextOf(argv[0]);
  if (s.empty()) return ResultError(ctx, kInvalidCall);
  std::size_t i = 0;
  sqlite3_result_int(ctx, CodeOfChar(TextCase::Decode(s, i)));
}

void Replace(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long start = 1, count = -1;
  bool binary = false;
  if (argc > 3 && !Whole(ctx, argv[3], start)) return;
  if (argc > 4 && !Whole(ctx, argv[4], count)) return;
  if (!BinaryCompare(ctx, argc, argv, 5, binary)) return;
  if (start < 1 || count < -1) return ResultError(ctx, kInvalidCall);
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  if (IsNull(argv[1]) || IsNull(argv[2])) return ResultError(ctx, kInvalidNull);
  const Chars text = Decode(TextOf(argv[0]));
  const Chars sought = Decode(TextOf(argv[1]));
  const std::string with = TextOf(argv[2]);
  const auto first = static_cast<std::size_t>(start - 1);
  if (first >= text.size()) return ResultText(ctx, std::string());
  if (sought.empty() || count == 0) return ResultText(ctx, Encode(text, first));
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
  ResultText(ctx, out);
}

bool IsWordBreak(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0;
}

void StrConv(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long conversion = 0;
  if (!Whole(ctx, argv[1], conversion)) return;
  if (conversion < 1 || conversion > 3) return ResultError(ctx, kInvalidCall);
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  Chars text = Decode(TextOf(argv[0]));
  bool wordStart = true;
  for (char32_t& c : text) {
    const bool upper = conversion == 1 || (conversion == 3 && wordStart);
    c = upper ? TextCase::UpperChar(c) : TextCase::LowerChar(c);
    wordStart = IsWordBreak(c);
  }
  ResultText(ctx, Encode(text));
}

void StrComp(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  bool binary = false;
  if (!BinaryCompare(ctx, argc, argv, 2, binary)) return;
  if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(ctx);
  const std::string a = TextOf(argv[0]), b = TextOf(argv[1]);
  // UTF-8 bytes order as their code points do.
  const int r = binary ? a.compare(b) : JetCollation::Compare(a, b);
  sqlite3_result_int(ctx, r < 0 ? -1 : r > 0 ? 1 : 0);
}

void InStrRev(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long start = -1;
  bool binary = false;
  if (argc > 2 && !Whole(ctx, argv[2], start)) return;
  if (!BinaryCompare(ctx, argc, argv, 3, binary)) return;
  if (start == 0 || start < -1) return ResultError(ctx, kInvalidCall);
  if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(ctx);
  const Chars text = Decode(TextOf(argv[0]));
  const Chars sought = Decode(TextOf(argv[1]));
  const auto size = static_cast<long>(text.size());
  if (start == -1) start = size;
  if (start > size) return sqlite3_result_int(ctx, 0);
  if (sought.empty()) return sqlite3_result_int64(ctx, start);
  // The match must end at or before `start`.
  for (long p = start - static_cast<long>(sought.size()); p >= 0; --p) {
    if (MatchesAt(text, static_cast<std::size_t>(p), sought, binary))
      return sqlite3_result_int64(ctx, p + 1);
  }
  sqlite3_result_int(ctx, 0);
}

void StrReverse(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const Chars text = Decode(TextOf(argv[0]));
  ResultText(ctx, Encode(Chars(text.rbegin(), text.rend())));
}

}  // namespace

int RegisterJetTextFunctions(sqlite3* db) {
  static const JetFunctionEntry kEntries[] = {
      {"jet_string", 2, Guarded<StringOf>},
      {"jet_space", 1, Guarded<Space>},
      {"jet_chr", 1, Guarded<Chr>},
      {"jet_asc", 1, Guarded<Asc>},
      {"jet_replace", 3, Guarded<Replace>},
      {"jet_replace", 4, Guarded<Replace>},
      {"jet_replace", 5, Guarded<Replace>},
      {"jet_replace", 6, Guarded<Replace>},
      {"jet_strconv", 2, Guarded<StrConv>},
      {"jet_strcomp", 2, Guarded<StrComp>},
      {"jet_strcomp", 3, Guarded<StrComp>},
      {"jet_instrrev", 2, Guarded<InStrRev>},
      {"jet_instrrev", 3, Guarded<InStrRev>},
      {"jet_instrrev", 4, Guarded<InStrRev>},
      {"jet_strreverse", 1, Guarded<StrReverse>},
  };
  return RegisterDeterministic(db, kEntries);
}

}  // namespace dao
