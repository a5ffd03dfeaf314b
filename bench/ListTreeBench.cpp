/*
** ListTreeBench: the list view and the lazy tree at the sizes a form
** meets, each against a baseline in the same process.
**
** List: 20,000 rows of four columns put into NOVUList (key, image, texts)
** and sorted by the first column, against the same rows put straight into
** a bare QTreeWidget with the same icon and sorted by Qt's own text order.
** Both build, sort and destroy their widget in every iteration. Aim: at
** most 1.1 times the baseline: the list's keys, its Spanish order and its
** images should cost next to nothing beside the widget's own work.
**
** Tree: a three-level iterator tree read from an engine database (10 rows
** at the top, 9 under each, and under each of those as many as make up the
** total), built with every level at once (eager) and with the top level's
** children left for expansion (delayed, CargaRetrasada), at 1,000 and
** 10,000 rows. Each iteration is the first paint as the operator waits for
** it: ARB_CargarArbol and the first rendering of the control. The delayed
** tree queries only the top level, so its first paint must not grow with
** the rows below: the ratio of its two sizes aims at 1.3 at most; the
** eager tree's may grow with the rows, but no faster (10 at most).
**
** Widgets need a QApplication: the program makes one on the offscreen
** platform unless QT_QPA_PLATFORM says otherwise.
*/
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RatioReporter.h"
#include "common/Variant.h"
#include "controls/NOVUTreeContainer.h"
#include "controls/ui/ControlIcons.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/NOVUTree.h"
#include "dao/DBEngine.h"

namespace {

constexpr int kFilasLista = 20000;
constexpr int kArriba = 10;
constexpr int kMedio = 9;

struct FilaDatos {
  std::string clave, apellido, numero, ciudad, fecha;
};

const std::vector<FilaDatos>& Filas() {
  static const std::vector<FilaDatos> filas = [] {
    const char* apellidos[] = {"Álvarez", "Alvarez", "Benítez", "Núñez", "Nuñez",  "Pérez",
                               "Gómez",   "Ñandú",   "Zárate",  "Ríos",  "Acosta", "Luna"};
    const char* ciudades[] = {"Córdoba", "Salta", "Rosario", "Paraná", "Tandil", "Azul"};
    std::mt19937 azar(42);
    std::vector<FilaDatos> v;
    v.reserve(kFilasLista);
    for (int i = 0; i < kFilasLista; i++) {
      FilaDatos f;
      f.clave = "k" + std::to_string(i);
      f.apellido = std::string(apellidos[azar() % 12]) + " " + std::to_string(azar() % 100000);
      f.numero = std::to_string(azar() % 100000);
      f.ciudad = ciudades[azar() % 6];
      f.fecha = std::to_string(1 + azar() % 28) + "/0" + std::to_string(1 + azar() % 9) + "/2006";
      v.push_back(std::move(f));
    }
    return v;
  }();
  return filas;
}

void BM_NOVUList(benchmark::State& state) {
  const auto& filas = Filas();
  for (auto _ : state) {
    auto lista = std::make_unique<NOVUList>();
    lista->AgregarColumna("Apellido", 2000);
    lista->AgregarColumna("Número", 800);
    lista->AgregarColumna("Ciudad", 1000);
    lista->AgregarColumna("Fecha", 1000);
    for (size_t i = 0; i < filas.size(); i++) {
      const FilaDatos& f = filas[i];
      lista->AgregarItem(f.clave, f.apellido, static_cast<int32_t>(i % 3),
                         {f.numero, f.ciudad, f.fecha});
    }
    lista->Ordenar(0, 0);
    benchmark::DoNotOptimize(lista->GetItems(int32_t{1}));
  }
}

void BM_QTreeWidget(benchmark::State& state) {
  const auto& filas = Filas();
  const QIcon iconos[] = {ControlIcons::Icon("lst_agregar", 16),
                          ControlIcons::Icon("lst_persona", 16),
                          ControlIcons::Icon("lst_nota1", 16)};
  for (auto _ : state) {
    auto lista = std::make_unique<QTreeWidget>();
    lista->setColumnCount(4);
    lista->setHeaderLabels({"Apellido", "Número", "Ciudad", "Fecha"});
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    for (size_t i = 0; i < filas.size(); i++) {
      const FilaDatos& f = filas[i];
      auto* item = new QTreeWidgetItem(
          QStringList{QString::fromStdString(f.apellido), QString::fromStdString(f.numero),
                      QString::fromStdString(f.ciudad), QString::fromStdString(f.fecha)});
      item->setData(0, Qt::UserRole, QString::fromStdString(f.clave));
      item->setIcon(0, iconos[i % 3]);
      lista->addTopLevelItem(item);
    }
    lista->sortItems(0, Qt::AscendingOrder);
    benchmark::DoNotOptimize(lista->topLevelItem(0));
  }
}

class Respuestas : public NOVUTreeContainer {
 public:
  std::string DarCaption(Variant&, dao::Recordset& rs) override {
    return rs.Fields("Nombre").Value().ToString();
  }
  int32_t DarCondicion(Variant& Codigo, dao::Recordset&) override { return Codigo.ToLong(); }
  Variant EsCheck(Variant&, std::vector<Variant>&) override { return false; }
};

// The three levels for `total` rows, in a database of its own.
dao::Database Base(const QTemporaryDir& carpeta, int total) {
  const std::string ruta = carpeta.filePath(QString("arbol%1.mdb").arg(total)).toStdString();
  dao::Database db = dao::DBEngine::CreateDatabase(ruta, "");
  db.Execute("CREATE TABLE Nivel1 (Id1 LONG, Nombre TEXT(50))");
  db.Execute("CREATE TABLE Nivel2 (Id2 LONG, Id1 LONG, Nombre TEXT(50))");
  db.Execute("CREATE TABLE Nivel3 (Id3 LONG, Id2 LONG, Nombre TEXT(50))");
  db.Execute("CREATE INDEX iNivel2 ON Nivel2 (Id1)");
  db.Execute("CREATE INDEX iNivel3 ON Nivel3 (Id2)");
  const int abajo = (total - kArriba - kArriba * kMedio) / (kArriba * kMedio);
  int id2 = 0, id3 = 0;
  dao::DBEngine::BeginTrans();
  for (int a = 1; a <= kArriba; a++) {
    db.Execute("INSERT INTO Nivel1 VALUES (" + std::to_string(a) + ", 'Empresa " +
               std::to_string(a) + "')");
    for (int b = 0; b < kMedio; b++) {
      ++id2;
      db.Execute("INSERT INTO Nivel2 VALUES (" + std::to_string(id2) + ", " + std::to_string(a) +
                 ", 'Sector " + std::to_string(id2) + "')");
      for (int c = 0; c < abajo; c++) {
        ++id3;
        db.Execute("INSERT INTO Nivel3 VALUES (" + std::to_string(id3) + ", " +
                   std::to_string(id2) + ", 'Empleado " + std::to_string(id3) + "')");
      }
    }
  }
  dao::DBEngine::CommitTrans();
  return db;
}

void BM_Tree(benchmark::State& state, bool retrasada, int total) {
  // One database per size, made on first use and kept for every run.
  static QTemporaryDir carpeta;
  static std::map<int, dao::Database> bases;
  auto base = bases.find(total);
  if (base == bases.end()) base = bases.emplace(total, Base(carpeta, total)).first;
  dao::Database db = base->second;
  Respuestas respuestas;
  int64_t nodos = 0;
  for (auto _ : state) {
    NOVUTree arbol;
    arbol.Move(0, 0, 4800, 6000);
    arbol.ObjArbol = &respuestas;
    arbol.Clear();
    arbol.ARB_AgregarNodoIterador(0, 1, db, "SELECT * FROM Nivel1 ORDER BY Id1", "Id1", false,
                                  retrasada, 4);
    arbol.ARB_AgregarNodoIterador(1, 2, db, "SELECT * FROM Nivel2 WHERE Id1 = %Id1% ORDER BY Id2",
                                  "Id2", false, false, 5);
    arbol.ARB_AgregarNodoIterador(2, 3, db, "SELECT * FROM Nivel3 WHERE Id2 = %Id2% ORDER BY Id3",
                                  "Id3", false, false, 6);
    arbol.ARB_CargarArbol();
    benchmark::DoNotOptimize(arbol.grab());
    state.PauseTiming();
    nodos = 0;
    for (QTreeWidgetItemIterator it(arbol.Arbol()); *it; ++it) nodos++;
    state.ResumeTiming();
  }
  state.counters["nodos"] = static_cast<double>(nodos);
}

}  // namespace

BENCHMARK(BM_NOVUList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_QTreeWidget)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  // One name per size: the ratios look runs up by name.
  for (int total : {1000, 10000}) {
    for (bool retrasada : {false, true}) {
      const std::string nombre =
          std::string("BM_Tree_") + (retrasada ? "delayed_" : "eager_") + std::to_string(total);
      benchmark::RegisterBenchmark(
          nombre.c_str(),
          [retrasada, total](benchmark::State& state) { BM_Tree(state, retrasada, total); })
          ->Unit(benchmark::kMillisecond)
          // A few milliseconds a run on a shared machine: many runs each.
          ->MinTime(0.5)
          ->Repetitions(5)
          ->ReportAggregatesOnly(true);
    }
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("NOVUList 20,000 rows, fill + sort", "BM_NOVUList", "BM_QTreeWidget", 1.1);
  reporter.PrintRatio("delayed first paint, 10,000 / 1,000 rows", "BM_Tree_delayed_10000",
                      "BM_Tree_delayed_1000", 1.3);
  reporter.PrintRatio("delayed / eager first paint, 10,000 rows", "BM_Tree_delayed_10000",
                      "BM_Tree_eager_10000", 1.0);
  reporter.PrintRatio("eager first paint, 10,000 / 1,000 rows", "BM_Tree_eager_10000",
                      "BM_Tree_eager_1000", 10.0);
  benchmark::Shutdown();
  return 0;
}
