/*
** Declared SQLite types of the Jet column types. See JetTypes.h.
*/
#include "dao/functions/JetTypes.h"

#include <cctype>
#include <cstdlib>

#include "common/TextCase.h"

namespace dao {

namespace {

// Every type but text, whose declaration carries its size: the declared
// SQLite type, Jet's keyword, and the storage size in bytes.
struct TypeNames {
  int type;
  const char* declared;
  const char* keyword;
  int size;
};

constexpr TypeNames kTypes[] = {
    {dbMemo, "LONGTEXT", "MEMO", 0},   {dbBoolean, "LOGICAL", "LOGICAL", 1},
    {dbByte, "BYTE", "BYTE", 1},       {dbInteger, "INTEGER", "INTEGER", 2},
    {dbLong, "LONG", "LONG", 4},       {dbCurrency, "CURRENCY", "CURRENCY", 8},
    {dbSingle, "SINGLE", "SINGLE", 4}, {dbDouble, "DOUBLE", "DOUBLE", 8},
    {dbDate, "DATETIME", "DATE", 8},   {dbLongBinary, "LONGBINARY", "LONGBINARY", 0},
    {dbLong, "COUNTER", "COUNTER", 4},
};

const TypeNames* Find(int type) {
  for (const TypeNames& t : kTypes) {
    if (t.type == type) return &t;
  }
  return nullptr;
}

}  // namespace

std::string DeclaredDecimal(int precision, int scale) {
  return "DECIMAL(" + std::to_string(precision) + "," + std::to_string(scale) + ")";
}

std::string DeclaredType(int type, int size) {
  if (type == dbText) return "TEXT(" + std::to_string(size > 0 ? size : kDefaultTextSize) + ")";
  const TypeNames* t = Find(type);
  return t ? t->declared : "";
}

JetType JetTypeFromDeclared(const std::string& declared) {
  // Case and blanks inside the declaration ("text (10)") are not significant.
  std::string t;
  for (char c : declared) {
    if (c != ' ') t += c;
  }
  t = TextCase::Upper(t);
  if (t.rfind("TEXT(", 0) == 0 && t.back() == ')') return {dbText, std::atoi(t.c_str() + 5)};
  if (t == "TEXT") return {dbText, kDefaultTextSize};
  if (t.rfind("DECIMAL(", 0) == 0 && t.back() == ')') {
    const size_t comma = t.find(',');
    if (comma == std::string::npos) return {};
    return {dbDecimal, 16, std::atoi(t.c_str() + 8), std::atoi(t.c_str() + comma + 1)};
  }
  for (const TypeNames& n : kTypes) {
    if (t == n.declared) return {n.type, n.size};
  }
  return {};
}

std::string JetTypeName(int type, int size) {
  if (type == dbText) return "TEXT (" + std::to_string(size) + ")";
  if (type == dbDecimal) return "DECIMAL";
  const TypeNames* t = Find(type);
  return t ? t->keyword : "";
}

}  // namespace dao
