/*
** JetSqlTranslator: turns one Jet SQL statement into the SQLite statement
** that does the same thing.
**
** The translator works on tokens, never on raw text: string literals pass
** through intact whatever they hold. It reads no schema itself, so each
** distinct statement text is translated once and the result is cached by
** the engine. The few decisions that need the schema (an INSERT ... SELECT
** without a column list) are handed back to the engine (TranslatedStatement
** says so); what else it must know of the database it asks the JetSchema it
** is given: the form of each table name that a statement reads or writes (a
** linked table is named in its file's schema, so that another file's table
** of the same name is never the one reached), and the type of a table's
** column (asked only where an expression's type changes the SQL or the
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
** table columns come from the schema, and a translation that asked for them
** says so (`schemaTyped`): it holds only while the schema stays as it was.
**
** Errors are AppError with the engine's numbers (JetErrors.h).
*/
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dao/sql/JetSchema.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

class JetSqlTranslator {
 public:
  static TranslatedStatement Translate(std::string_view jetSql, JetSchema& schema);
  // For no database: tables named as written, columns of unknown type.
  static TranslatedStatement Translate(std::string_view jetSql);

  // A record-set source that is a bare table name ("Configuracion",
  // "[Mi tabla]") rather than a query: the name, without brackets.
  static std::optional<std::string> BareTableName(std::string_view source);
};

}  // namespace dao
