/*
** JetTypes: the engine's column types, and how they are written in the
** SQLite schema.
**
** Each Jet type is stored under a declared SQLite type chosen for two
** reasons: SQLite derives the right storage affinity from it, and the Jet
** type can be read back from it exactly (TableDefs, field subtypes).
**
**   Jet type         constant        declared in SQLite   affinity
**   Text (n)         dbText     10   TEXT(n)              TEXT
**   Memo             dbMemo     12   LONGTEXT             TEXT
**   Yes/No           dbBoolean   1   LOGICAL              NUMERIC
**   Byte             dbByte      2   BYTE                 NUMERIC
**   Integer (16)     dbInteger   3   INTEGER              INTEGER
**   Long (32)        dbLong      4   LONG                 NUMERIC
**   Long, numbered   dbLong      4   COUNTER              NUMERIC
**   Currency         dbCurrency  5   CURRENCY             NUMERIC
**   Single           dbSingle    6   SINGLE               NUMERIC
**   Double           dbDouble    7   DOUBLE               REAL
**   Date/Time        dbDate      8   DATETIME             NUMERIC
**   OLE/binary       dbLongBinary 11 LONGBINARY           BLOB
**   Decimal (p, s)   dbDecimal  20   DECIMAL(p,s)         NUMERIC
**
** Storage: Yes/No holds -1 or 0; Date holds the day serial as a REAL;
** Currency holds its amount as a number and is rounded to four decimals
** when read; Decimal as JetDecimal.h says.
*/
#pragma once

#include <string>

namespace dao {

// Field types, with DAO's numbers.
inline constexpr int dbBoolean = 1;
inline constexpr int dbByte = 2;
inline constexpr int dbInteger = 3;
inline constexpr int dbLong = 4;
inline constexpr int dbCurrency = 5;
inline constexpr int dbSingle = 6;
inline constexpr int dbDouble = 7;
inline constexpr int dbDate = 8;
inline constexpr int dbText = 10;
inline constexpr int dbLongBinary = 11;
inline constexpr int dbMemo = 12;
inline constexpr int dbDecimal = 20;

// Default length of a text column declared without one.
inline constexpr int kDefaultTextSize = 255;

// Decimal columns: precision 1 to 18 (18 when none is given), as the
// storage keeps them exactly (JetDecimal.h).
inline constexpr int kMaxDecimalPrecision = 18;
inline constexpr int kDefaultDecimalPrecision = 18;
// Significant digits that a stored double gives back exactly.
inline constexpr int kExactDoubleDigits = 15;

struct JetType {
  int type = 0;       // 0: unknown (an expression or an untyped column)
  int size = 0;       // characters for dbText, else the storage size in bytes
  int precision = 0;  // dbDecimal: digits in all
  int scale = 0;      // dbDecimal: digits after the point
};

// The declared SQLite type of a decimal column: "DECIMAL(10,2)".
std::string DeclaredDecimal(int precision, int scale);

// The declared SQLite type for a Jet type ("TEXT(30)", "LONG", ...).
std::string DeclaredType(int type, int size);

// The Jet type behind a declared SQLite type; {0, 0} when it is none of ours.
JetType JetTypeFromDeclared(const std::string& declared);

// Jet's SQL keyword for a type, as "remendor-db tables" shows it
// ("TEXT (30)", "LONG", "LOGICAL", ...).
std::string JetTypeName(int type, int size);

}  // namespace dao
