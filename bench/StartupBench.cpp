/*
** StartupBench: the time from launching a windowed program to its window's
** first paint, offscreen, against a bare Qt window launched the same way in
** the same run.
**
** Each run starts the program as a new process with
** REMENDOR_EXIT_AT_FIRST_PAINT=1 and QT_QPA_PLATFORM=offscreen, which makes
** it end right after its first paint (FirstPaint), and times it from
** the launch to its end: loading, Qt's start, the window's construction and
** its first paint. Ten runs each; the ratios use the medians.
**
**   bare window   this program itself, started with --ventana-vacia: a
**                 QApplication and an empty 400 x 300 QWidget
**   label window  this program, started with --ventana-etiqueta: the bare
**                 window showing one label, a line of text in the
**                 programs' face (DesktopSetup::UiFont). It is the floor of
**                 any window that shows text: the bare window draws none,
**                 so it never loads the font database, a face or a glyph
**   remendor      the repair window, on a sample installation (WINDIR)
**   galeria       the gallery on that sample (copied, then opened)
**   galeria_nueva the gallery making a new sample of its own
** The programs are looked for beside this one (build/bin). The sample is
** made once, with remendor-db demo, in a scratch folder.
**
** Aims: remendor at most 1.2 times the bare window; the gallery, which copies
** the sample and builds ten pages on it, at most 6 times. galeria_nueva is
** printed for information only: nearly all of it is making the sample's
** thousands of rows, which the operator pays once, not the window. Also
** printed: the label window against the bare one, against remendor's aim
** (whether a window that shows text can meet it at all), and, for
** information, remendor against the label window (what the repair window
** costs above that floor).
**
** Each reference runs alone too, for a profiler: StartupBench
** --ventana-vacia or --ventana-etiqueta, with the two variables above set.
*/
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "platform/ui/DesktopSetup.h"
#include "platform/ui/FirstPaint.h"
#include "repair/ProgramFolder.h"

extern char** environ;

namespace {

std::string gCarpeta;  // the folder of the programs
std::string gMuestra;  // the sample installation

// Runs `argv` with `extra` added to the environment; its standard output.
std::string Ejecutar(const std::vector<std::string>& argv, const std::vector<std::string>& extra) {
  std::vector<std::string> entorno;
  for (char** e = environ; *e; e++) {
    const std::string v = *e;
    bool reemplazada = false;
    for (const std::string& x : extra) {
      if (v.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0) reemplazada = true;
    }
    if (!reemplazada) entorno.push_back(v);
  }
  entorno.insert(entorno.end(), extra.begin(), extra.end());
  std::vector<char*> envp, args;
  for (std::string& v : entorno) envp.push_back(v.data());
  envp.push_back(nullptr);
  std::vector<std::string> copia = argv;
  for (std::string& a : copia) args.push_back(a.data());
  args.push_back(nullptr);

  int tubo[2];
  if (pipe(tubo) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
  // Qt's warnings too: they are kept for the message of a failed run.
  posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&acciones, tubo[0]);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, args[0], &acciones, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&acciones);
  close(tubo[1]);
  if (error != 0) {
    close(tubo[0]);
    throw std::runtime_error("no se pudo ejecutar " + argv[0] + ": " + std::strerror(error));
  }
  std::string salida;
  char buf[4096];
  for (ssize_t n; (n = read(tubo[0], buf, sizeof buf)) > 0;) salida.append(buf, size_t(n));
  close(tubo[0]);
  int estado = 0;
  waitpid(pid, &estado, 0);
  if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
    throw std::runtime_error(argv[0] + " terminó mal: " + salida);
  }
  return salida;
}

void Arranque(benchmark::State& state, std::vector<std::string> argv,
              std::vector<std::string> extra) {
  extra.push_back("REMENDOR_EXIT_AT_FIRST_PAINT=1");
  extra.push_back("QT_QPA_PLATFORM=offscreen");
  for (auto _ : state) {
    try {
      const std::string salida = Ejecutar(argv, extra);
      if (salida.find("primera pintura:") == std::string::npos) {
        state.SkipWithError(("sin primera pintura: " + salida).c_str());
      }
    } catch (const std::exception& e) {
      state.SkipWithError(e.what());
    }
  }
}

int VentanaVacia(int argc, char** argv, bool conEtiqueta) {
  QApplication app(argc, argv);
  if (conEtiqueta) QApplication::setFont(DesktopSetup::UiFont());
  QWidget ventana;
  ventana.resize(400, 300);
  if (conEtiqueta) {
    auto* etiqueta = new QLabel(QStringLiteral("Versión de VORA:"), &ventana);
    etiqueta->move(8, 8);
  }
  FirstPaint::Watch(ventana);
  ventana.show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--ventana-vacia") == 0) {
    return VentanaVacia(argc, argv, false);
  }
  if (argc == 2 && std::strcmp(argv[1], "--ventana-etiqueta") == 0) {
    return VentanaVacia(argc, argv, true);
  }

  gCarpeta = ProgramFolder(argv[0]);
  QTemporaryDir scratch;
  gMuestra = (std::filesystem::path(scratch.path().toStdString()) / "muestra").string();
  Ejecutar({gCarpeta + "/remendor-db", "demo", gMuestra}, {});

  const std::string yo = gCarpeta + "/" + std::filesystem::path(argv[0]).filename().string();
  auto registrar = [](const char* nombre, std::vector<std::string> args,
                      std::vector<std::string> extra) {
    benchmark::RegisterBenchmark(nombre,
                                 [args, extra](benchmark::State& s) { Arranque(s, args, extra); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(10)
        ->UseRealTime()
        ->ReportAggregatesOnly(true);
  };
  registrar("BM_VentanaVacia", {yo, "--ventana-vacia"}, {});
  registrar("BM_VentanaEtiqueta", {yo, "--ventana-etiqueta"}, {});
  registrar("BM_Remendor", {gCarpeta + "/remendor"}, {"WINDIR=" + gMuestra + "/windows"});
  registrar("BM_Galeria", {gCarpeta + "/remendor-galeria", gMuestra}, {});
  registrar("BM_GaleriaMuestraNueva", {gCarpeta + "/remendor-galeria"}, {});

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("remendor / bare window, first paint", "BM_Remendor", "BM_VentanaVacia", 1.2);
  reporter.PrintRatio("label window / bare window, first paint", "BM_VentanaEtiqueta",
                      "BM_VentanaVacia", 1.2);
  reporter.PrintRatio("remendor / label window, first paint", "BM_Remendor", "BM_VentanaEtiqueta",
                      0);
  reporter.PrintRatio("gallery / bare window, first paint", "BM_Galeria", "BM_VentanaVacia", 6.0);
  benchmark::Shutdown();
  return 0;
}
