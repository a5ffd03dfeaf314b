/*
** Jet's text, conversion and date functions. See JetScalarFunctions.h.
**
** Null rules follow the run time: the text and date functions give Null for
** a Null text; a Null where a number of characters or a position is needed,
** and a Null given to CStr, CLng, CInt, CDbl or Val, is "Uso no válido de
** Null.". Comparisons inside InStr ignore case as the JET collation does,
** unless its fourth argument is 0 (binary).
*/
#include "dao/functions/JetScalarFunctions.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "common/TextCase.h"
#include "dao/functions/JetCallback.h"
#include "dao/functions/JetDateSerial.h"
#include "dao/functions/JetFunctionArgs.h"
#include "dao/functions/JetSqlValue.h"

namespace dao {

namespace {

using namespace jetsql;

// Reads a count or position argument, rounded half to even; false when the
// result is already set to an error.
bool WholeArgument(sqlite3_context* ctx, sqlite3_value* v, long& out) {
  if (IsNull(v)) {
    ResultError(ctx, kInvalidNull);
    return false;
  }
  double d = 0;
  if (!NumberOf(v, d)) {
    ResultError(ctx, kTypeMismatch);
    return false;
  }
  d = std::nearbyint(d);
  if (d < -2147483648.0 || d > 2147483647.0) {
    ResultError(ctx, kOverflow);
    return false;
  }
  out = static_cast<long>(d);
  return true;
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

void Len(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0]))
    sqlite3_result_null(ctx);
  else
    sqlite3_result_int64(ctx, CharCount(TextOf(argv[0])));
}

void Left(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long n = 0;
  if (!WholeArgument(ctx, argv[1], n)) return;
  if (n < 0) return ResultError(ctx, kInvalidCall);
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const std::string s = TextOf(argv[0]);
  ResultText(ctx, s.substr(0, OffsetOfChar(s, n)));
}

void Right(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long n = 0;
  if (!WholeArgument(ctx, argv[1], n)) return;
  if (n < 0) return ResultError(ctx, kInvalidCall);
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const std::string s = TextOf(argv[0]);
  const long total = CharCount(s);
  ResultText(ctx, s.substr(OffsetOfChar(s, n >= total ? 0 : total - n)));
}

void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long start = 0, length = -1;
  if (!WholeArgument(ctx, argv[1], start)) return;
  if (argc == 3 && !WholeArgument(ctx, argv[2], length)) return;
  if (start < 1 || (argc == 3 && length < 0)) return ResultError(ctx, kInvalidCall);
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const std::string s = TextOf(argv[0]);
  const std::size_t begin = OffsetOfChar(s, start - 1);
  const std::size_t end =
      argc == 3 ? begin + OffsetOfChar(std::string_view(s).substr(begin), length) : s.size();
  ResultText(ctx, s.substr(begin, end - begin));
}

template <char32_t (*Map)(char32_t)>
void ChangeCase(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const std::string s = TextOf(argv[0]);
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) TextCase::Encode(Map(TextCase::Decode(s, i)), out);
  ResultText(ctx, out);
}

template <bool kLeft, bool kRight>
void TrimBlanks(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  const std::string s = TextOf(argv[0]);
  std::size_t begin = 0, end = s.size();
  if (kLeft) {
    while (begin < end && s[begin] == ' ') ++begin;
  }
  if (kRight) {
    while (end > begin && s[end - 1] == ' ') --end;
  }
  ResultText(ctx, s.substr(begin, end - begin));
}

// InStr([start,] text, sought [, compare]).
void InStr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long start = 1;
  int first = 0;
  if (argc >= 3) {
    if (!WholeArgument(ctx, argv[0], start)) return;
    if (start < 1) return ResultError(ctx, kInvalidCall);
    first = 1;
  }
  bool binary = false;
  if (argc == 4) {
    long compare = 1;
    if (!WholeArgument(ctx, argv[3], compare)) return;
    binary = compare == 0;
  }
  if (IsNull(argv[first]) || IsNull(argv[first + 1])) return sqlite3_result_null(ctx);
  auto decode = [binary](const std::string& s) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
      const char32_t c = TextCase::Decode(s, i);
      out.push_back(binary ? c : TextCase::FoldChar(c));
    }
    return out;
  };
  const std::vector<char32_t> text = decode(TextOf(argv[first]));
  const std::vector<char32_t> sought = decode(TextOf(argv[first + 1]));
  const auto size = static_cast<long>(text.size());
  if (start > size) return sqlite3_result_int64(ctx, 0);
  if (sought.empty()) return sqlite3_result_int64(ctx, start);
  for (long p = start - 1; p + static_cast<long>(sought.size()) <= size; ++p) {
    bool found = true;
    for (std::size_t k = 0; k < sought.size() && found; ++k) found = text[p + k] == sought[k];
    if (found) return sqlite3_result_int64(ctx, p + 1);
  }
  sqlite3_result_int64(ctx, 0);
}

// Abs, Int, Fix, Sgn: an integer stays an integer; Null gives Null.
template <double (*Op)(double)>
void Numeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double d = 0;
  if (!NumberOf(argv[0], d)) return ResultError(ctx, kTypeMismatch);
  const double r = Op(d);
  if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER)
    ResultWhole(ctx, r);
  else
    sqlite3_result_double(ctx, r);
}

double AbsOp(double d) {
  return std::fabs(d);
}
double IntOp(double d) {
  return std::floor(d);
}
double FixOp(double d) {
  return std::trunc(d);
}
double SgnOp(double d) {
  return d > 0 ? 1 : d < 0 ? -1 : 0;
}

void Sgn(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double d = 0;
  if (!NumberOf(argv[0], d)) return ResultError(ctx, kTypeMismatch);
  sqlite3_result_int(ctx, static_cast<int>(SgnOp(d)));
}

// Val: the number at the start of a text, blanks anywhere ignored, &H and
// &O prefixes for hexadecimal and octal; 0 when there is none.
void Val(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return ResultError(ctx, kInvalidNull);
  std::string s;
  for (char c : TextOf(argv[0])) {
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
  }
  if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    // As the run time reads &H and &O: a value that fits 16 bits is a
    // signed Integer (&HFFFF is -1), one that fits 32 bits a signed Long.
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    const unsigned long long value = std::strtoull(s.c_str() + 2, nullptr, base);
    if (value > 0xFFFFFFFFull) return ResultError(ctx, kOverflow);
    const double d = value <= 0xFFFF ? static_cast<int16_t>(value) : static_cast<int32_t>(value);
    return sqlite3_result_double(ctx, d);
  }
  std::size_t i = 0;
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) number += s[i++];
  if (i < s.size() && s[i] == '.') {
    number += s[i++];
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) number += s[i++];
  }
  if (i + 1 < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (s[j] == '+' || s[j] == '-') exponent += s[j++];
    if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) exponent += s[j++];
      number += exponent;
    }
  }
  const double d = std::strtod(number.c_str(), nullptr);
  sqlite3_result_double(ctx, std::isfinite(d) ? d : 0.0);
}

void CStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return ResultError(ctx, kInvalidNull);
  ResultText(ctx, TextOf(argv[0]));
}

template <long kLow, long kHigh>
void ToWhole(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return ResultError(ctx, kInvalidNull);
  double d = 0;
  if (!jetargs::ReadNumber(argv[0], d)) return ResultError(ctx, kTypeMismatch);
  const double r = std::nearbyint(d);
  if (r < kLow || r > kHigh) return ResultError(ctx, kOverflow);
  sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(r));
}

void CDbl(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return ResultError(ctx, kInvalidNull);
  double d = 0;
  if (!jetargs::ReadNumber(argv[0], d)) return ResultError(ctx, kTypeMismatch);
  sqlite3_result_double(ctx, d);
}

// Year, Month, Day of a serial, or of a text holding a date.
template <int JetDateParts::*Part>
void DatePart(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(ctx);
  double serial = 0;
  if (!NumberOf(argv[0], serial)) {
    const auto parsed = JetDateSerial::FromLiteral(TextOf(argv[0]));
    if (!parsed) return ResultError(ctx, kTypeMismatch);
    serial = *parsed;
  }
  if (serial < -657434.0 || serial >= 2958466.0) return ResultError(ctx, kInvalidCall);
  sqlite3_result_int(ctx, JetDateSerial::ToParts(serial).*Part);
}

void Now(sqlite3_context* ctx, int, sqlite3_value**) {
  sqlite3_result_double(ctx, JetDateSerial::Now());
}

void Today(sqlite3_context* ctx, int, sqlite3_value**) {
  sqlite3_result_double(ctx, std::floor(JetDateSerial::Now()));
}

// First and Last: the value of the first or last row of the group, Null
// included.
struct Kept {
  bool has;
  sqlite3_value* value;
};

template <bool kLast>
void KeepStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
  auto* kept = static_cast<Kept*>(sqlite3_aggregate_context(ctx, sizeof(Kept)));
  if (kept == nullptr) return sqlite3_result_error_nomem(ctx);
  if (kept->has && !kLast) return;
  sqlite3_value* copy = sqlite3_value_dup(argv[0]);
  if (copy == nullptr) return sqlite3_result_error_nomem(ctx);
  sqlite3_value_free(kept->value);
  kept->value = copy;
  kept->has = true;
}

void KeepFinal(sqlite3_context* ctx) {
  auto* kept = static_cast<Kept*>(sqlite3_aggregate_context(ctx, 0));
  if (kept == nullptr || !kept->has) return sqlite3_result_null(ctx);
  sqlite3_result_value(ctx, kept->value);
  sqlite3_value_free(kept->value);
  kept->value = nullptr;
}

}  // namespace

int RegisterJetScalarFunctions(sqlite3* db) {
  struct Entry {
    const char* name;
    int args;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
  };
  static const Entry kEntries[] = {
      {"jet_len", 1, Guarded<Len>, true},
      {"jet_left", 2, Guarded<Left>, true},
      {"jet_right", 2, Guarded<Right>, true},
      {"jet_mid", 2, Guarded<Mid>, true},
      {"jet_mid", 3, Guarded<Mid>, true},
      {"jet_ucase", 1, Guarded<ChangeCase<TextCase::UpperChar>>, true},
      {"jet_lcase", 1, Guarded<ChangeCase<TextCase::LowerChar>>, true},
      {"jet_trim", 1, Guarded<TrimBlanks<true, true>>, true},
      {"jet_ltrim", 1, Guarded<TrimBlanks<true, false>>, true},
      {"jet_rtrim", 1, Guarded<TrimBlanks<false, true>>, true},
      {"jet_instr", 2, Guarded<InStr>, true},
      {"jet_instr", 3, Guarded<InStr>, true},
      {"jet_instr", 4, Guarded<InStr>, true},
      {"jet_abs", 1, Guarded<Numeric<AbsOp>>, true},
      {"jet_int", 1, Guarded<Numeric<IntOp>>, true},
      {"jet_fix", 1, Guarded<Numeric<FixOp>>, true},
      {"jet_sgn", 1, Guarded<Sgn>, true},
      {"jet_val", 1, Guarded<Val>, true},
      {"jet_cstr", 1, Guarded<CStr>, true},
      {"jet_clng", 1, Guarded<ToWhole<-2147483648L, 2147483647L>>, true},
      {"jet_cint", 1, Guarded<ToWhole<-32768L, 32767L>>, true},
      {"jet_cdbl", 1, Guarded<CDbl>, true},
      {"jet_year", 1, Guarded<DatePart<&JetDateParts::year>>, true},
      {"jet_month", 1, Guarded<DatePart<&JetDateParts::month>>, true},
      {"jet_day", 1, Guarded<DatePart<&JetDateParts::day>>, true},
      {"jet_now", 0, Guarded<Now>, false},
      {"jet_date", 0, Guarded<Today>, false},
  };
  for (const Entry& e : kEntries) {
    const int flags = SQLITE_UTF8 | (e.deterministic ? SQLITE_DETERMINISTIC : 0);
    const int rc =
        sqlite3_create_function(db, e.name, e.args, flags, nullptr, e.fn, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
  }
  int rc = sqlite3_create_function(db, "jet_first", 1, SQLITE_UTF8, nullptr, nullptr,
                                   KeepStep<false>, KeepFinal);
  if (rc == SQLITE_OK)
    rc = sqlite3_create_function(db, "jet_last", 1, SQLITE_UTF8, nullptr, nullptr, KeepStep<true>,
                                 KeepFinal);
  return rc;
}

}  // namespace dao
