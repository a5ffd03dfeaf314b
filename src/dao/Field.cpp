/*
** Field: value access through the record set it belongs to.
*/
#include "dao/Field.h"

#include "dao/RecordsetState.h"
#include "dao/sql/JetErrors.h"

namespace dao {

const std::string& Field::Name() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].name : name_;
}

int Field::Type() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].type : type_;
}

int Field::Size() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].size : size_;
}

int Field::Precision() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].precision : precision_;
}

int Field::Scale() const {
  return rs_ ? rs_->Columns()[static_cast<size_t>(index_)].scale : scale_;
}

Variant Field::Value() const {
  if (!rs_) jeterr::Raise(jeterr::msg::kFieldWithoutRecordset, {name_});
  return rs_->Value(index_);
}

void Field::SetValue(const Variant& value) {
  if (!rs_) jeterr::Raise(jeterr::msg::kFieldWithoutRecordset, {name_});
  rs_->SetValue(index_, value);
}

}  // namespace dao
