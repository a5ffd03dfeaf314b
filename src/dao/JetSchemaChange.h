/*
** JetSchemaChange: runs the table definitions that need more than one
** SQLite statement, or a look at the schema: CREATE TABLE with keys,
** relations and counters, ALTER TABLE, SELECT ... INTO, and the checks of
** DROP TABLE. Each runs in a savepoint: it happens whole or not at all.
**
** Counters: the internal table "__jet_counters" keeps, per table and
** column, the next number and the step. A row inserted without a value
** gets the next number; one inserted with its own value moves the next
** number past it (for a positive step), as Jet does; numbers of deleted
** rows are never given again. A counter cannot be changed (3164).
**
** ALTER TABLE on columns rebuilds the table: a new table with the columns
** in Jet's order (an added column last), the rows copied, the old table
** dropped and the new one renamed, then its indexes and triggers made
** again. Columns of a type the engine does not know keep their declaration.
** A column in an index or a relation cannot be dropped (3280).
**
** Keys: a unique index "t:name" (JetConstraint.h); a primary key also
** refuses Nulls (3058) through the triggers "key:<table>:<name>:<event>",
** and its index carries the marker comment kPrimaryKeyMarker, so that a
** second primary key can be refused (3283).
*/
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dao/SqliteErrors.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

class Connection;

class JetSchemaChange {
 public:
  JetSchemaChange(Connection& connection, const FailureContext& context)
      : connection_(connection), context_(context) {}

  void CreateTable(const TranslatedStatement& t);
  void AlterTable(const TranslatedStatement& t);
  // SELECT ... INTO target: a new table with the query's columns, typed as
  // their source columns, or by their first value that is not Null (Long,
  // Double, Text 255, Memo, OLE object; Text 255 when every value is Null),
  // holding the query's rows. Gives the number of rows.
  long SelectInto(const TranslatedStatement& t);
  // Refuses to drop a table that other tables' relations name (3303); drops
  // it with the triggers its own relations left on their parents, and its
  // counters' state.
  void DropTable(const std::string& table);

 private:
  void InSavepoint(const std::function<void()>& work);
  void AddConstraint(const std::string& table, const JetConstraint& c);
  void DropConstraint(const std::string& table, const std::string& name);
  void AddCounter(const std::string& table, const JetColumn& column, bool numberRows);
  void Rebuild(const TranslatedStatement& t);
  std::vector<std::string> ParentKey(const std::string& parent);
  bool HasTable(const std::string& name);
  bool Exists(const std::string& sql, const std::vector<std::string>& args = {});
  std::vector<std::vector<std::string>> Rows(const std::string& sql,
                                             const std::vector<std::string>& args = {});
  void Run(const std::string& sql);

  Connection& connection_;
  FailureContext context_;
};

}  // namespace dao
