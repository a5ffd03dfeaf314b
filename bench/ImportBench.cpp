/*
** ImportBench: "remendor-db import" of a real Access file against MDB
** Tools' own "mdb-export" of every table of the same file to CSV, in the
** same run: the time each takes and the peak memory of each (the largest
** resident set of the process and of any process it waited for, so the
** import's reader process counts).
**
** Both are run as the operator runs them, as programs: the import is one
** process that writes a new engine database; the export is one mdb-export
** per table, as the tool works, each writing its CSV file. Time is the
** wall-clock time of the whole, memory the largest peak of the processes.
**
** The file is the largest of the test files (tests/data/jet/testV2000.mdb,
** four tables over 3 MB), or the one given:
**   ImportBench [--file=PATH] [Google Benchmark's options]
** Most of the import's time on such small files is fixed: making the
** engine's database and flushing it to disk before it takes its name,
** which the export, writing plain text, does not do.
** remendor-db is taken from beside this executable; mdb-export and
** mdb-tables from the PATH.
*/
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "RatioReporter.h"

namespace {

namespace fs = std::filesystem;

// Runs a program with its output to `out` ("" for none); returns the peak
// resident set in kilobytes of it and its waited-for children.
long Run(const std::vector<std::string>& argv, const std::string& out) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    const std::string to = out.empty() ? "/dev/null" : out;
    if (!std::freopen(to.c_str(), "w", stdout)) ::_exit(126);
    if (!std::freopen("/dev/null", "w", stderr)) ::_exit(126);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

std::vector<std::string> Tables(const std::string& file) {
  const std::string list = (fs::temp_directory_path() / "importbench-tables.txt").string();
  Run({"mdb-tables", "-1", file}, list);
  std::vector<std::string> tables;
  FILE* in = std::fopen(list.c_str(), "r");
  char line[1024];
  while (in && std::fgets(line, sizeof line, in)) {
    std::string t = line;
    while (!t.empty() && (t.back() == '\n' || t.back() == '\r')) t.pop_back();
    if (!t.empty()) tables.push_back(t);
  }
  if (in) std::fclose(in);
  fs::remove(list);
  return tables;
}

std::string program;  // remendor-db
std::map<std::string, long> peaks;

void BM_Import(benchmark::State& state, const std::string& file, const std::string& key) {
  const fs::path target = fs::temp_directory_path() / "importbench.mdb";
  long peak = 0;
  for (auto _ : state) {
    const long kb = Run({program, "import", file, target.string(), "--replace"}, "");
    if (kb < 0) state.SkipWithError("remendor-db import failed");
    peak = std::max(peak, kb);
  }
  fs::remove(target);
  peaks[key] = std::max(peaks[key], peak);
}

void BM_MdbExport(benchmark::State& state, const std::string& file, const std::string& key) {
  const std::vector<std::string> tables = Tables(file);
  const fs::path csv = fs::temp_directory_path() / "importbench.csv";
  long peak = 0;
  for (auto _ : state) {
    for (const std::string& t : tables) {
      const long kb = Run({"mdb-export", file, t}, csv.string());
      if (kb < 0) state.SkipWithError("mdb-export failed");
      peak = std::max(peak, kb);
    }
  }
  fs::remove(csv);
  peaks[key] = std::max(peaks[key], peak);
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path self = fs::canonical("/proc/self/exe").parent_path();
  program = (self / "remendor-db").string();
  const fs::path samples = REMENDOR_JET_SAMPLES;
  std::vector<std::pair<std::string, std::string>> files = {
      {"largest", (samples / "testV2000.mdb").string()}};
  std::vector<char*> rest;
  for (int i = 0; i < argc; i++) {
    if (std::strncmp(argv[i], "--file=", 7) == 0) {
      files = {{"given", argv[i] + 7}};
    } else {
      rest.push_back(argv[i]);
    }
  }
  for (const auto& [label, file] : files) {
    benchmark::RegisterBenchmark(("BM_Import/" + label).c_str(), BM_Import, file,
                                 "BM_Import/" + label)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5);
    benchmark::RegisterBenchmark(("BM_MdbExport/" + label).c_str(), BM_MdbExport, file,
                                 "BM_MdbExport/" + label)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(5);
  }
  int n = static_cast<int>(rest.size());
  benchmark::Initialize(&n, rest.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const auto& [label, file] : files) {
    const std::string size = std::to_string(fs::file_size(file) / 1024) + " KiB";
    reporter.PrintRatio("import / mdb-export time, " + label + " (" + size + ")",
                        "BM_Import/" + label, "BM_MdbExport/" + label, 3.0);
    const long ours = peaks["BM_Import/" + label];
    const long theirs = peaks["BM_MdbExport/" + label];
    if (ours > 0 && theirs > 0) {
      std::printf("%-40s %6.2fx  (%ld KiB / %ld KiB)\n",
                  ("import / mdb-export peak memory, " + label).c_str(),
                  static_cast<double>(ours) / static_cast<double>(theirs), ours, theirs);
    }
  }
  return 0;
}
