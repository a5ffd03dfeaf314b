// What a query gives, as the tests compare it: the first column of its
// first row (Empty when there is no row), or every row as one line of
// texts joined by "|", Null written as such.
#pragma once

#include <string>
#include <vector>

#include "dao/Database.h"

inline Variant FirstValue(dao::Database& db, const std::string& query) {
  dao::Recordset rs = db.OpenRecordset(query, dao::dbOpenSnapshot);
  return rs.Eof() ? Variant() : rs.Fields(0).Value();
}

inline long FirstNumber(dao::Database& db, const std::string& query) {
  return FirstValue(db, query).ToLong();
}

inline std::vector<std::string> Rows(dao::Database& db, const std::string& query) {
  std::vector<std::string> rows;
  dao::Recordset rs = db.OpenRecordset(query, dao::dbOpenSnapshot);
  for (; !rs.Eof(); rs.MoveNext()) {
    std::string row;
    for (int i = 0; i < rs.FieldCount(); i++) {
      const Variant v = rs.Fields(i).Value();
      row += (i ? "|" : "") + (v.IsNull() ? std::string("Null") : v.ToString());
    }
    rows.push_back(row);
  }
  return rows;
}
