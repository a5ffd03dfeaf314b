/*
** Field: value access through the record set it belongs to.
*/
#include "dao/Field.h"

#include "dao/RecordsetState.h"
#include "dao/sql/JetErrors.h"

namespace dao {

const std::string& Field::Name() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].name : column_->name;
}

int Field::Type() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].type : column_->type;
}

int Field::Size() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].size : column_->size;
}

int Field::Precision() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].precision : column_->precision;
}

int Field::Scale() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].scale : column_->scale;
}

Variant Field::Value() const {
  if (!rs_) jeterr::Raise(jeterr::msg::kFieldWithoutRecordset, {column_->name});
  return rs_->Value(index_);
}

void Field::SetValue(const Variant& value) {
  if (!rs_) jeterr::Raise(jeterr::msg::kFieldWithoutRecordset, {column_->name});
  rs_->SetValue(index_, value);
}

}  // namespace dao
