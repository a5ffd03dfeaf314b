/*
** TableDefs: the collection of a database's table definitions.
**
** As in DAO the collection is a picture taken when it was last refreshed:
** statements run since then show only after Refresh. Lookup by name
** ignores case; a missing name raises 3265. Tables the engine keeps for
** itself are never listed.
*/
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "dao/TableDef.h"

namespace dao {

class DatabaseState;

class TableDefs {
 public:
  void Refresh();
  int Count() const;
  const TableDef& operator[](int index) const;  // 3265 when out of range
  const TableDef& Item(std::string_view name) const;
  bool Contains(std::string_view name) const;

  // Makes a linked table part of the database (3010 when the name is
  // taken, 3024 when the linked file is missing, 3078 when the source table
  // is not in it).
  void Append(const TableDef& def);
  // Removes a table definition: drops a local table, forgets a link.
  void Delete(std::string_view name);

  std::vector<TableDef>::const_iterator begin() const;
  std::vector<TableDef>::const_iterator end() const;

 private:
  friend class DatabaseState;
  explicit TableDefs(DatabaseState* owner) : owner_(owner) {}
  void EnsureLoaded() const;

  DatabaseState* owner_;
  mutable bool loaded_ = false;
  mutable std::vector<TableDef> defs_;
};

}  // namespace dao
