/*
** Declared SQLite types of the Jet column types. See JetTypes.h.
*/
#include "host/dao/JetTypes.h"

#include <cctype>
#include <cstdlib>

namespace dao {

namespace {

std::string Upper(const std::string& s) {
  std::string u;
  u.reserve(s.size());
  for (char c : s) u += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

int StorageSize(int type) {
  switch (type) {
    case dbBoolean: return 1;
    case dbByte: return 1;
    case dbInteger: return 2;
    case dbLong: return 4;
    case dbCurrency: return 8;
    case dbSingle: return 4;
    case dbDouble: return 8;
    case dbDate: return 8;
    default: return 0;
  }
}

}  // namespace

std::string DeclaredType(int type, int size) {
  switch (type) {
    case dbText: return "TEXT(" + std::to_string(size > 0 ? size : kDefaultTextSize) + ")";
    case dbMemo: return "LONGTEXT";
    case dbBoolean: return "LOGICAL";
    case dbByte: return "BYTE";
    case dbInteger: return "INTEGER";
    case dbLong: return "LONG";
    case dbCurrency: return "CURRENCY";
    case dbSingle: return "SINGLE";
    case dbDouble: return "DOUBLE";
    case dbDate: return "DATETIME";
    case dbLongBinary: return "LONGBINARY";
    default: return "";
  }
}

JetType JetTypeFromDeclared(const std::string& declared) {
  std::string u = Upper(declared);
  // Blanks inside the declaration ("TEXT (10)") are not significant.
  std::string t;
  for (char c : u) {
    if (c != ' ') t += c;
  }
  JetType r;
  if (t.rfind("TEXT(", 0) == 0 && t.back() == ')') {
    r.type = dbText;
    r.size = std::atoi(t.c_str() + 5);
    return r;
  }
  if (t == "TEXT") return {dbText, kDefaultTextSize};
  if (t == "LONGTEXT") r.type = dbMemo;
  else if (t == "LOGICAL") r.type = dbBoolean;
  else if (t == "BYTE") r.type = dbByte;
  else if (t == "INTEGER") r.type = dbInteger;
  else if (t == "LONG") r.type = dbLong;
  else if (t == "CURRENCY") r.type = dbCurrency;
  else if (t == "SINGLE") r.type = dbSingle;
  else if (t == "DOUBLE") r.type = dbDouble;
  else if (t == "DATETIME") r.type = dbDate;
  else if (t == "LONGBINARY") r.type = dbLongBinary;
  r.size = StorageSize(r.type);
  return r;
}

std::string JetTypeName(int type, int size) {
  switch (type) {
    case dbText: return "TEXT (" + std::to_string(size) + ")";
    case dbMemo: return "MEMO";
    case dbBoolean: return "LOGICAL";
    case dbByte: return "BYTE";
    case dbInteger: return "INTEGER";
    case dbLong: return "LONG";
    case dbCurrency: return "CURRENCY";
    case dbSingle: return "SINGLE";
    case dbDouble: return "DOUBLE";
    case dbDate: return "DATE";
    case dbLongBinary: return "LONGBINARY";
    default: return "";
  }
}

}  // namespace dao
