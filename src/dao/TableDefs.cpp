/*
** TableDefs: the picture of a database's tables, taken at Refresh.
*/
#include "dao/TableDefs.h"

#include "common/TextCase.h"
#include "dao/DatabaseState.h"
#include "dao/sql/JetErrors.h"
#include "dao/sql/SqlQuote.h"

namespace dao {

void TableDefs::EnsureLoaded() const {
  if (loaded_) return;
  std::vector<const TableDef*> picture;
  for (TableDef& fresh : owner_->ReadTableDefs()) {
    TableDef* same = nullptr;
    for (auto& h : held_) {
      if (TextCase::Equal(h->Name(), fresh.Name())) same = h.get();
    }
    if (same) {
      *same = std::move(fresh);
    } else {
      held_.push_back(std::make_unique<TableDef>(std::move(fresh)));
      same = held_.back().get();
    }
    picture.push_back(same);
  }
  defs_ = std::move(picture);
  loaded_ = true;
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
  return *defs_[static_cast<size_t>(index)];
}

bool TableDefs::Contains(std::string_view name) const {
  EnsureLoaded();
  for (const TableDef* d : defs_) {
    if (TextCase::Equal(d->Name(), name)) return true;
  }
  return false;
}

const TableDef& TableDefs::Item(std::string_view name) const {
  EnsureLoaded();
  for (const TableDef* d : defs_) {
    if (TextCase::Equal(d->Name(), name)) return *d;
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

TableDefs::Iterator TableDefs::begin() const {
  EnsureLoaded();
  return Iterator(defs_.begin());
}

TableDefs::Iterator TableDefs::end() const {
  EnsureLoaded();
  return Iterator(defs_.end());
}

}  // namespace dao
