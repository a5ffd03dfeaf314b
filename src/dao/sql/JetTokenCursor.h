/*
** JetTokenCursor: walks the tokens of one statement for the parsers, and
** raises their syntax errors.
**
** Keywords are bare names compared without regard to case; a bracketed name
** is never a keyword. The reserved words below cannot be bare column or table
** names: they end a FROM item, a select item and an expression.
**
** Every error names the token at fault, or the end of the statement. The
** number is the caller's: each statement kind has its own (JetErrors.h).
** An Error token from the tokenizer is reported the same way, with the
** tokenizer's reason.
*/
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dao/sql/JetSqlToken.h"

namespace dao {

class JetTokenCursor {
 public:
  JetTokenCursor(std::string_view statement, std::vector<JetSqlToken> tokens);

  const JetSqlToken& Peek(std::size_t ahead = 0) const;
  // The token at an absolute position, as Position() gives it; End past the
  // list.
  const JetSqlToken& At(std::size_t index) const {
    return index < tokens_.size() ? tokens_[index] : tokens_.back();
  }
  const JetSqlToken& Next();
  std::size_t Position() const { return index_; }
  // A place in the walk, to come back to after reading a clause ahead of
  // its turn (the nesting depth included, should that reading have failed).
  struct Mark {
    std::size_t index;
    int depth;
  };
  Mark Save() const { return {index_, depth_}; }
  void Restore(Mark mark) {
    index_ = mark.index;
    depth_ = mark.depth;
  }
  std::string_view Statement() const { return statement_; }

  bool AtEnd() const { return Peek().kind == JetTokenKind::End; }
  bool IsKeyword(std::string_view keyword, std::size_t ahead = 0) const;
  bool IsSymbol(std::string_view symbol, std::size_t ahead = 0) const;
  bool AcceptKeyword(std::string_view keyword);
  bool AcceptSymbol(std::string_view symbol);
  void ExpectKeyword(std::string_view keyword, int errorNumber, std::string_view what);
  void ExpectSymbol(std::string_view symbol, int errorNumber, std::string_view what);

  // A bare or bracketed name that is not a reserved word.
  bool IsName(std::size_t ahead = 0) const;
  // Takes a name and returns it as written, without brackets.
  std::string ExpectName(int errorNumber, std::string_view what);

  // Raises `errorNumber` with "<what>, cerca de '<token>'." or "... al final
  // de la instrucción." for the current token.
  [[noreturn]] void Fail(int errorNumber, std::string_view what) const;

  // The statement text from the token at `fromIndex` up to the end of the
  // current token, as written and cut to a readable length (Excerpt): the
  // expression at fault in a 3075.
  std::string SourceFrom(std::size_t fromIndex) const;
  // The same up to the end of the last token read: a fault found after a
  // whole call was read (its argument count) shows the call, not what follows.
  std::string SourceRead(std::size_t fromIndex) const;

  static bool IsReserved(std::string_view word);

  // Nesting of parentheses, function calls and subqueries, bounded.
  void Enter();
  void Leave() { --depth_; }

 private:
  static constexpr int kMaxDepth = 100;
  std::string SourceBetween(std::size_t begin, std::size_t end) const;
  int depth_ = 0;
  std::string_view statement_;
  std::vector<JetSqlToken> tokens_;
  std::size_t index_ = 0;
};

// Case-insensitive comparison of ASCII keywords.
bool JetKeywordEquals(std::string_view a, std::string_view b);

}  // namespace dao
