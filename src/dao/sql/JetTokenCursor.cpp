/*
** Token navigation and syntax errors for the Jet SQL parsers. See
** JetTokenCursor.h.
*/
#include "dao/sql/JetTokenCursor.h"

#include <array>

#include "common/TextCase.h"
#include "dao/sql/JetErrors.h"

namespace dao {

namespace {

constexpr std::array<std::string_view, 49> kReserved = {
    "ALL",     "AND",     "AS",     "ASC",      "BETWEEN",     "BY",    "CONSTRAINT",
    "CREATE",  "DELETE",  "DESC",   "DISTINCT", "DISTINCTROW", "DROP",  "EQV",
    "EXISTS",  "FROM",    "GROUP",  "HAVING",   "IMP",         "IN",    "INDEX",
    "INNER",   "INSERT",  "INTO",   "IS",       "JOIN",        "LEFT",  "LIKE",
    "MOD",     "NOT",     "NULL",   "ON",       "OR",          "ORDER", "OUTER",
    "PERCENT", "PRIMARY", "RIGHT",  "SELECT",   "SET",         "TABLE", "TOP",
    "UNION",   "UNIQUE",  "UPDATE", "VALUES",   "WHERE",       "WITH",  "XOR",
};

}  // namespace

bool JetKeywordEquals(std::string_view a, std::string_view b) {
  return TextCase::Equal(a, b);
}

bool JetTokenCursor::IsReserved(std::string_view word) {
  for (auto r : kReserved) {
    if (JetKeywordEquals(word, r)) return true;
  }
  return false;
}

JetTokenCursor::JetTokenCursor(std::string_view statement, std::vector<JetSqlToken> tokens)
    : statement_(statement), tokens_(std::move(tokens)) {}

const JetSqlToken& JetTokenCursor::Peek(std::size_t ahead) const {
  // The list ends with End or Error; looking past it keeps answering it.
  const std::size_t i = index_ + ahead;
  return i < tokens_.size() ? tokens_[i] : tokens_.back();
}

const JetSqlToken& JetTokenCursor::Next() {
  const JetSqlToken& t = Peek();
  if (index_ + 1 < tokens_.size()) ++index_;
  return t;
}

bool JetTokenCursor::IsKeyword(std::string_view keyword, std::size_t ahead) const {
  const auto& t = Peek(ahead);
  return t.kind == JetTokenKind::Name && JetKeywordEquals(t.text, keyword);
}

bool JetTokenCursor::IsSymbol(std::string_view symbol, std::size_t ahead) const {
  const auto& t = Peek(ahead);
  return t.kind == JetTokenKind::Symbol && t.text == symbol;
}

bool JetTokenCursor::AcceptKeyword(std::string_view keyword) {
  if (!IsKeyword(keyword)) return false;
  Next();
  return true;
}

bool JetTokenCursor::AcceptSymbol(std::string_view symbol) {
  if (!IsSymbol(symbol)) return false;
  Next();
  return true;
}

void JetTokenCursor::ExpectKeyword(std::string_view keyword, int errorNumber,
                                   std::string_view what) {
  if (!AcceptKeyword(keyword)) Fail(errorNumber, what);
}

void JetTokenCursor::ExpectSymbol(std::string_view symbol, int errorNumber, std::string_view what) {
  if (!AcceptSymbol(symbol)) Fail(errorNumber, what);
}

bool JetTokenCursor::IsName(std::size_t ahead) const {
  const auto& t = Peek(ahead);
  return t.kind == JetTokenKind::BracketName ||
         (t.kind == JetTokenKind::Name && !IsReserved(t.text));
}

std::string JetTokenCursor::ExpectName(int errorNumber, std::string_view what) {
  if (!IsName()) Fail(errorNumber, what);
  return Next().value;
}

void JetTokenCursor::Fail(int errorNumber, std::string_view what) const {
  const auto& t = Peek();
  if (t.kind == JetTokenKind::End) {
    jeterr::Raise(jeterr::msg::kSyntaxAtEnd.As(errorNumber), {what});
  } else if (t.kind == JetTokenKind::Error) {
    jeterr::Raise(jeterr::msg::kSyntaxUnreadable.As(errorNumber),
                  {what, t.value, jeterr::Excerpt(t.text, 40)});
  }
  jeterr::Raise(jeterr::msg::kSyntaxNear.As(errorNumber), {what, jeterr::Excerpt(t.text)});
}

void JetTokenCursor::Enter() {
  // Deeply nested parentheses or subqueries would exhaust the stack long
  // before they made sense; no statement of the system comes near.
  if (++depth_ > kMaxDepth) jeterr::Raise(jeterr::msg::kNestedTooDeep);
}

std::string JetTokenCursor::SourceFrom(std::size_t fromIndex) const {
  if (fromIndex >= tokens_.size()) return std::string();
  const auto& last = Peek();
  // An unreadable token runs to the end of the text: show all of it.
  const std::size_t end =
      last.kind == JetTokenKind::End ? last.offset : last.offset + last.text.size();
  return SourceBetween(tokens_[fromIndex].offset, end);
}

std::string JetTokenCursor::SourceRead(std::size_t fromIndex) const {
  if (fromIndex >= tokens_.size() || index_ <= fromIndex) return std::string();
  const auto& last = tokens_[index_ - 1];
  return SourceBetween(tokens_[fromIndex].offset, last.offset + last.text.size());
}

std::string JetTokenCursor::SourceBetween(std::size_t begin, std::size_t end) const {
  // A fault at the token right after the expression still shows the
  // expression; trailing blanks are not part of it.
  while (end > begin && (statement_[end - 1] == ' ' || statement_[end - 1] == '\t')) --end;
  return jeterr::Excerpt(statement_.substr(begin, end > begin ? end - begin : 0));
}

}  // namespace dao
