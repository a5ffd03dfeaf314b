/*
** EngineTestDatabase: a fresh engine database in a scratch folder, with
** the small conveniences the statement tests want: rows come back as text
** (NULL as "NULL", yes/no as -1 / 0, numbers and dates as the engine writes
** numbers), and errors are the engine's AppErrors, or their numbers. Beside
** it, the password every engine test gives its files and the first value
** of a query on any database, as a number.
*/
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/Variant.h"
#include "dao/DBEngine.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace dao::test {

inline const std::string kPassword = "wePlorKadviM";
inline const std::string kConnect = ";PWD=" + kPassword;

inline long Scalar(Database& db, const std::string& query) {
  Recordset rs = db.OpenRecordset(query, dbOpenSnapshot);
  return rs.Fields(0).Value().ToLong();
}

using Rows = std::vector<std::vector<std::string>>;

class EngineTestDatabase {
 public:
  EngineTestDatabase() : db_(DBEngine::CreateDatabase(dir_.File("prueba.mdb"), kPassword)) {}

  Database& Db() { return db_; }
  void Execute(std::string_view jet) { db_.Execute(jet); }
  // Several statements, one after the other.
  void ExecuteAll(std::initializer_list<std::string_view> statements) {
    for (std::string_view jet : statements) db_.Execute(jet);
  }

  Rows Query(std::string_view jet) {
    Recordset rs = db_.OpenRecordset(jet, dbOpenSnapshot);
    Rows rows;
    for (; !rs.Eof(); rs.MoveNext()) {
      std::vector<std::string> row;
      for (int i = 0; i < rs.FieldCount(); ++i) row.push_back(Text(rs.Fields(i).Value()));
      rows.push_back(std::move(row));
    }
    return rows;
  }

  std::vector<std::string> ColumnNames(std::string_view jet) {
    Recordset rs = db_.OpenRecordset(jet, dbOpenSnapshot);
    std::vector<std::string> names;
    for (int i = 0; i < rs.FieldCount(); ++i) names.push_back(rs.Fields(i).Name());
    return names;
  }

  // The first value of the first row of a query; "" when there is no row.
  std::string Scalar(std::string_view jet) {
    const Rows rows = Query(jet);
    return rows.empty() ? std::string() : rows[0][0];
  }

  // The number of the error a statement raises, run or queried; 0 when none.
  int ExecuteError(std::string_view jet) {
    return ErrorOf([&] { db_.Execute(jet); });
  }
  int QueryError(std::string_view jet) {
    return ErrorOf([&] { Query(jet); });
  }

  bool HasTable(std::string_view name) {
    db_.TableDefs().Refresh();
    return db_.TableDefs().Contains(name);
  }

 private:
  static std::string Text(const Variant& v) {
    switch (v.Type()) {
      case VarType::Null:
        return "NULL";
      case VarType::Boolean:
        return v.ToBool() ? "-1" : "0";
      case VarType::Double:
      case VarType::Date:
        return FormatEngineNumber(v.ToDouble());
      default:
        return v.ToString();
    }
  }

  TempDir dir_;
  Database db_;
};

}  // namespace dao::test
