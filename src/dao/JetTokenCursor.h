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
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dao/JetSqlToken.h"

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

  static bool IsReserved(std::string_view word);

  // How the translation writes a table that a statement reads or writes:
  // "name" unless the namer gives another form (the engine names the schema
  // of a linked file there). The namer answers "" for a plain name.
  using TableNamer = std::function<std::string(const std::string&)>;
  void SetTableNamer(TableNamer namer) { namer_ = std::move(namer); }
  std::string TableSql(const std::string& name) const;

  // The Jet type of a table's column, for typing expressions: 0 when the
  // table or column is unknown or no typer is set. A translation that asked
  // (SchemaConsulted) depends on the schema it was made under.
  using ColumnTyper = std::function<int(const std::string& table, const std::string& column)>;
  void SetColumnTyper(ColumnTyper typer) { typer_ = std::move(typer); }
  int ColumnType(const std::string& table, const std::string& column);
  bool SchemaConsulted() const { return schemaConsulted_; }

  // Nesting of parentheses, function calls and subqueries, bounded.
  void Enter();
  void Leave() { --depth_; }

 private:
  static constexpr int kMaxDepth = 100;
  int depth_ = 0;
  std::string_view statement_;
  std::vector<JetSqlToken> tokens_;
  std::size_t index_ = 0;
  TableNamer namer_;
  ColumnTyper typer_;
  bool schemaConsulted_ = false;
};

// Case-insensitive comparison of ASCII keywords.
bool JetKeywordEquals(std::string_view a, std::string_view b);

}  // namespace dao
