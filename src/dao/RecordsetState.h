/*
** RecordsetState: the state behind a Recordset handle: the running SQLite
** statement, the current row, and the row being added or edited.
**
** The statement streams: only the current row is at hand, read from SQLite
** on demand. A writable dynaset runs the query with the table's rowid as a
** hidden first column and writes through it; after an Edit is saved the
** current row shows the saved values. A row added with AddNew is written
** to the table but does not join the walk in progress, and the current row
** stays the one before AddNew, as in DAO.
**
** It holds the connection, and with it the whole database, open for as
** long as it is open itself (the connection shares the database's
** lifetime); the connection closes it when it closes first.
*/
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Variant.h"
#include "dao/Connection.h"
#include "dao/SqlStatement.h"
#include "dao/ValueBinding.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

class LinkedTables;

class RecordsetState final : private Connection::User {
 public:
  struct Column {
    std::string name;         // the output name
    std::string tableColumn;  // the table column behind it; "" for an expression
    int type = 0;
    int size = 0;
    int precision = 0;  // a decimal column's
    int scale = 0;
  };

  // `links` live as long as `connection` does.
  RecordsetState(std::shared_ptr<Connection> connection, const LinkedTables& links,
                 std::string source, std::shared_ptr<const TranslatedStatement> translated,
                 int type);
  ~RecordsetState();

  void EnsureOpen() const {
    if (!statement_) Closed();
  }
  bool IsOpen() const { return statement_.has_value(); }
  void Close();

  bool Eof() const {
    EnsureOpen();
    return eof_;
  }
  bool Bof() const {
    EnsureOpen();
    return bof_;
  }
  long RecordCount() const {
    EnsureOpen();
    return counted_;
  }
  int Type() const { return type_; }
  bool Updatable() const { return updatable_; }
  int EditMode() const { return editMode_; }

  void MoveNext() {
    EnsureOpen();
    if (eof_) NoCurrentRecord();
    editMode_ = 0;
    bof_ = false;
    Step();
  }
  void MoveFirst();
  void MoveLast();

  const std::vector<Column>& Columns() const { return columns_; }
  // The first column of that name, ignoring case; -1 when absent. Each
  // spelling is compared ignoring case once per record set: a walk that
  // reads fields by name at every row then only compares bytes, and
  // usually only with the spelling that followed the last one found.
  int FindColumn(std::string_view name) const {
    if (nextSpelling_ < spellings_.size()) {
      const Spelling& expected = spellings_[nextSpelling_];
      if (expected.name.size() == name.size() &&
          SameBytes(expected.name.data(), name.data(), name.size())) {
        nextSpelling_ = nextSpelling_ + 1 == spellings_.size() ? 0 : nextSpelling_ + 1;
        return expected.index;
      }
    }
    return FindSpelling(name);
  }
  Variant Value(int index) const {
    // The walk's case: a row as SQLite has it, neither edited nor saved.
    if (!eof_ && editMode_ == 0 && !anySaved_) {
      const Column& col = columns_[static_cast<size_t>(index)];
      return ReadValue(statement_->Raw(), index + firstColumn_, col.type, col.scale);
    }
    return HeldValue(index);
  }
  void SetValue(int index, const Variant& value);

  void AddNew();
  void Edit();
  void Update();
  void CancelUpdate();

 private:
  friend class RecordsetRef;

  void ConnectionClosing() override { Close(); }
  [[noreturn]] static void Closed();
  [[noreturn]] static void NoCurrentRecord();
  // Byte equality without a call: names are short, and a call to memcmp
  // cost a walk by name as much as the rest of its lookup.
  static bool SameBytes(const char* a, const char* b, size_t n) {
    for (; n >= 8; a += 8, b += 8, n -= 8) {
      if (Load<uint64_t>(a) != Load<uint64_t>(b)) return false;
    }
    if (n & 4) {
      if (Load<uint32_t>(a) != Load<uint32_t>(b)) return false;
      a += 4;
      b += 4;
    }
    if (n & 2) {
      if (Load<uint16_t>(a) != Load<uint16_t>(b)) return false;
      a += 2;
      b += 2;
    }
    return (n & 1) == 0 || *a == *b;
  }
  template <typename Word>
  static Word Load(const char* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
  }
  // The walk's next row, inline like the reads between two steps.
  void Step() {
    if (anySaved_) ForgetSaved();
    // At the end until a row comes, also when the step fails.
    eof_ = true;
    if (statement_->Step()) {
      eof_ = false;
      visited_++;
      if (visited_ > counted_) counted_ = visited_;
    }
  }
  void ForgetSaved();
  JetType ComputedType(const std::string& name) const;
  int FindSpelling(std::string_view name) const;
  int SearchColumn(std::string_view name) const;
  Variant HeldValue(int index) const;
  Variant ReadColumn(int index) const;
  void EnsureWritable() const;

  long refs_ = 0;  // RecordsetRef's count
  std::shared_ptr<Connection> connection_;
  const LinkedTables& links_;
  std::string source_;
  std::shared_ptr<const TranslatedStatement> translated_;
  std::optional<SqlStatement> statement_;
  int type_;
  bool updatable_ = false;
  int firstColumn_ = 0;  // 1 when the rowid leads the output
  std::string table_;
  std::vector<Column> columns_;

  // Names as callers spelled them, each with the column it resolved to.
  // A walk reads its fields in the same order at every row, so a search
  // starts after the last spelling found and usually ends at once.
  struct Spelling {
    std::string name;
    int index;
  };
  mutable std::vector<Spelling> spellings_;
  mutable size_t nextSpelling_ = 0;

  bool eof_ = true;  // also whenever closed, which Value relies on
  bool bof_ = true;
  long visited_ = 0;                           // position of the current row in the walk, from 1
  long counted_ = 0;                           // the most rows the walks have reached: RecordCount
  std::vector<std::optional<Variant>> saved_;  // values saved by Update after Edit
  bool anySaved_ = false;

  int editMode_ = 0;
  std::vector<Variant> buffer_;
  std::vector<bool> dirty_;
};

}  // namespace dao
