/*
** TableDefs: the collection of a database's table definitions.
**
** As in DAO the collection is a picture taken when it was last refreshed:
** statements run since then show only after Refresh. Lookup by name
** ignores case; a missing name raises 3265. Tables the engine keeps for
** itself are never listed.
**
** A TableDef that a caller holds (from Item, [] or a walk) stays valid for
** as long as the collection lives, across Refresh and Append: a refresh
** brings the held definition up to date in place, and one whose table is
** gone keeps its last picture. Iterators of a walk do not survive them.
*/
#pragma once

#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

#include "dao/TableDef.h"

namespace dao {

class Connection;
class LinkedTables;

class TableDefs {
 public:
  // The collection of the database on `connection`, whose links are
  // `links`; made by the database, for its life.
  TableDefs(Connection& connection, LinkedTables& links) : connection_(connection), links_(links) {}

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

  // Walks the definitions in the order of the last picture.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = TableDef;
    using difference_type = std::ptrdiff_t;
    using pointer = const TableDef*;
    using reference = const TableDef&;

    explicit Iterator(std::vector<const TableDef*>::const_iterator at) : at_(at) {}
    const TableDef& operator*() const { return **at_; }
    const TableDef* operator->() const { return *at_; }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return at_ == other.at_; }
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

   private:
    std::vector<const TableDef*>::const_iterator at_;
  };
  Iterator begin() const;
  Iterator end() const;

 private:
  void EnsureLoaded() const;
  std::vector<TableDef> Read() const;

  Connection& connection_;
  LinkedTables& links_;
  mutable bool loaded_ = false;
  // Every definition handed out, at a fixed address; defs_ lists those of
  // the last picture.
  mutable std::vector<std::unique_ptr<TableDef>> held_;
  mutable std::vector<const TableDef*> defs_;
};

}  // namespace dao
