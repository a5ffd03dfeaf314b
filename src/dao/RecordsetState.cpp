/*
** RecordsetState: the walk and the writes of a record set. See
** RecordsetState.h.
*/
#include "dao/RecordsetState.h"

#include "common/TextCase.h"
#include "dao/LinkedTables.h"
#include "dao/Recordset.h"
#include "dao/functions/JetTypes.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

RecordsetRef::RecordsetRef(RecordsetState* state) : state_(state), count_(&state->refs_) {
  ++*count_;
}

void RecordsetRef::Destroy(RecordsetState* state) {
  delete state;
}

RecordsetState::RecordsetState(std::shared_ptr<Connection> connection, const LinkedTables& links,
                               std::string source,
                               std::shared_ptr<const TranslatedStatement> translated, int type)
    : connection_(std::move(connection)),
      links_(links),
      source_(std::move(source)),
      translated_(std::move(translated)),
      type_(type) {
  const FailureContext context = connection_->Context(JetStatementKind::Select, &source_);
  const bool wantsWrites = type_ == dbOpenDynaset || type_ == dbOpenTable;
  if (wantsWrites && translated_->updatable && !connection_->ReadOnly()) {
    // A table reached through a view (a renamed link) has no rowid: the
    // record set is then read-only.
    statement_ = connection_->TryPrepareOnce(translated_->rowidSql, context);
    if (statement_) {
      updatable_ = true;
      firstColumn_ = 1;
      table_ = translated_->table;
    }
  }
  if (!statement_) statement_.emplace(connection_->PrepareOnce(translated_->sql, context));
  sqlite3_stmt* raw = statement_->Raw();
  saved_.assign(static_cast<size_t>(sqlite3_column_count(raw) - firstColumn_), std::nullopt);
  const int n = sqlite3_column_count(raw);
  for (int i = firstColumn_; i < n; i++) {
    Column col;
    col.name = sqlite3_column_name(raw, i);
    const char* origin = sqlite3_column_origin_name(raw, i);
    col.tableColumn = origin ? origin : "";
    const char* decl = sqlite3_column_decltype(raw, i);
    JetType jt = JetTypeFromDeclared(decl ? decl : "");
    // A computed column has no declared type: it takes the one the
    // translation gave its expression.
    if (decl == nullptr) jt = ComputedType(col.name);
    col.type = jt.type;
    col.size = jt.size;
    col.precision = jt.precision;
    col.scale = jt.scale;
    columns_.push_back(std::move(col));
  }
  // The columns' own spellings, each naming the first column it matches.
  for (size_t i = 0; i < columns_.size(); i++) {
    if (SearchColumn(columns_[i].name) == static_cast<int>(i)) {
      spellings_.push_back({columns_[i].name, static_cast<int>(i)});
    }
  }
  Step();
  bof_ = eof_;
  connection_->Attach(this);
}

JetType RecordsetState::ComputedType(const std::string& name) const {
  const int type = translated_->OutputType(name);
  // The size a table column of that type would have (text: 255).
  return type != 0 ? JetTypeFromDeclared(DeclaredType(type, 0)) : JetType{};
}

RecordsetState::~RecordsetState() {
  if (statement_ && connection_) connection_->Detach(this);
}

void RecordsetState::NoCurrentRecord() {
  jeterr::Raise(jeterr::msg::kNoCurrentRecord);
}

void RecordsetState::Closed() {
  jeterr::Raise(jeterr::msg::kRecordsetClosed);
}

void RecordsetState::Close() {
  if (!statement_) return;
  statement_.reset();
  eof_ = bof_ = true;
  editMode_ = 0;
  // A closed record set no longer keeps its database open (a handle kept
  // only for its fields' names must not hold an exclusive file).
  std::shared_ptr<Connection> connection = std::move(connection_);
  connection->Detach(this);
}

void RecordsetState::ForgetSaved() {
  saved_.assign(columns_.size(), std::nullopt);
  anySaved_ = false;
}

void RecordsetState::MoveFirst() {
  EnsureOpen();
  if (type_ == dbOpenForwardOnly && visited_ > 1) {
    jeterr::Raise(jeterr::msg::kNotSupported);
  }
  editMode_ = 0;
  statement_->Reset();
  visited_ = 0;
  Step();
  bof_ = eof_;
  if (eof_) NoCurrentRecord();
}

void RecordsetState::MoveLast() {
  EnsureOpen();
  if (eof_ && bof_) NoCurrentRecord();
  editMode_ = 0;
  // Streams to the end, keeping the last row: the statement can only go
  // forward, so the last row is found again by its position.
  long last = visited_;
  while (!eof_) {
    last = visited_;
    Step();
  }
  statement_->Reset();
  visited_ = 0;
  Step();
  while (visited_ < last && !eof_) Step();
  bof_ = false;
}

int RecordsetState::FindSpelling(std::string_view name) const {
  const size_t n = spellings_.size();
  for (size_t k = 0; k < n; k++) {
    size_t at = nextSpelling_ + k;
    if (at >= n) at -= n;
    if (spellings_[at].name == name) {
      nextSpelling_ = at + 1 == n ? 0 : at + 1;
      return spellings_[at].index;
    }
  }
  const int index = SearchColumn(name);
  // Names built at run time in ever new spellings must not grow the list
  // without end: past the bound they are searched every time.
  if (index >= 0 && n < 4 * columns_.size() + 16) spellings_.push_back({std::string(name), index});
  return index;
}

int RecordsetState::SearchColumn(std::string_view name) const {
  for (size_t i = 0; i < columns_.size(); i++) {
    if (TextCase::Equal(columns_[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

Variant RecordsetState::ReadColumn(int index) const {
  if (anySaved_ && saved_[static_cast<size_t>(index)]) return *saved_[static_cast<size_t>(index)];
  const Column& col = columns_[static_cast<size_t>(index)];
  return ReadValue(statement_->Raw(), index + firstColumn_, col.type, col.scale);
}

Variant RecordsetState::HeldValue(int index) const {
  EnsureOpen();
  if (editMode_ != 0) return buffer_[static_cast<size_t>(index)];
  if (eof_) NoCurrentRecord();
  return ReadColumn(index);
}

void RecordsetState::EnsureWritable() const {
  EnsureOpen();
  if (!updatable_) {
    jeterr::Raise(jeterr::msg::kRecordsetReadOnly, {source_});
  }
}

void RecordsetState::SetValue(int index, const Variant& value) {
  EnsureWritable();
  if (editMode_ == 0) {
    jeterr::Raise(jeterr::msg::kUpdateWithoutEdit);
  }
  const Column& col = columns_[static_cast<size_t>(index)];
  if (col.tableColumn.empty()) {
    jeterr::Raise(jeterr::msg::kFieldNotUpdatable, {col.name});
  }
  buffer_[static_cast<size_t>(index)] =
      ConvertForColumn(value, col.type, col.size, col.name, col.precision, col.scale);
  dirty_[static_cast<size_t>(index)] = true;
}

void RecordsetState::AddNew() {
  EnsureWritable();
  editMode_ = 2;
  buffer_.assign(columns_.size(), Variant::Null());
  dirty_.assign(columns_.size(), false);
}

void RecordsetState::Edit() {
  EnsureWritable();
  if (eof_) NoCurrentRecord();
  buffer_.clear();
  for (size_t i = 0; i < columns_.size(); i++) buffer_.push_back(ReadColumn(static_cast<int>(i)));
  dirty_.assign(columns_.size(), false);
  editMode_ = 1;
}

void RecordsetState::CancelUpdate() {
  EnsureOpen();
  if (editMode_ == 0) {
    jeterr::Raise(jeterr::msg::kUpdateWithoutEdit);
  }
  editMode_ = 0;
}

void RecordsetState::Update() {
  EnsureWritable();
  if (editMode_ == 0) {
    jeterr::Raise(jeterr::msg::kUpdateWithoutEdit);
  }
  std::string sql;
  std::vector<int> written;
  for (size_t i = 0; i < columns_.size(); i++) {
    if (dirty_[i]) written.push_back(static_cast<int>(i));
  }
  const std::string table = links_.TableSql(table_);
  if (editMode_ == 2) {
    if (written.empty()) {
      sql = "INSERT INTO " + table + " DEFAULT VALUES";
    } else {
      std::string names, params;
      for (int i : written) {
        if (!names.empty()) {
          names += ',';
          params += ',';
        }
        names += QuoteIdentifier(columns_[static_cast<size_t>(i)].tableColumn);
        params += '?';
      }
      sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + params + ")";
    }
  } else {
    if (written.empty()) {
      editMode_ = 0;
      return;
    }
    std::string sets;
    for (int i : written) {
      if (!sets.empty()) sets += ',';
      sets += QuoteIdentifier(columns_[static_cast<size_t>(i)].tableColumn) + " = ?";
    }
    sql = "UPDATE " + table + " SET " + sets + " WHERE rowid = ?";
  }
  const FailureContext context = connection_->Context(
      editMode_ == 2 ? JetStatementKind::Insert : JetStatementKind::Update, &source_);
  SqlStatement write = connection_->Prepare(sql, context);
  int p = 1;
  for (int i : written) write.Bind(p++, buffer_[static_cast<size_t>(i)]);
  // The row being edited is still the statement's current row.
  if (editMode_ == 1) write.BindInteger(p, sqlite3_column_int64(statement_->Raw(), 0));
  write.Run();
  // The row being edited was deleted since Edit: nothing was written.
  if (editMode_ == 1 && connection_->Changes() == 0) {
    editMode_ = 0;
    jeterr::Raise(jeterr::msg::kRecordDeleted);
  }
  if (editMode_ == 1) {
    for (int i : written) saved_[static_cast<size_t>(i)] = buffer_[static_cast<size_t>(i)];
    anySaved_ = true;
  }
  editMode_ = 0;
}

}  // namespace dao
