/*
** RepairBench: the repair run on a generated host, against the same
** statements sent straight to SQLite, on copies of the same file, each side
** in a process of its own.
**
** The host has N rows in 22Cuiles and M in 21Declaraciones_Juradas, about a
** tenth of each amount column NULL. Each size is run twice: at the given
** size and at a tenth of it, so that the peak memory of the two can be
** compared (it should grow with the page cache, not with the rows). The
** repair counts everything the operator waits for: the backup copy,
** unscrambling, opening, the fourteen updates, the rebuild with its
** metadata, the version stamp and the scrambling. The baseline does what
** the sqlite3 shell would do with the statements the engine sends to
** SQLite: it opens the plain file through the same storage shim, with the
** pragmas the engine gives its connections (the same page cache among
** them), and runs them one by one.
**
** Each side runs in a new process started from this program (--lado=...),
** so that its peak resident memory is its own: the same executable and
** libraries on both sides, nothing left over from generating the host or
** from the other side. The child times its own work and prints the seconds
** and its peak. Aims: the
** repair's time at most 1.1 times the baseline's, its peak memory at most
** 1.05 times.
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
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "dao/OffsetVfs.h"
#include "dao/SqliteFunctions.h"
#include "dao/sql/JetSqlTranslator.h"
#include "dao/sql/SqlQuote.h"
#include "host/ClsKolm.h"
#include "platform/MessageBoxService.h"
#include "platform/RecordingMessageBox.h"
#include "repair/ProgramFolder.h"
#include "repair/RepairRun.h"
#include "repair/SchemaRebuild.h"
#include "samples/SampleInstallation.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Options {
  long cuiles = 1000000;
  long declaraciones = 200000;
  std::string dir;
};

// What a child reports: its own time for the work and its peak resident
// memory.
struct Measure {
  double seconds = 0;
  double peakMiB = 0;
};

Options gOptions;
std::string gSelf;
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

// ---- the children: one side's work, timed by itself --------------------

// The peak resident memory of this process, in MiB. The child reads its
// own: the resource usage that the parent gets from wait4 also counts what
// the parent held when it started the child.
double PeakMiB() {
  std::ifstream in("/proc/self/status");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  }
  return 0;
}

// What the child prints for its parent on success.
int ReportDone(double seconds) {
  std::printf("segundos=%.6f pico=%.4f\n", seconds, PeakMiB());
  return 0;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Repairs the installation in `install` with the metadata in `program`.
int ChildRepair(const std::string& install, const std::string& program) {
  MessageBoxService::Install(std::make_shared<RecordingMessageBox>());
  ClsKolm kolm;
  SilentLines lines;
  dao::Database handle;
  const auto t0 = std::chrono::steady_clock::now();
  const bool ok = RepairRun(kolm, lines, program).Ejecutar("27", install, handle);
  handle.Close();
  const double secs = Seconds(t0);
  if (!ok) {
    std::printf("error=la reparación falló: %s\n", lines.last.c_str());
    return 1;
  }
  return ReportDone(secs);
}

// Runs the statements of `script` (each ended by a NUL, since a statement
// may span lines) on the plain file `work`, as
// the engine's connection would: its storage shim, functions and pragmas.
int ChildSqlite(const std::string& work, const std::string& script) {
  std::vector<std::string> sql;
  std::ifstream in(script);
  for (std::string s; std::getline(in, s, '\0');) sql.push_back(s);

  const auto t0 = std::chrono::steady_clock::now();
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(work.c_str(), &db, SQLITE_OPEN_READWRITE, dao::OffsetVfsName());
  // The collation and functions the translated statements name.
  if (rc == SQLITE_OK) dao::RegisterJetFunctions(db);
  for (const char* pragma :
       {"PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL", "PRAGMA cache_size=-32768"}) {
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, pragma, nullptr, nullptr, nullptr);
  }
  for (size_t i = 0; rc == SQLITE_OK && i < sql.size(); i++) {
    rc = sqlite3_exec(db, sql[i].c_str(), nullptr, nullptr, nullptr);
  }
  const std::string error = rc == SQLITE_OK ? "" : sqlite3_errmsg(db);
  sqlite3_close(db);
  const double secs = Seconds(t0);
  if (!error.empty()) {
    std::printf("error=%s\n", error.c_str());
    return 1;
  }
  return ReportDone(secs);
}

// ---- the parent -----------------------------------------------------------

// Runs this program as a child with `args`; its time and peak memory.
Measure RunChild(const std::vector<std::string>& args) {
  std::vector<std::string> all = {gSelf};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);

  int pipeFds[2];
  if (::pipe(pipeFds) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, gSelf.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeFds[1]);
  if (error != 0) {
    ::close(pipeFds[0]);
    throw std::runtime_error(std::string("posix_spawn: ") + std::strerror(error));
  }
  std::string out;
  char buf[512];
  for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) out.append(buf, size_t(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  Measure m;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(out.c_str(), "segundos=%lf pico=%lf", &m.seconds, &m.peakMiB) != 2) {
    throw std::runtime_error("el proceso hijo falló: " + out);
  }
  return m;
}

void Record(benchmark::State& state, const std::string& key, const Measure& m) {
  state.SetIterationTime(m.seconds);
  state.counters["peak_MiB"] = m.peakMiB;
  gMeasures[key] = m;
}

void BM_Repair(benchmark::State& state, long cuiles, long declaraciones) {
  const fs::path program = gScratch / "prog";
  const fs::path install = gScratch / "inst";
  const std::string work = (install / "VORA12.mdb").string();
  for (auto _ : state) {
    fs::remove_all(install);
    fs::create_directories(install);
    fs::copy_file(Host(cuiles, declaraciones), work);
    ClsKolm().encriptoDesencripto(work);  // as installed
    try {
      Record(state, "repair/" + std::to_string(cuiles),
             RunChild({"--lado=reparacion", install.string(), program.string()}));
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      break;
    }
  }
}

void BM_Sqlite(benchmark::State& state, long cuiles, long declaraciones) {
  const std::string work = (gScratch / "base.mdb").string();
  const std::string script = (gScratch / "sentencias.sql").string();
  for (auto _ : state) {
    fs::remove(work);
    fs::copy_file(Host(cuiles, declaraciones), work);
    {
      std::ofstream out(script);
      for (const std::string& s : SqliteStatements(work, (gScratch / "prog").string())) {
        out << s << '\0';
      }
    }
    try {
      Record(state, "sqlite/" + std::to_string(cuiles), RunChild({"--lado=sqlite", work, script}));
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
      break;
    }
  }
}

void Report(const RatioReporter& reporter) {
  std::printf("\n%12s %12s %12s %8s %12s %12s %8s\n", "cuiles", "sqlite s", "repair s", "ratio",
              "sqlite MiB", "repair MiB", "ratio");
  for (const auto& [cuiles, path] : gHosts) {
    const std::string n = std::to_string(cuiles);
    if (!gMeasures.count("repair/" + n) || !gMeasures.count("sqlite/" + n)) continue;
    const Measure& r = gMeasures["repair/" + n];
    const Measure& s = gMeasures["sqlite/" + n];
    std::printf("%12ld %12.2f %12.2f %7.2fx %12.1f %12.1f %7.2fx\n", cuiles, s.seconds, r.seconds,
                r.seconds / s.seconds, s.peakMiB, r.peakMiB, r.peakMiB / s.peakMiB);
  }
  std::printf(
      "(ratio: repair / sqlite; MiB: the side's peak resident memory, in its own "
      "process)\n\n");
  const std::string full = std::to_string(gOptions.cuiles);
  reporter.PrintRatio("repair " + full + " rows, time", "Repair_" + full, "Sqlite_" + full, 1.1);
  if (gMeasures.count("repair/" + full) && gMeasures.count("sqlite/" + full)) {
    const double ratio = gMeasures["repair/" + full].peakMiB / gMeasures["sqlite/" + full].peakMiB;
    std::printf("%-40s %6.2fx  (aim: at most %.2fx)%s\n",
                ("repair " + full + " rows, peak memory").c_str(), ratio, 1.05,
                ratio <= 1.05 ? "" : "  ABOVE AIM");
  }
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
  if (argc == 4 && std::strcmp(argv[1], "--lado=reparacion") == 0) {
    return ChildRepair(argv[2], argv[3]);
  }
  if (argc == 4 && std::strcmp(argv[1], "--lado=sqlite") == 0) return ChildSqlite(argv[2], argv[3]);

  gOptions = ParseOptions(argc, argv);
  if (gOptions.cuiles < 10 || gOptions.declaraciones < 10) {
    std::cerr << "RepairBench: --cuiles and --declaraciones must be at least 10\n";
    return 2;
  }
  MessageBoxService::Install(std::make_shared<RecordingMessageBox>());
  gSelf = (fs::path(ProgramFolder(argv[0])) / fs::path(argv[0]).filename()).string();
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
    // One name per size: the ratios look runs up by name.
    const std::string n = std::to_string(c);
    for (auto* b :
         {benchmark::RegisterBenchmark(("Sqlite_" + n).c_str(),
                                       [c, d](benchmark::State& s) { BM_Sqlite(s, c, d); }),
          benchmark::RegisterBenchmark(("Repair_" + n).c_str(),
                                       [c, d](benchmark::State& s) { BM_Repair(s, c, d); })}) {
      b->Iterations(1)->Unit(benchmark::kMillisecond)->UseManualTime();
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  Report(reporter);
  benchmark::Shutdown();
  fs::remove_all(gScratch, ec);
  return 0;
}
