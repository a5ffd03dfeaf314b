// The engine against SQLite's C API doing the same work in the same run:
// a simple UPDATE statement, and a walk over 100,000 rows reading three
// fields of each. Prints the ratios at the end.
//
// The baseline opens a plain SQLite file with the same schema and rows;
// it is the only code outside the engine that talks to SQLite, because
// SQLite itself is what it measures.
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "RatioReporter.h"
#include "dao/DBEngine.h"

namespace {

constexpr int kRows = 100000;
const std::string kDir =
    (std::filesystem::temp_directory_path() / "remendor-bench-engine").string();
const std::string kEngineFile = kDir + "/engine.mdb";
const std::string kPlainFile = kDir + "/plain.sqlite";

dao::Database& EngineDb() {
  static dao::Database db = [] {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
    dao::Database d = dao::DBEngine::CreateDatabase(kEngineFile, "wePlorKadviM");
    d.Execute("CREATE TABLE Datos (Id LONG, Nombre TEXT (30), Importe DOUBLE)");
    dao::DBEngine::BeginTrans();
    for (int i = 0; i < kRows; i++) {
      d.Execute("INSERT INTO Datos (Id, Nombre, Importe) VALUES (" + std::to_string(i) +
                ", 'Nombre " + std::to_string(i % 977) + "', " + std::to_string(i % 1000) + ".5)");
    }
    dao::DBEngine::CommitTrans();
    return d;
  }();
  return db;
}

sqlite3* PlainDb() {
  static sqlite3* db = [] {
    EngineDb();
    sqlite3* d = nullptr;
    sqlite3_open(kPlainFile.c_str(), &d);
    // The same page cache as the engine gives its connections.
    sqlite3_exec(d,
                 "PRAGMA cache_size=-32768;"
                 "CREATE TABLE Datos (Id LONG, Nombre TEXT(30), Importe DOUBLE);"
                 "BEGIN;"
                 "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 99999) "
                 "INSERT INTO Datos SELECT i, 'Nombre ' || (i % 977), (i % 1000) + 0.5 FROM n;"
                 "COMMIT;",
                 nullptr, nullptr, nullptr);
    return d;
  }();
  return db;
}

void EngineUpdate(benchmark::State& state) {
  dao::Database& db = EngineDb();
  for (auto _ : state) db.Execute("update Datos set [Importe] = 0 where [Id] = 4242");
}

void SqliteUpdate(benchmark::State& state) {
  sqlite3* db = PlainDb();
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, "UPDATE Datos SET Importe = 0 WHERE Id = 4242", -1, &stmt, nullptr);
  for (auto _ : state) {
    sqlite3_step(stmt);
    sqlite3_reset(stmt);
  }
  sqlite3_finalize(stmt);
}

void EngineWalk(benchmark::State& state) {
  dao::Database& db = EngineDb();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset("select * from Datos");
    double sum = 0;
    size_t chars = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
      sum += rs.Fields(0).Value().ToDouble();
      chars += rs.Fields(1).Value().ToString().size();
      sum += rs.Fields(2).Value().ToDouble();
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(chars);
  }
}

void SqliteWalk(benchmark::State& state) {
  sqlite3* db = PlainDb();
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM Datos", -1, &stmt, nullptr);
    double sum = 0;
    size_t chars = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      sum += sqlite3_column_int(stmt, 0);
      const unsigned char* t = sqlite3_column_text(stmt, 1);
      chars += std::string(reinterpret_cast<const char*>(t)).size();
      sum += sqlite3_column_double(stmt, 2);
    }
    sqlite3_finalize(stmt);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(chars);
  }
}

void EngineWalkBoundFields(benchmark::State& state) {
  dao::Database& db = EngineDb();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset("select * from Datos");
    dao::Field id = rs.Fields(0), nombre = rs.Fields(1), importe = rs.Fields(2);
    double sum = 0;
    size_t chars = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
      sum += id.Value().ToDouble();
      chars += nombre.Value().ToString().size();
      sum += importe.Value().ToDouble();
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(chars);
  }
}

BENCHMARK(SqliteUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(EngineUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(SqliteWalk)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineWalk)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineWalkBoundFields)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nEngine against SQLite's C API, same work, same run:\n");
  reporter.PrintRatio("UPDATE statement", "EngineUpdate", "SqliteUpdate", 1.2);
  reporter.PrintRatio("100,000-row walk, three fields a row", "EngineWalk", "SqliteWalk", 1.5);
  reporter.PrintRatio("the same, fields bound once", "EngineWalkBoundFields", "SqliteWalk", 1.5);
  benchmark::Shutdown();
  std::filesystem::remove_all(kDir);
  return 0;
}
