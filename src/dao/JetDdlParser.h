/*
** JetDdlParser: translates Jet's CREATE TABLE, CREATE INDEX, DROP TABLE and
** DROP INDEX into SQLite.
**
** CREATE TABLE name (column [type [(size)]] [NOT NULL | NULL], ...)
**   Type words, case ignored:
**     TEXT CHAR VARCHAR ALPHANUMERIC STRING [(n)]  Text, n 1-255, 255 if none
**     MEMO LONGTEXT NOTE                           Memo
**     LOGICAL YESNO BIT BOOLEAN                    Yes/No
**     BYTE                                         Byte
**     SHORT SMALLINT INTEGER2 INTEGER              Integer (16 bits)
**     LONG INT INTEGER4 COUNTER AUTOINCREMENT      Long (not numbered)
**     CURRENCY MONEY                               Currency
**     SINGLE REAL FLOAT4                           Single
**     DOUBLE FLOAT NUMBER FLOAT8                   Double
**     DATE DATETIME TIME                           Date/Time
**     LONGBINARY OLEOBJECT BINARY                  OLE object
**   A column with no type is Text 255. NOT NULL and NULL are accepted and
**   not enforced. Key and constraint clauses (PRIMARY KEY, UNIQUE,
**   CONSTRAINT, DEFAULT, REFERENCES) are refused: CREATE UNIQUE INDEX does
**   the same work.
**
** Each column is declared with the SQLite type of JetTypes.h and named
** CHECK constraints, so that the engine can tell which rule a refused value
** broke:
**   "size:<column>"   text longer than its size (the engine's 3163)
**   "type:<column>"   a value that is no number in a numeric, date or yes/no
**                     column
**   "range:<column>"  out of range for Byte (0-255), Integer (16 bits) or
**                     Long (32 bits)
** Text columns compare with the JET collation. Yes/No columns default to 0
** and carry two triggers, "yesno:<table>:<column>:insert" and
** "yesno:<table>:<column>:update", that store any other value as -1 (True)
** or 0 (Null, False): a stored True always equals True.
**
** Jet names an index within its table; SQLite within the database. An index
** i on table t is therefore "t:i" in SQLite, for CREATE and DROP alike.
*/
#pragma once

#include "dao/JetSqlTranslator.h"
#include "dao/JetTokenCursor.h"

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

  static std::string IndexName(const std::string& table, const std::string& index);

 private:
  JetColumn ParseColumn();

  JetTokenCursor& cursor_;
};

}  // namespace dao
