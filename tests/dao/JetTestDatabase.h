/*
** JetTestDatabase: an in-memory SQLite database with the Jet functions, on
** which the function tests run translated statements: the translated SQL,
** then its extra statements. Statement tests that need the engine's own
** handling (an INSERT ... SELECT by name, error numbers) use
** EngineTestDatabase instead.
**
** Values come back as text: NULL as "NULL", numbers as the engine writes
** them (-1, 2.5).
*/
#pragma once

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/AppError.h"
#include "common/Variant.h"
#include "dao/SqliteFunctions.h"
#include "dao/sql/JetSqlTranslator.h"

namespace dao::test {

using Rows = std::vector<std::vector<std::string>>;

class JetTestDatabase {
 public:
  JetTestDatabase() {
    if (sqlite3_open(":memory:", &db_) != SQLITE_OK) throw std::runtime_error("sqlite3_open");
    RegisterJetFunctions(db_);
  }
  ~JetTestDatabase() { sqlite3_close(db_); }
  JetTestDatabase(const JetTestDatabase&) = delete;
  JetTestDatabase& operator=(const JetTestDatabase&) = delete;

  sqlite3* Handle() const { return db_; }

  void Execute(std::string_view jet) {
    const TranslatedStatement t = JetSqlTranslator::Translate(jet);
    if (t.insertByName) throw std::logic_error("an INSERT ... SELECT by name needs the engine");
    RunSql(t.sql);
    for (const std::string& extra : t.extraSql) RunSql(extra);
  }

  Rows Query(std::string_view jet) { return QuerySql(JetSqlTranslator::Translate(jet).sql); }

  std::vector<std::string> ColumnNames(std::string_view jet) {
    return ColumnNamesOf(JetSqlTranslator::Translate(jet).sql);
  }

  // The first value of the first row of a query; "" when there is no row.
  std::string Scalar(std::string_view jet) {
    const Rows rows = Query(jet);
    return rows.empty() ? std::string() : rows[0][0];
  }

  void RunSql(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      const std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error(text);
    }
  }

  Rows QuerySql(const std::string& sql) {
    sqlite3_stmt* stmt = Prepare(sql);
    Rows rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int i = 0; i < sqlite3_column_count(stmt); ++i) row.push_back(ValueText(stmt, i));
      rows.push_back(std::move(row));
    }
    const std::string error = sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) throw std::runtime_error(error);
    return rows;
  }

 private:
  static std::string ValueText(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
      case SQLITE_NULL:
        return "NULL";
      case SQLITE_FLOAT:
        return FormatEngineNumber(sqlite3_column_double(stmt, i));
      default:
        return reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    }
  }

  sqlite3_stmt* Prepare(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
      throw std::runtime_error(sqlite3_errmsg(db_));
    }
    return stmt;
  }

  std::vector<std::string> ColumnNamesOf(const std::string& sql) {
    sqlite3_stmt* stmt = Prepare(sql);
    std::vector<std::string> names;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i)
      names.emplace_back(sqlite3_column_name(stmt, i));
    sqlite3_finalize(stmt);
    return names;
  }

  sqlite3* db_ = nullptr;
};

}  // namespace dao::test
