// The engine against SQLite's C API doing the same work in the same run:
// a simple UPDATE statement; a walk over 100,000 rows reading three fields
// of each, by name at every row, by position, and through fields taken
// once (also against the C API reading the rowid, which an updatable
// record set reads); the exact Sum of 1,000,000 Currency values against
// SQLite's sum; and Format of 100,000 numbers against SQLite's printf.
// Prints the ratios and their aims at the end. Format's aim, 2, allows for
// what printf does not do: reading a pattern of Jet's and the regional
// settings' separators.
//
// The baseline opens a plain SQLite file with the same schema and rows;
// it is the only code outside the engine that talks to SQLite, because
// SQLite itself is what it measures.
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "RatioReporter.h"
#include "dao/DBEngine.h"

namespace {

constexpr int kRows = 100000;
constexpr int kAmounts = 1000;  // squared by a cross join: the Sum's 1,000,000 rows
const std::string kDir =
    (std::filesystem::temp_directory_path() / "remendor-bench-engine").string();
const std::string kEngineFile = kDir + "/engine.mdb";
const std::string kPlainFile = kDir + "/plain.sqlite";

// Amounts with cents, some whole, some with four decimals, as a ledger has.
std::string Amount(int i) {
  const int cents = (i * 7919) % 100000 - 20000;
  if (i % 10 == 0) return std::to_string(cents / 100);
  std::string text =
      std::to_string(cents / 100) + "." + std::to_string(100 + std::abs(cents % 100)).substr(1);
  if (cents < 0 && cents > -100) text = "-" + text;
  return i % 7 == 0 ? text + "25" : text;
}

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
    d.Execute("CREATE TABLE Mil (Importe CURRENCY)");
    d.Execute("CREATE TABLE Montos (Importe CURRENCY)");
    for (int i = 0; i < kAmounts; i++) d.Execute("INSERT INTO Mil VALUES (" + Amount(i) + ")");
    d.Execute("INSERT INTO Montos (Importe) SELECT a.Importe FROM Mil AS a, Mil AS b");
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
                 "CREATE TABLE Mil (Importe CURRENCY);"
                 "CREATE TABLE Montos (Importe CURRENCY);"
                 "COMMIT;",
                 nullptr, nullptr, nullptr);
    std::string amounts = "BEGIN;";
    for (int i = 0; i < kAmounts; i++) amounts += "INSERT INTO Mil VALUES (" + Amount(i) + ");";
    amounts += "INSERT INTO Montos SELECT a.Importe FROM Mil AS a, Mil AS b; COMMIT;";
    sqlite3_exec(d, amounts.c_str(), nullptr, nullptr, nullptr);
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

// The engine's walk, reading each row's three fields through rs.Fields(key).
template <typename Key>
void WalkEngine(benchmark::State& state, Key id, Key nombre, Key importe) {
  dao::Database& db = EngineDb();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset("select * from Datos");
    double sum = 0;
    size_t chars = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
      sum += rs.Fields(id).Value().ToDouble();
      chars += rs.Fields(nombre).Value().ToString().size();
      sum += rs.Fields(importe).Value().ToDouble();
    }
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(chars);
  }
}

// Fields read by name at every row, as the system's own code reads them.
void EngineWalk(benchmark::State& state) {
  WalkEngine<const char*>(state, "Id", "Nombre", "Importe");
}

void EngineWalkByPosition(benchmark::State& state) {
  WalkEngine(state, 0, 1, 2);
}

// The C API's walk over `select`, whose three fields start at column `first`.
void WalkSqlite(benchmark::State& state, const char* select, int first) {
  sqlite3* db = PlainDb();
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, select, -1, &stmt, nullptr);
    double sum = 0;
    size_t chars = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      sum += sqlite3_column_int(stmt, first);
      const unsigned char* t = sqlite3_column_text(stmt, first + 1);
      chars += std::string(reinterpret_cast<const char*>(t)).size();
      sum += sqlite3_column_double(stmt, first + 2);
    }
    sqlite3_finalize(stmt);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(chars);
  }
}

void SqliteWalk(benchmark::State& state) {
  WalkSqlite(state, "SELECT * FROM Datos", 0);
}

// What SQLite itself asks of a record set that can write: the same walk
// with the rowid selected too, as an updatable record set selects it to
// find its row again on Update.
void SqliteWalkWithRowid(benchmark::State& state) {
  WalkSqlite(state, "SELECT rowid, * FROM Datos", 1);
}

void EngineWalkBoundFields(benchmark::State& state) {
  dao::Database& db = EngineDb();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset("select * from Datos");
    dao::Field id = rs.Fields("Id"), nombre = rs.Fields("Nombre"), importe = rs.Fields("Importe");
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

// Sum adds Currency exactly (whole amounts as integers, the others in
// decimal units); SQLite's sum adds doubles.
void EngineSum(benchmark::State& state) {
  dao::Database& db = EngineDb();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset("SELECT Sum(Importe) AS Total FROM Montos");
    benchmark::DoNotOptimize(rs.Fields(0).Value().ToDouble());
  }
}

void SqliteSum(benchmark::State& state) {
  sqlite3* db = PlainDb();
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT sum(Importe) FROM Montos", -1, &stmt, nullptr);
    sqlite3_step(stmt);
    benchmark::DoNotOptimize(sqlite3_column_double(stmt, 0));
    sqlite3_finalize(stmt);
  }
}

// Each row's amount as text with two decimals, read by the caller.
void EngineFormat(benchmark::State& state) {
  dao::Database& db = EngineDb();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset("SELECT Format(Importe, '0.00') AS Texto FROM Datos");
    dao::Field text = rs.Fields(0);
    size_t chars = 0;
    for (; !rs.Eof(); rs.MoveNext()) chars += text.Value().ToString().size();
    benchmark::DoNotOptimize(chars);
  }
}

void SqliteFormat(benchmark::State& state) {
  sqlite3* db = PlainDb();
  for (auto _ : state) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT printf('%.2f', Importe) FROM Datos", -1, &stmt, nullptr);
    size_t chars = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      const unsigned char* t = sqlite3_column_text(stmt, 0);
      chars += std::string(reinterpret_cast<const char*>(t)).size();
    }
    sqlite3_finalize(stmt);
    benchmark::DoNotOptimize(chars);
  }
}

BENCHMARK(SqliteUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(EngineUpdate)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(SqliteWalk)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(SqliteWalkWithRowid)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineWalk)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineWalkByPosition)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineWalkBoundFields)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(SqliteSum)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineSum)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(SqliteFormat)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(EngineFormat)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nEngine against SQLite's C API, same work, same run:\n");
  reporter.PrintRatio("UPDATE statement", "EngineUpdate", "SqliteUpdate", 1.2);
  reporter.PrintRatio("100,000-row walk, three fields by name", "EngineWalk", "SqliteWalk", 1.15);
  reporter.PrintRatio("the same, fields by position", "EngineWalkByPosition", "SqliteWalk", 1.15);
  reporter.PrintRatio("the same, fields bound once", "EngineWalkBoundFields", "SqliteWalk", 1.1);
  std::printf(
      "The walks against the C API reading the rowid too, as an updatable record set does:\n");
  reporter.PrintRatio("by name", "EngineWalk", "SqliteWalkWithRowid", 1.15);
  reporter.PrintRatio("fields bound once", "EngineWalkBoundFields", "SqliteWalkWithRowid", 1.1);
  reporter.PrintRatio("exact Sum of 1,000,000 Currency / sum", "EngineSum", "SqliteSum", 1.3);
  reporter.PrintRatio("Format of 100,000 rows / printf", "EngineFormat", "SqliteFormat", 2.0);
  benchmark::Shutdown();
  std::filesystem::remove_all(kDir);
  return 0;
}
