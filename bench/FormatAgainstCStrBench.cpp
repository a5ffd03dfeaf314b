// Jet's Format over 100,000 rows against CStr of the same values, both run
// by the engine in the same process: what a custom pattern costs over the
// plain regional writing of a number or a date. Prints the ratios at the
// end; the reading of the rows is common to both sides.
#include <filesystem>
#include <string>

#include "RatioReporter.h"
#include "dao/DBEngine.h"

namespace {

constexpr int kRows = 100000;
const std::string kDir =
    (std::filesystem::temp_directory_path() / "remendor-bench-format").string();

dao::Database& Db() {
  static dao::Database db = [] {
    std::filesystem::remove_all(kDir);
    std::filesystem::create_directories(kDir);
    dao::Database d = dao::DBEngine::CreateDatabase(kDir + "/format.mdb", "wePlorKadviM");
    d.Execute("CREATE TABLE Datos (Id LONG, Importe DOUBLE, Fecha DATETIME)");
    dao::DBEngine::BeginTrans();
    for (int i = 0; i < kRows; i++) {
      d.Execute("INSERT INTO Datos (Id, Importe, Fecha) VALUES (" + std::to_string(i) + ", " +
                std::to_string(i % 100000) + "." + std::to_string(i % 97) + ", " +
                std::to_string(36000 + i % 5000) + "." + std::to_string(i % 89) + ")");
    }
    dao::DBEngine::CommitTrans();
    return d;
  }();
  return db;
}

void Walk(benchmark::State& state, const std::string& select) {
  dao::Database& db = Db();
  for (auto _ : state) {
    dao::Recordset rs = db.OpenRecordset(select);
    dao::Field value = rs.Fields(0);
    size_t chars = 0;
    for (; !rs.Eof(); rs.MoveNext()) chars += value.Value().ToString().size();
    benchmark::DoNotOptimize(chars);
  }
}

void CStrNumber(benchmark::State& state) {
  Walk(state, "SELECT CStr(Importe) FROM Datos");
}
void FormatNumber(benchmark::State& state) {
  Walk(state, "SELECT Format(Importe, '#,##0.00;(#,##0.00);\"cero\"') FROM Datos");
}
void CStrDate(benchmark::State& state) {
  Walk(state, "SELECT CStr(Fecha) FROM Datos");
}
void FormatDate(benchmark::State& state) {
  Walk(state, "SELECT Format(Fecha, 'dddd d \"de\" mmmm yyyy hh:nn') FROM Datos");
}

BENCHMARK(CStrNumber)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(FormatNumber)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(CStrDate)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(FormatDate)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nFormat against CStr of the same 100,000 values, same run:\n");
  reporter.PrintRatio("a number, #,##0.00 in three sections", "FormatNumber", "CStrNumber", 2.0);
  reporter.PrintRatio("a date, day and month names", "FormatDate", "CStrDate", 2.0);
  benchmark::Shutdown();
  std::filesystem::remove_all(kDir);
  return 0;
}
