/*
** Recordset handle: forwards to its RecordsetState. See Recordset.h.
*/
#include "dao/Recordset.h"

#include "dao/RecordsetState.h"
#include "dao/sql/JetErrors.h"

namespace dao {

RecordsetState& Recordset::State() const {
  if (!state_) jeterr::Raise(jeterr::msg::kRecordsetNotSet);
  return *state_;
}

bool Recordset::IsOpen() const {
  return state_ && state_->IsOpen();
}
bool Recordset::Eof() const {
  return State().Eof();
}
bool Recordset::Bof() const {
  return State().Bof();
}
long Recordset::RecordCount() const {
  return State().RecordCount();
}
int Recordset::Type() const {
  return State().Type();
}
bool Recordset::Updatable() const {
  return State().Updatable();
}
int Recordset::EditMode() const {
  return State().EditMode();
}
void Recordset::MoveNext() {
  State().MoveNext();
}
void Recordset::MoveFirst() {
  State().MoveFirst();
}
void Recordset::MoveLast() {
  State().MoveLast();
}
void Recordset::AddNew() {
  State().AddNew();
}
void Recordset::Edit() {
  State().Edit();
}
void Recordset::Update() {
  State().Update();
}
void Recordset::CancelUpdate() {
  State().CancelUpdate();
}
void Recordset::Close() {
  State().Close();
}

int Recordset::FieldCount() const {
  State().EnsureOpen();
  return static_cast<int>(state_->Columns().size());
}

Field Recordset::Fields(int index) const {
  State().EnsureOpen();
  const auto& cols = state_->Columns();
  if (index < 0 || index >= static_cast<int>(cols.size())) {
    jeterr::Raise(jeterr::msg::kItemNotFoundAt, {std::to_string(index)});
  }
  return Field(state_, index);
}

Field Recordset::Fields(std::string_view name) const {
  State().EnsureOpen();
  int index = state_->FindColumn(name);
  if (index < 0) {
    jeterr::Raise(jeterr::msg::kItemNotFound, {name});
  }
  return Field(state_, index);
}

}  // namespace dao
