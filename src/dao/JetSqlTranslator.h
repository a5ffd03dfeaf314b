/*
** JetSqlTranslator: turns one Jet SQL statement into the SQLite statement
** that does the same thing.
**
** The translator works on tokens, never on raw text: string literals pass
** through intact whatever they hold. It reads no schema itself, so each
** distinct statement text is translated once and the result is cached by
** the engine. The few decisions that need the schema (an INSERT ... SELECT
** without a column list) are handed back to the engine, and so is the form
** of each table name that a statement reads or writes (`namer`: a linked
** table is named in its file's schema, so that another file's table of the
** same name is never the one reached), and the type of a table's column
** (`typer`, asked only where an expression's type changes the SQL or the
** record set's fields).
**
** What it accepts, and what it does with it:
**   - [bracketed] names and bare names, digits first included (22Cuiles),
**     become "double-quoted" SQLite names, spelled as written;
**   - "double-quoted" texts are text literals, as in Jet;
**   - True / False are -1 / 0; #m/d/yyyy [h:nn[:ss]]# dates are day serials;
**   - & is Jet's concatenation (jet_concat), with Jet's precedence, below
**     + and -; \ (integer division), ^ and Mod likewise;
**   - LIKE keeps its syntax; the engine's like() takes Jet's wildcards;
**   - Delete * From t, TOP n, DISTINCTROW; Jet's scalar functions that the
**     engine registers;
**   - CREATE TABLE with Jet's types (see JetTypes.h for how each is
**     declared), keys and relations, DROP TABLE, CREATE [UNIQUE] INDEX,
**     DROP INDEX, ALTER TABLE, SELECT ... INTO (see JetDdlParser.h);
**   - `back-quoted` names, as [bracketed] ones.
** One call takes one statement: a trailing ";" is allowed, a second statement
** is refused (3142) and nothing of it runs.
**
** Expressions are typed as Jet types them (JetExprTypes.h); the types of
** table columns come from the engine (`typer`), and a translation that
** asked for them says so (`schemaTyped`): it holds only while the schema
** stays as it was.
**
** Errors are AppError with the engine's numbers (JetErrors.h).
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dao/JetConstraint.h"
#include "dao/JetScope.h"
#include "dao/JetTokenCursor.h"
#include "dao/JetTypes.h"

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

  // The translation read column types from the schema.
  bool schemaTyped = false;
};

class JetSqlTranslator {
 public:
  static TranslatedStatement Translate(std::string_view jetSql,
                                       JetTokenCursor::TableNamer namer = {},
                                       JetTokenCursor::ColumnTyper typer = {});

  // A record-set source that is a bare table name ("Configuracion",
  // "[Mi tabla]") rather than a query: the name, without brackets.
  static std::optional<std::string> BareTableName(std::string_view source);
};

}  // namespace dao
