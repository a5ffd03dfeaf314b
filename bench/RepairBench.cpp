/*
** RepairBench: the repair run on a generated host, against the same
** statements sent straight to SQLite, on copies of the same file, in the
** same process.
**
** The host has N rows in 22Cuiles and M in 21Declaraciones_Juradas, about a
** tenth of each amount column NULL. Each size is run twice: at the given
** size and at a tenth of it, so that the peak memory of the two can be
** compared (it should not grow with the rows). The repair counts everything
** the operator waits for: the backup copy, unscrambling, opening, the
** fourteen updates, the rebuild with its metadata, the version stamp and the
** scrambling. The baseline opens the plain file through the same storage
** shim and runs the same SQLite statements that the engine runs.
**
** Options, before Google Benchmark's own:
**   --cuiles=N          rows of 22Cuiles (default 1000000)
**   --declaraciones=M   rows of 21Declaraciones_Juradas (default 200000)
**   --dir=FOLDER        where the scratch files go (default: the temporary
**                       folder); needs about five times the host's size
** The metadata is Remendor.mdb beside this executable, as the build leaves
** it; it is copied, never changed.
*/
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "dao/OffsetVfs.h"
#include "dao/SqliteFunctions.h"
#include "dao/sql/JetSqlTranslator.h"
#include "dao/sql/SqlQuote.h"
#include "host/ClsKolm.h"
#include "platform/MessageBoxService.h"
#include "platform/RecordingMessageBox.h"
#include "repair/HostBackup.h"
#include "repair/ProgramFolder.h"
#include "repair/RepairRun.h"
#include "repair/SchemaRebuild.h"
#include "samples/SampleInstallation.h"

namespace {

namespace fs = std::filesystem;

struct Options {
  long cuiles = 1000000;
  long declaraciones = 200000;
  std::string dir;
};

struct Measure {
  double seconds = 0;
  double peakMiB = 0;
  double growthMiB = 0;
};

Options gOptions;
fs::path gScratch;
std::map<long, std::string> gHosts;        // rows of 22Cuiles -> plain generated host
std::map<std::string, Measure> gMeasures;  // "repair/N", "sqlite/N"

class SilentLines : public ResultSink {
 public:
  void AgregarInfo(const std::string& d) override { last = d; }
  void AgregarAdvertencia(const std::string& d) override { last = d; }
  void AgregarErr(const std::string& d) override { last = d; }
  std::string last;
};

// Peak resident memory since the last reset, and the current one, in MiB.
double StatusMiB(const char* key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(key, 0) == 0) return std::atof(line.c_str() + std::strlen(key)) / 1024.0;
  }
  return 0;
}
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

const std::string& Host(long cuiles, long declaraciones) {
  auto it = gHosts.find(cuiles);
  if (it != gHosts.end()) return it->second;
  const std::string path = (gScratch / ("host-" + std::to_string(cuiles) + ".mdb")).string();
  ClsKolm kolm;
  std::cerr << "Generando " << cuiles << " + " << declaraciones << " filas..." << std::endl;
  SampleInstallation::CreateHost(path, kolm, {cuiles, declaraciones});
  return gHosts[cuiles] = path;
}

// The statements of a repair of `host`, as the engine sends them to SQLite.
std::vector<std::string> SqliteStatements(const std::string& host, const std::string& program) {
  std::vector<std::string> jet;
  for (const char* c : {"Adicionales", "Premios", "CantidadHorasExtra", "SueldoDto788_05",
                        "AportesSSDto788_05", "RemuneracionImponible7", "AportesRes33_41_SSS"}) {
    jet.push_back(std::string("update 22Cuiles set [") + c + "] = 0 where [" + c + "] is null");
  }
  for (const char* c :
       {"OpcionLey25922", "PorcentajeAfectadoLey25922", "ResultadoEquivalenteCredFiscalIVA",
        "SumaRRII7", "TotalSuedosAfectadosDto788_05", "TotalAportesSSSto788_05",
        "TotalAportesRes33_41_SSS"}) {
    jet.push_back(std::string("update 21Declaraciones_Juradas set [") + c + "] = 0 where [" + c +
                  "] is null");
  }
  std::vector<std::string> sql;
  for (const auto& j : jet) sql.push_back(dao::JetSqlTranslator::Translate(j).sql);

  ClsKolm kolm;
  dao::Database h, m;
  if (!kolm.AbrirBaseMdb(host, h) || !kolm.AbrirBaseMdb(program + "/Remendor.mdb", m)) {
    throw std::runtime_error("no se pudieron abrir las bases de la prueba");
  }
  for (const auto& t : SchemaRebuild::LeerTablasMarcadas(m, h)) {
    if (SchemaRebuild::ExisteTabla(h, t.nombre)) {
      sql.push_back("DROP TABLE main." + dao::QuoteIdentifier(t.nombre));
    }
    auto create = dao::JetSqlTranslator::Translate(t.create);
    sql.push_back(create.sql);
    sql.insert(sql.end(), create.extraSql.begin(), create.extraSql.end());
  }
  m.Close();
  h.Close();
  kolm.encriptoDesencripto(program + "/Remendor.mdb");
  auto version = dao::JetSqlTranslator::Translate("CREATE TABLE VERSIONBASE (Version TEXT(6))");
  sql.push_back(version.sql);
  sql.insert(sql.end(), version.extraSql.begin(), version.extraSql.end());
  sql.push_back(
      dao::JetSqlTranslator::Translate("INSERT INTO VersionBase (Version) VALUES ('027')").sql);
  return sql;
}

void Record(benchmark::State& state, const std::string& key, double seconds, double startMiB) {
  Measure m{seconds, StatusMiB("VmHWM:"), StatusMiB("VmHWM:") - startMiB};
  gMeasures[key] = m;
  state.counters["peak_MiB"] = m.peakMiB;
  state.counters["growth_MiB"] = m.growthMiB;
}

void BM_Repair(benchmark::State& state) {
  const long cuiles = state.range(0), declaraciones = state.range(1);
  const fs::path program = gScratch / "prog";
  const fs::path install = gScratch / "inst";
  fs::create_directories(install);
  const std::string work = (install / "VORA12.mdb").string();
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(install);
    fs::create_directories(install);
    fs::copy_file(Host(cuiles, declaraciones), work);
    ClsKolm kolm;
    kolm.encriptoDesencripto(work);  // as installed
    SilentLines lines;
    dao::Database handle;
    ResetPeak();
    const double startMiB = StatusMiB("VmRSS:");
    state.ResumeTiming();

    auto t0 = std::chrono::steady_clock::now();
    bool ok = RepairRun(kolm, lines, program.string()).Ejecutar("27", install.string(), handle);
    handle.Close();
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    state.PauseTiming();
    if (!ok) {
      state.SkipWithError(("la reparación falló: " + lines.last).c_str());
      break;
    }
    Record(state, "repair/" + std::to_string(cuiles), secs, startMiB);
    state.ResumeTiming();
  }
}

void BM_Sqlite(benchmark::State& state) {
  const long cuiles = state.range(0), declaraciones = state.range(1);
  const std::string work = (gScratch / "base.mdb").string();
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(work);
    fs::copy_file(Host(cuiles, declaraciones), work);
    const std::vector<std::string> sql = SqliteStatements(work, (gScratch / "prog").string());
    ResetPeak();
    const double startMiB = StatusMiB("VmRSS:");
    state.ResumeTiming();

    auto t0 = std::chrono::steady_clock::now();
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(work.c_str(), &db, SQLITE_OPEN_READWRITE, dao::OffsetVfsName());
    // The collation and functions the translated statements name.
    if (rc == SQLITE_OK) dao::RegisterJetFunctions(db);
    for (const char* pragma : {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL"}) {
      if (rc == SQLITE_OK) rc = sqlite3_exec(db, pragma, nullptr, nullptr, nullptr);
    }
    for (size_t i = 0; rc == SQLITE_OK && i < sql.size(); i++) {
      rc = sqlite3_exec(db, sql[i].c_str(), nullptr, nullptr, nullptr);
    }
    std::string error = rc == SQLITE_OK ? "" : sqlite3_errmsg(db);
    sqlite3_close(db);
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();

    state.PauseTiming();
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      break;
    }
    Record(state, "sqlite/" + std::to_string(cuiles), secs, startMiB);
    state.ResumeTiming();
  }
}

void Report() {
  std::printf("\n%12s %12s %12s %8s %14s %14s\n", "cuiles", "sqlite s", "repair s", "ratio",
              "sqlite MiB+", "repair MiB+");
  for (const auto& [cuiles, path] : gHosts) {
    const std::string n = std::to_string(cuiles);
    if (!gMeasures.count("repair/" + n) || !gMeasures.count("sqlite/" + n)) continue;
    const Measure& r = gMeasures["repair/" + n];
    const Measure& s = gMeasures["sqlite/" + n];
    std::printf("%12ld %12.2f %12.2f %7.2fx %14.1f %14.1f\n", cuiles, s.seconds, r.seconds,
                r.seconds / s.seconds, s.growthMiB, r.growthMiB);
  }
  std::printf("(ratio: repair / sqlite; MiB+: peak resident memory above the start of the run)\n");
}

// Takes this benchmark's options out of argv, leaving Google Benchmark's.
Options ParseOptions(int& argc, char** argv) {
  Options o;
  int kept = 1;
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    if (a.rfind("--cuiles=", 0) == 0) {
      o.cuiles = std::atol(a.c_str() + 9);
    } else if (a.rfind("--declaraciones=", 0) == 0) {
      o.declaraciones = std::atol(a.c_str() + 16);
    } else if (a.rfind("--dir=", 0) == 0) {
      o.dir = a.substr(6);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  gOptions = ParseOptions(argc, argv);
  if (gOptions.cuiles < 10 || gOptions.declaraciones < 10) {
    std::cerr << "RepairBench: --cuiles and --declaraciones must be at least 10\n";
    return 2;
  }
  MessageBoxService::Install(std::make_shared<RecordingMessageBox>());
  fs::path base = gOptions.dir.empty() ? fs::temp_directory_path() : fs::path(gOptions.dir);
  std::string tmpl = (base / "remendor-bench-XXXXXX").string();
  if (::mkdtemp(tmpl.data()) == nullptr) {
    std::perror("RepairBench: mkdtemp");
    return 1;
  }
  gScratch = tmpl;
  fs::create_directories(gScratch / "prog");
  const fs::path metadata = fs::path(ProgramFolder(argv[0])) / "Remendor.mdb";
  std::error_code ec;
  fs::copy_file(metadata, gScratch / "prog" / "Remendor.mdb", ec);
  if (ec) {
    std::cerr << "RepairBench: no se encontró " << metadata << '\n';
    fs::remove_all(gScratch);
    return 1;
  }

  for (long divisor : {10L, 1L}) {
    const long c = gOptions.cuiles / divisor, d = gOptions.declaraciones / divisor;
    for (auto* b : {benchmark::RegisterBenchmark("Sqlite", BM_Sqlite),
                    benchmark::RegisterBenchmark("Repair", BM_Repair)}) {
      b->Args({c, d})->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  benchmark::RunSpecifiedBenchmarks();
  Report();
  benchmark::Shutdown();
  fs::remove_all(gScratch, ec);
  return 0;
}
