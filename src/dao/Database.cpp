/*
** Database handle: forwards to its DatabaseState. See Database.h.
*/
#include "dao/Database.h"

#include "dao/DatabaseState.h"
#include "dao/RecordsetState.h"
#include "dao/sql/JetErrors.h"

namespace dao {

DatabaseState& Database::State() const {
  if (!state_) jeterr::Raise(jeterr::msg::kDatabaseNotSet);
  return *state_;
}

bool Database::IsOpen() const {
  return state_ && state_->IsOpen();
}
std::string Database::Name() const {
  return State().Path();
}
bool Database::ReadOnly() const {
  return State().ReadOnly();
}
void Database::Execute(std::string_view sql) {
  State().Execute(sql);
}
long Database::RecordsAffected() const {
  return State().RecordsAffected();
}

Recordset Database::OpenRecordset(std::string_view source, int type) {
  return Recordset(State().OpenRecordset(state_, source, type));
}

dao::TableDefs& Database::TableDefs() {
  State().EnsureOpen();
  return state_->Defs();
}

TableDef Database::CreateTableDef(std::string name, std::string sourceTableName,
                                  std::string connect) {
  return TableDef(std::move(name), std::move(connect), std::move(sourceTableName));
}

std::string Database::CheckIntegrity() {
  return State().CheckIntegrity();
}

void Database::Close() {
  if (state_) state_->Close();
}

}  // namespace dao
