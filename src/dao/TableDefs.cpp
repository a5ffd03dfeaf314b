/*
** TableDefs: the picture of a database's tables, taken at Refresh.
*/
#include "dao/TableDefs.h"

#include "common/TextCase.h"
#include "dao/DatabaseState.h"
#include "dao/JetErrors.h"
#include "dao/SqlQuote.h"

namespace dao {

void TableDefs::EnsureLoaded() const {
  if (!loaded_) {
    defs_ = owner_->ReadTableDefs();
    loaded_ = true;
  }
}

void TableDefs::Refresh() {
  owner_->EnsureOpen();
  loaded_ = false;
  EnsureLoaded();
}

int TableDefs::Count() const {
  EnsureLoaded();
  return static_cast<int>(defs_.size());
}

const TableDef& TableDefs::operator[](int index) const {
  EnsureLoaded();
  if (index < 0 || index >= static_cast<int>(defs_.size())) {
    jeterr::Raise(jeterr::msg::kItemNotFoundAt, {std::to_string(index)});
  }
  return defs_[static_cast<size_t>(index)];
}

bool TableDefs::Contains(std::string_view name) const {
  EnsureLoaded();
  for (const TableDef& d : defs_) {
    if (TextCase::Equal(d.Name(), name)) return true;
  }
  return false;
}

const TableDef& TableDefs::Item(std::string_view name) const {
  EnsureLoaded();
  for (const TableDef& d : defs_) {
    if (TextCase::Equal(d.Name(), name)) return d;
  }
  jeterr::Raise(jeterr::msg::kItemNotFound, {name});
}

void TableDefs::Append(const TableDef& def) {
  owner_->AppendLink(def);
  loaded_ = false;
}

void TableDefs::Delete(std::string_view name) {
  owner_->DeleteTableDef(name);
  loaded_ = false;
}

std::vector<TableDef>::const_iterator TableDefs::begin() const {
  EnsureLoaded();
  return defs_.begin();
}

std::vector<TableDef>::const_iterator TableDefs::end() const {
  EnsureLoaded();
  return defs_.end();
}

}  // namespace dao
