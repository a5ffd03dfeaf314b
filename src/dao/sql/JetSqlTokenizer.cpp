/*
** Cutting Jet SQL into tokens. See JetSqlTokenizer.h.
*/
#include "dao/sql/JetSqlTokenizer.h"

#include <cstdio>

#include "dao/functions/JetDateSerial.h"

namespace dao {

namespace {

constexpr const char* kInvalidCharacter = "carácter no válido";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '_' || u >= 0x80;
}

bool AllDigits(std::string_view s) {
  for (char c : s) {
    if (!IsDigit(c)) return false;
  }
  return !s.empty();
}

// The serial of a date literal as a decimal that reads back to the same
// double, so that a literal compares equal with the stored value.
std::string SerialText(double serial) {
  char buf[40];
  if (serial == static_cast<double>(static_cast<long long>(serial))) {
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(serial));
  } else {
    std::snprintf(buf, sizeof buf, "%.17g", serial);
  }
  return buf;
}

class Cutter {
 public:
  explicit Cutter(std::string_view text) : text_(text) {}

  std::vector<JetSqlToken> Run() {
    while (true) {
      while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
      if (pos_ >= text_.size()) {
        Push(JetTokenKind::End, pos_, pos_, "");
        return std::move(tokens_);
      }
      if (!CutOne()) return std::move(tokens_);
    }
  }

 private:
  static bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
  }

  void Push(JetTokenKind kind, size_t begin, size_t end, std::string value) {
    JetSqlToken t;
    t.kind = kind;
    t.text = text_.substr(begin, end - begin);
    t.value = std::move(value);
    t.offset = begin;
    tokens_.push_back(std::move(t));
  }

  // A NUL byte is refused inside a text or a name as anywhere else: SQLite
  // would take the statement only up to it.
  bool HasNul(size_t begin, size_t end) const {
    return text_.substr(begin, end - begin).find('\0') != std::string_view::npos;
  }

  bool Fail(size_t begin, std::string why) {
    Push(JetTokenKind::Error, begin, text_.size(), std::move(why));
    return false;
  }

  bool CutOne() {
    const size_t begin = pos_;
    const char c = text_[pos_];
    if (IsDigit(c) ||
        (c == '.' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]) && !AfterName())) {
      return CutNumberOrName();
    }
    if (IsNameChar(c)) {
      while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
      // The $ forms of the functions: Left$, Str$, Format$ ...
      if (pos_ < text_.size() && text_[pos_] == '$') ++pos_;
      Push(JetTokenKind::Name, begin, pos_, std::string(text_.substr(begin, pos_ - begin)));
      return true;
    }
    switch (c) {
      case '[': {
        const size_t close = text_.find(']', pos_ + 1);
        if (close == std::string_view::npos) return Fail(begin, "falta el corchete de cierre");
        if (close == pos_ + 1) return Fail(begin, "nombre vacío entre corchetes");
        if (HasNul(begin, close)) return Fail(begin, kInvalidCharacter);
        pos_ = close + 1;
        Push(JetTokenKind::BracketName, begin, pos_,
             std::string(text_.substr(begin + 1, close - begin - 1)));
        return true;
      }
      case '`': {
        // Back-quoted names are the ANSI-mode spelling of [names].
        const size_t close = text_.find('`', pos_ + 1);
        if (close == std::string_view::npos)
          return Fail(begin, "falta la comilla invertida de cierre");
        if (close == pos_ + 1) return Fail(begin, "nombre vacío entre comillas invertidas");
        if (HasNul(begin, close)) return Fail(begin, kInvalidCharacter);
        pos_ = close + 1;
        Push(JetTokenKind::BracketName, begin, pos_,
             std::string(text_.substr(begin + 1, close - begin - 1)));
        return true;
      }
      case '\'':
      case '"':
        return CutText(c);
      case '#': {
        const size_t close = text_.find('#', pos_ + 1);
        if (close == std::string_view::npos) return Fail(begin, "falta el # de cierre de la fecha");
        const auto serial = JetDateSerial::FromLiteral(text_.substr(begin + 1, close - begin - 1));
        if (!serial) return Fail(begin, "fecha no válida");
        pos_ = close + 1;
        Push(JetTokenKind::Date, begin, pos_, SerialText(*serial));
        return true;
      }
      case '<':
        if (pos_ + 1 < text_.size() && (text_[pos_ + 1] == '>' || text_[pos_ + 1] == '=')) {
          pos_ += 2;
          Push(JetTokenKind::Symbol, begin, pos_, std::string(text_.substr(begin, 2)));
          return true;
        }
        break;
      case '>':
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '=') {
          pos_ += 2;
          Push(JetTokenKind::Symbol, begin, pos_, ">=");
          return true;
        }
        break;
      default:
        break;
    }
    static constexpr std::string_view kSingles = "=<>+-*/\\^&,.();";
    if (kSingles.find(c) == std::string_view::npos) return Fail(begin, kInvalidCharacter);
    ++pos_;
    Push(JetTokenKind::Symbol, begin, pos_, std::string(1, c));
    return true;
  }

  // A '.' after a name, a bracketed name or ')' qualifies; elsewhere ".5"
  // is a number.
  bool AfterName() const {
    if (tokens_.empty() || tokens_.back().offset + tokens_.back().text.size() != pos_) return false;
    const auto& last = tokens_.back();
    return last.kind == JetTokenKind::Name || last.kind == JetTokenKind::BracketName ||
           (last.kind == JetTokenKind::Symbol && last.text == ")");
  }

  bool CutNumberOrName() {
    const size_t begin = pos_;
    size_t run = pos_;
    while (run < text_.size() && IsNameChar(text_[run])) ++run;
    const std::string_view word = text_.substr(begin, run - begin);
    if (!word.empty() && !AllDigits(word)) {
      // 1E5 and 1E+5 are numbers; any other run with a letter is a name.
      const size_t e = word.find_first_not_of("0123456789");
      const bool exponent = (word[e] == 'E' || word[e] == 'e');
      if (exponent && AllDigits(word.substr(e + 1))) {
        pos_ = run;
        Push(JetTokenKind::Number, begin, pos_, std::string(word));
        return true;
      }
      if (exponent && e + 1 == word.size() && run + 1 < text_.size() &&
          (text_[run] == '+' || text_[run] == '-') && IsDigit(text_[run + 1])) {
        pos_ = run + 1;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
        return PushNumber(begin);
      }
      pos_ = run;
      Push(JetTokenKind::Name, begin, pos_, std::string(word));
      return true;
    }
    pos_ = run;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    }
    if (pos_ + 1 < text_.size() && (text_[pos_] == 'E' || text_[pos_] == 'e')) {
      size_t p = pos_ + 1;
      if (text_[p] == '+' || text_[p] == '-') ++p;
      if (p < text_.size() && IsDigit(text_[p])) {
        pos_ = p;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      }
    }
    return PushNumber(begin);
  }

  bool PushNumber(size_t begin) {
    if (pos_ < text_.size() && IsNameChar(text_[pos_])) return Fail(begin, "número mal escrito");
    Push(JetTokenKind::Number, begin, pos_, std::string(text_.substr(begin, pos_ - begin)));
    return true;
  }

  bool CutText(char quote) {
    const size_t begin = pos_;
    std::string value;
    ++pos_;
    while (true) {
      const size_t close = text_.find(quote, pos_);
      if (close == std::string_view::npos) return Fail(begin, "falta la comilla de cierre");
      if (HasNul(pos_, close)) return Fail(begin, kInvalidCharacter);
      value.append(text_.substr(pos_, close - pos_));
      pos_ = close + 1;
      if (pos_ < text_.size() && text_[pos_] == quote) {
        value += quote;
        ++pos_;
        continue;
      }
      break;
    }
    Push(JetTokenKind::Text, begin, pos_, std::move(value));
    return true;
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::vector<JetSqlToken> tokens_;
};

}  // namespace

std::vector<JetSqlToken> JetSqlTokenizer::Tokenize(std::string_view text) {
  return Cutter(text).Run();
}

}  // namespace dao
