/*
** JetConstraint: a key or relation of a table, as CREATE TABLE and
** ALTER TABLE ... ADD CONSTRAINT write it, and what an ALTER TABLE changes.
**
** Keys are unique indexes named within their table, as CREATE INDEX names
** them ("t:name"); a primary key refuses Nulls too (3058). A relation is a set
** of triggers named "fk:<table>:<name>:<event>" that refuse a child row
** without its parent (3201) and a parent row that still has children (3200).
*/
#pragma once

#include <string>
#include <vector>

namespace dao {

enum class JetConstraintKind { PrimaryKey, Unique, ForeignKey };

struct JetConstraint {
  JetConstraintKind kind = JetConstraintKind::Unique;
  std::string name;  // as written; generated when the statement names none
  std::vector<std::string> columns;
  // ForeignKey: the referenced table and columns; no columns means its
  // primary key, looked up when the statement runs.
  std::string parent;
  std::vector<std::string> parentColumns;
};

enum class JetAlterAction {
  None,
  AddColumn,
  AlterColumn,
  DropColumn,
  AddConstraint,
  DropConstraint
};

}  // namespace dao
