/*
** Field: value access through the record set it belongs to.
*/
#include "host/dao/Field.h"

#include "host/dao/JetErrors.h"
#include "host/dao/RecordsetState.h"

namespace dao {

Variant Field::Value() const {
  if (!rs_) jeterr::Raise(3219, "El campo '" + name_ + "' no pertenece a un Recordset.");
  return rs_->Value(index_);
}

void Field::SetValue(const Variant& value) {
  if (!rs_) jeterr::Raise(3219, "El campo '" + name_ + "' no pertenece a un Recordset.");
  rs_->SetValue(index_, value);
}

}  // namespace dao
