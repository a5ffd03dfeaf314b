/*
** JetDdlParser: translates Jet's CREATE TABLE, CREATE INDEX, DROP TABLE and
** DROP INDEX into SQLite.
**
** CREATE TABLE name (column [type [(size)]] [clauses], ..., [constraint, ...])
**   Type words, case ignored:
**     TEXT CHAR VARCHAR ALPHANUMERIC STRING [(n)]  Text, n 1-255, 255 if none
**     MEMO LONGTEXT NOTE                           Memo
**     LOGICAL YESNO BIT BOOLEAN                    Yes/No
**     BYTE                                         Byte
**     SHORT SMALLINT INTEGER2 INTEGER              Integer (16 bits)
**     LONG INT INTEGER4                            Long
**     COUNTER AUTOINCREMENT [(seed, step)]         Long, numbered on insert
**     CURRENCY MONEY                               Currency
**     SINGLE REAL FLOAT4                           Single
**     DOUBLE FLOAT NUMBER FLOAT8                   Double
**     DATE DATETIME TIME                           Date/Time
**     LONGBINARY OLEOBJECT BINARY                  OLE object
**     DECIMAL NUMERIC DEC [(p [, s])]              Decimal, p 1-18 (18 if
**                                                  none), s 0-p (0 if none)
**   A column with no type is Text 255. Column clauses: NULL, NOT NULL
**   (enforced: 3314), DEFAULT and an expression of literals, operators and
**   scalar functions (0, -1, "texto", #1/2/2003#, True, Null, (1+2),
**   Date(), Now()), worked out for each inserted row; one that names a
**   column, or holds an aggregate or a subquery, is refused (3292),
**   [CONSTRAINT name] PRIMARY KEY | UNIQUE | REFERENCES t [(c)].
**   Table constraints: [CONSTRAINT name] PRIMARY KEY (c, ...) |
**   UNIQUE (c, ...) | FOREIGN KEY (c, ...) REFERENCES t [(c, ...)]. Keys and
**   relations are made as JetConstraint.h describes; a key named by no
**   CONSTRAINT is "PrimaryKey", or "Index_" and its columns. A counter is
**   numbered as JetSchemaChange.h describes.
**
** Each column is declared with the SQLite type of JetTypes.h and named
** CHECK constraints, so that the engine can tell which rule a refused value
** broke:
**   "size:<column>"   text longer than its size (the engine's 3163)
**   "type:<column>"   a value that is no number in a numeric, date or yes/no
**                     column
**   "range:<column>"  out of range for Byte (0-255), Integer (16 bits) or
**                     Long (32 bits)
** Text columns compare with the JET collation. A decimal column's "range:"
** check refuses what DECIMAL(p, s) cannot hold, and two triggers,
** "decimal:<table>:<column>:insert" and "...:update", round what it stores
** to its scale (JetDecimal.h). Yes/No columns default to 0
** and carry two triggers, "yesno:<table>:<column>:insert" and
** "yesno:<table>:<column>:update", that store any other value as -1 (True)
** or 0 (Null, False): a stored True always equals True.
**
** Jet names an index within its table; SQLite within the database. An index
** i on table t is therefore "t:i" in SQLite, for CREATE and DROP alike.
*/
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dao/sql/JetTokenCursor.h"
#include "dao/sql/TranslatedStatement.h"

namespace dao {

class JetDdlParser {
 public:
  explicit JetDdlParser(JetTokenCursor& cursor) : cursor_(cursor) {}

  // Each starts after its leading keywords: CREATE TABLE, CREATE [UNIQUE]
  // INDEX, DROP TABLE, DROP INDEX.
  TranslatedStatement CreateTable();
  TranslatedStatement CreateIndex(bool unique);
  TranslatedStatement DropTable();
  TranslatedStatement DropIndex();

  // ALTER TABLE t ADD [COLUMN] ... | ALTER [COLUMN] ... | DROP [COLUMN] c |
  // ADD CONSTRAINT ... | DROP CONSTRAINT name; starts after ALTER TABLE.
  TranslatedStatement AlterTable();

  // SELECT ... INTO t FROM ...: takes "INTO t" out of the tokens and gives
  // t; the rest is an ordinary SELECT.
  static std::optional<std::string> TakeSelectInto(std::vector<JetSqlToken>& tokens);

  static std::string IndexName(const std::string& table, const std::string& index);

  // A column's SQLite definition, and the triggers that keep a yes/no
  // column at -1 / 0.
  static std::string ColumnSql(const JetColumn& column);
  static void YesNoTriggers(const std::string& table, const std::string& column,
                            std::vector<std::string>& out);
  static void DecimalTriggers(const std::string& table, const JetColumn& column,
                              std::vector<std::string>& out);
  // The triggers that keep a column's stored values in its type's form.
  static void ColumnTriggers(const std::string& table, const JetColumn& column,
                             std::vector<std::string>& out);

 private:
  JetColumn ParseColumn(std::vector<JetConstraint>& constraints);
  // NULL, NOT NULL, DEFAULT expression, [CONSTRAINT name] PRIMARY KEY | UNIQUE |
  // REFERENCES t [(c)], after a column's type.
  void ParseColumnClauses(JetColumn& column, std::vector<JetConstraint>& constraints,
                          const std::string& what);
  void ParseSeed(JetColumn& column, const std::string& what);
  void ParseDecimalSize(JetColumn& column, const std::string& what);
  std::string ParseDefault(const std::string& what);
  bool AtColumnClause() const;
  bool AtTableConstraint() const;
  // [CONSTRAINT name] PRIMARY KEY (c, ...) | UNIQUE (c, ...) |
  // FOREIGN KEY (c, ...) REFERENCES t [(c, ...)]
  JetConstraint ParseTableConstraint(int number, const char* what);
  std::vector<std::string> ParseNameList(int number, const std::string& what);
  // Names the keys and relations that the statement left unnamed.
  static void NameConstraints(const std::string& table, std::vector<JetConstraint>& constraints);
  // One primary key at most (3283); every key column is a column.
  static void CheckKeys(const std::vector<JetColumn>& columns,
                        const std::vector<JetConstraint>& constraints);

  JetTokenCursor& cursor_;
};

}  // namespace dao
