/*
** TranslatedStatement: the statement model, what the translator hands the
** engine for one Jet SQL statement: its kind, the SQLite text that does its
** work, and what the engine must know to run it (the table written, the
** columns a CREATE TABLE declares, the output columns' Jet types).
**
** The translator fills it from the statement's text alone, and the schema
** as JetSchema answered; the engine caches it by that text, and runs it as
** often as it is asked to.
*/
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dao/sql/JetConstraint.h"

namespace dao {

enum class JetStatementKind {
  Select,
  Insert,
  Update,
  Delete,
  CreateTable,
  DropTable,
  CreateIndex,
  DropIndex,
  AlterTable,
  SelectInto,
};

// A column of a CREATE TABLE statement, with its Jet type.
struct JetColumn {
  std::string name;
  int type = 0;
  int size = 0;
  bool required = false;   // NOT NULL
  std::string defaultSql;  // DEFAULT, as an SQLite literal; empty: none
  bool counter = false;    // COUNTER / AUTOINCREMENT: numbered on insert
  long long seed = 1, step = 1;
  int precision = 0, scale = 0;  // DECIMAL (p, s)
};

// An output column of a query: its name and Jet type (0 unknown).
struct JetOutputColumn {
  std::string name;
  int type = 0;
};

struct TranslatedStatement {
  JetStatementKind kind = JetStatementKind::Select;

  // The SQLite statement. Empty for an INSERT ... SELECT without a column
  // list (insertByName), which the engine completes.
  std::string sql;

  // The table the statement writes (Insert, Update, Delete, CreateTable,
  // DropTable; the indexed table for CreateIndex), as written, without
  // brackets. For a Select: its only source table when `updatable`.
  std::string table;

  // CreateTable: the columns in order.
  std::vector<JetColumn> columns;

  // CreateTable: its keys and relations; AlterTable: ADD CONSTRAINT's one.
  std::vector<JetConstraint> constraints;

  // AlterTable: what changes. `target` is the column or constraint named by
  // DROP COLUMN, DROP CONSTRAINT; ADD and ALTER COLUMN give `columns[0]`.
  // SelectInto: the table to make.
  JetAlterAction alter = JetAlterAction::None;
  std::string target;

  // Statements to run right after `sql`, in the same unit of work: the
  // triggers that keep yes/no columns at -1 / 0 after a CREATE TABLE.
  std::vector<std::string> extraSql;

  // INSERT INTO t SELECT ... without a column list: Jet sends each output
  // column to the column of t with the same name. `selectSql` is the SELECT
  // part, translated; the engine reads its output names and builds
  // INSERT INTO "t" (names...) selectSql.
  bool insertByName = false;
  std::string selectSql;

  // Select only: one table, no join, grouping, DISTINCT, TOP, aggregate or
  // union; a dynaset on it may write. `rowidSql` is then the same statement
  // with the table's rowid as an extra first output column.
  bool updatable = false;
  std::string rowidSql;

  // Select only: the output columns whose Jet type the translation knows
  // (computed columns), by output name; the record set types the others
  // by their table columns.
  std::vector<JetOutputColumn> outputs;
  // The type the translation gave an output column; 0 when none.
  int OutputType(std::string_view name) const;

  // The translation read column types from the schema: it holds only while
  // the schema stays as it was.
  bool schemaTyped = false;
};

}  // namespace dao
