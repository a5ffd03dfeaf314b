// The lazy tree's rules over a tree view without widgets: fixed nodes and
// iterators loaded at once and on expansion, the form's answers, branch
// reloads, node operations, failures that leave the stacks balanced, the
// confirmation of the selected node and the geometry.
#include <gtest/gtest.h>

#include "FakeTreeView.h"
#include "controls/NOVUTreeModel.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "support/TreeSample.h"

namespace {

class NOVUTreeModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeTreeSample(carpeta.File("arbol.mdb"));
    vista.model = &arbol;
    arbol.ObjArbol = &respuestas;
  }
  void TearDown() override { db.Close(); }

  std::vector<std::string> Hijos(const std::string& clave) { return vista.Children(clave); }
  std::vector<std::string> Raices() { return vista.roots; }
  std::string Imagen(const std::string& clave) { return vista.nodes.at(clave).image; }
  // The companies (code 7) under `padre`, one node per row.
  void Empresas(int32_t padre, bool hojasDistintas, bool retrasada) {
    arbol.ARB_AgregarNodoIterador(padre, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa",
                                  "IdEmpresa", hojasDistintas, retrasada, 4);
  }
  // Each company's employees (code 8) under it.
  void Empleados() {
    arbol.ARB_AgregarNodoIterador(
        7, 8, db, "SELECT * FROM Empleados WHERE IdEmpresa = %IdEmpresa% ORDER BY IdEmpleado",
        "IdEmpleado", false, false, 6);
  }
  void DosNiveles(bool retrasada) {
    Empresas(0, false, retrasada);
    Empleados();
  }

  TempDir carpeta;
  dao::Database db;
  RecordingTreeContainer respuestas;
  FakeTreeView vista;
  NOVUTreeModel arbol{vista};
};

}  // namespace

TEST_F(NOVUTreeModelTest, FixedNodesTakeTheirOwnCodeAsKey) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Uno");
  arbol.ARB_AgregarNodo(0, 2, 2, "Dos", 5);
  arbol.ARB_AgregarNodo(1, 5, 1, "Cinco", 4);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Raices(), (std::vector<std::string>{"A000001", "A000002"}));
  EXPECT_EQ(Hijos("A000001"), (std::vector<std::string>{"A000005 Cinco"}));
  EXPECT_EQ(Imagen("A000001"), "cerrado");
  EXPECT_EQ(vista.nodes.at("A000001").expandedImage, "abierto");
  EXPECT_EQ(Imagen("A000002"), "carga");
  EXPECT_EQ(Imagen("A000005"), "vacio");  // check node: the form said no
  EXPECT_EQ(respuestas.preguntas, (std::vector<std::string>{"EsCheck 5"}));
  EXPECT_EQ(arbol.Items().size(), 3u);
  EXPECT_FALSE(arbol.Items()[2].carpeta);
  EXPECT_EQ(arbol.Items()[2].Imagen, 0);  // a check node keeps no image
  EXPECT_EQ(arbol.ARB_NodoCaption({5}), "Cinco");
  arbol.SetARB_NodoCaption({5}, "Cinco bis");
  EXPECT_EQ(arbol.ARB_NodoCaption({5}), "Cinco bis");
  EXPECT_EQ(arbol.ARB_NodoImage({2}), 5);
  arbol.SetARB_NodoImage({2}, 7);
  EXPECT_EQ(arbol.ARB_NodoImage({2}), 7);
  EXPECT_EQ(ErrorOf([&] { arbol.SetARB_NodoImage({2}, 8); }), 9);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_NodoCaption({99}); }), 35601);
}

TEST_F(NOVUTreeModelTest, NodeImageOutsideTheTableReadsAsZero) {
  arbol.ARB_AgregarNodo(0, 1, 2, "Uno", 3);
  arbol.ARB_CargarArbol();
  // A key only a form that reached into the tree could give it.
  vista.nodes.at("A000001").image = "otra";
  EXPECT_EQ(arbol.ARB_NodoImage({1}), 0);
  // A branch that was never shown has nothing to rebuild.
  arbol.ARB_AgregarNodo(0, 9, 2, "Nueva", 3);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_Recargar_Rama(9, 0); }), 35601);
  arbol.Clear();
  arbol.ARB_AgregarNodo(0, 9, 2, "Mala", 8);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 9);
}

TEST_F(NOVUTreeModelTest, IteratorRowsAndNestedQueriesGetTheRowValue) {
  DosNiveles(false);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos(""), (std::vector<std::string>{"A000012000007 Norte", "A000013000007 Sur"}));
  EXPECT_EQ(Imagen("A000012000007"), "actividades");
  EXPECT_EQ(Hijos("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000003000008 O'Brien"}));
  EXPECT_TRUE(arbol.NombresCampo().empty());
  EXPECT_TRUE(arbol.ValoresCampo().empty());
}

TEST_F(NOVUTreeModelTest, AQuoteInARowValueNeitherBreaksNorWidensTheDeeperQuery) {
  db.Execute("CREATE TABLE Tareas (IdTarea LONG, Empleado TEXT(50), Nombre TEXT(50))");
  db.Execute("INSERT INTO Tareas VALUES (1, 'O''Brien', 'Informe')");
  db.Execute("INSERT INTO Tareas VALUES (2, 'Ana', 'Balance')");
  db.Execute("INSERT INTO Tareas VALUES (3, 'x', 'Oculta')");
  db.Execute("INSERT INTO Empleados VALUES (4, 13, 'x'' OR ''1''=''1')");
  // The key field is the name itself, so that its value fills the
  // deeper query's literal.
  auto tareasDe = [&](int32_t empleado) {
    arbol.Clear();
    arbol.ARB_AgregarNodoIterador(
        0, 7, db, "SELECT * FROM Empleados WHERE IdEmpleado = " + std::to_string(empleado),
        "Nombre", false, false, 4);
    arbol.ARB_AgregarNodoIterador(7, 9, db, "SELECT * FROM Tareas WHERE Empleado = '%Nombre%'",
                                  "IdTarea", false, false, 6);
    arbol.ARB_CargarArbol();
    return Hijos("A000000000007");
  };
  EXPECT_EQ(tareasDe(3), (std::vector<std::string>{"A000000000001000009 Informe"}));
  EXPECT_EQ(tareasDe(4), (std::vector<std::string>{}));
}

// A delayed row gets one placeholder and loads once, on its expansion. It
// finds its row's value again from its key, so a nested query's
// placeholders are filled and the check nodes below get the whole value
// path, as in a load done at once.
TEST_F(NOVUTreeModelTest, DelayedRowsLoadOnceOnExpansionWithTheValuePathFromTheKey) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Empresas");
  Empresas(1, false, true);
  Empleados();
  arbol.ARB_AgregarNodo(8, 20, 1, "Presentó");
  respuestas.marcados = {"20/12/1"};
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012000001 nodotemporal"}));
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000002 nodotemporal"}));
  EXPECT_EQ(Imagen("A000012000001"), "abierto");

  arbol.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Hijos("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  EXPECT_EQ(Hijos("A000012000001000008"),
            (std::vector<std::string>{"A000012000001000020 Presentó"}));
  EXPECT_EQ(Imagen("A000012000001000020"), "lleno");
  EXPECT_EQ(Imagen("A000012000002000020"), "vacio");
  EXPECT_EQ(arbol.ARB_ClavesArbol, (std::vector<double>{7, 12}));
  EXPECT_TRUE(arbol.NombresCampo().empty());

  // Collapsing and expanding again queries nothing: the engine's rows may
  // change, the branch does not.
  db.Execute("INSERT INTO Empleados VALUES (9, 12, 'Nueva')");
  arbol.ARB_Expandir(false, {7, 12});
  arbol.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Hijos("A000012000007").size(), 2u);
  arbol.ARB_Expandir(true, {7, 13});
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000003000008 O'Brien"}));
}

TEST_F(NOVUTreeModelTest, PlaceholderCodesStartAtOneThenAtAThousandAndOneAfterClear) {
  DosNiveles(true);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(arbol.UltimoTemporal(), 2);
  arbol.Clear();
  EXPECT_TRUE(vista.roots.empty());
  EXPECT_TRUE(arbol.Items().empty());
  DosNiveles(true);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012001001 nodotemporal"}));
}

TEST_F(NOVUTreeModelTest, HojasDistintasTakesTheLevelFromTheForm) {
  respuestas.condiciones = {{7.0, 50}};
  Empresas(0, true, false);
  arbol.ARB_AgregarNodo(50, 51, 1, "Marcable");
  respuestas.marcados = {"51/13"};
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012000051 Marcable"}));
  EXPECT_EQ(Imagen("A000012000051"), "vacio");
  EXPECT_EQ(Imagen("A000013000051"), "lleno");
  EXPECT_FALSE(respuestas.condicionSinFila);

  // Delayed: the form is asked with no row when the row is expanded.
  arbol.Clear();
  Empresas(0, true, true);
  arbol.ARB_AgregarNodo(50, 51, 2, "Hoja", 6);
  arbol.ARB_CargarArbol();
  arbol.ARB_Expandir(true, {7, 13});
  EXPECT_TRUE(respuestas.condicionSinFila);
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000051 Hoja"}));
}

TEST_F(NOVUTreeModelTest, RefreshReadsTheCheckAgainAndNullCountsAsFalse) {
  Empresas(0, false, false);
  arbol.ARB_AgregarNodo(7, 20, 1, "Presentada");
  respuestas.nulos = {"20/13"};
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Imagen("A000012000020"), "vacio");
  EXPECT_EQ(Imagen("A000013000020"), "vacio");
  respuestas.marcados = {"20/12"};
  arbol.ARB_RefrescarNodo({20, 12});
  EXPECT_EQ(Imagen("A000012000020"), "lleno");
  EXPECT_EQ(arbol.ValoresCampo().size(), 1u);
  respuestas.marcados.clear();
  respuestas.nulos = {"20/12"};
  arbol.ARB_RefrescarNodo({20, 12});
  EXPECT_EQ(Imagen("A000012000020"), "vacio");
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_RefrescarNodo({21, 12}); }), 35601);
}

TEST_F(NOVUTreeModelTest, BranchReloadRebuildsAFixedBranchAfterAnExpansion) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Raíz");
  arbol.ARB_AgregarNodo(0, 2, 0, "Empresas");
  Empresas(2, false, true);
  arbol.ARB_AgregarNodo(1, 3, 2, "Hoja", 6);
  arbol.ARB_AgregarNodo(7, 8, 2, "Bajo empresa", 6);
  arbol.ARB_CargarArbol();
  arbol.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012000008 Bajo empresa"}));
  arbol.SetARB_NodoCaption({3}, "Cambiada");
  arbol.ARB_Recargar_Rama(1, 0);
  EXPECT_EQ(Raices(), (std::vector<std::string>{"A000002", "A000001"}));
  EXPECT_EQ(Hijos("A000001"), (std::vector<std::string>{"A000003 Hoja"}));
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_Recargar_Rama(4, 0); }), 35601);
}

TEST_F(NOVUTreeModelTest, FailuresReachTheCallerAndLeaveTheStacksBalanced) {
  arbol.ObjArbol = nullptr;
  DosNiveles(false);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 91);
  arbol.ObjArbol = &respuestas;
  arbol.Clear();
  Empresas(0, false, false);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste WHERE X = %IdEmpresa%", "X",
                                false, false, 4);
  EXPECT_NE(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 0);
  EXPECT_TRUE(arbol.NombresCampo().empty());
  EXPECT_TRUE(arbol.ValoresCampo().empty());
  EXPECT_EQ(arbol.ClavePadre(), "");

  // Two descriptions with one code give one key twice.
  arbol.Clear();
  arbol.ARB_AgregarNodo(0, 1, 2, "a");
  arbol.ARB_AgregarNodo(0, 1, 2, "b");
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 35602);

  // A delayed nested load that fails reaches the caller of ARB_Expandir.
  arbol.Clear();
  Empresas(0, false, true);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste", "X", false, false, 4);
  arbol.ARB_CargarArbol();
  EXPECT_NE(ErrorOf([&] { arbol.ARB_Expandir(true, {7, 12}); }), 0);
  EXPECT_TRUE(arbol.NombresCampo().empty());
}

TEST_F(NOVUTreeModelTest, OnlyTheSelectedNodeUnderALeftDoubleClickOrEnterIsConfirmed) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Uno");
  arbol.ARB_AgregarNodo(0, 2, 2, "Dos");
  arbol.ARB_CargarArbol();
  EXPECT_FALSE(arbol.DblClick());  // nothing selected

  vista.selected = "A000002";
  vista.underPointer = "A000002";
  arbol.NodeClick("A000002");
  EXPECT_EQ(arbol.ARB_ClavesArbol, (std::vector<double>{2}));
  arbol.ARB_ClavesArbol.clear();
  arbol.MouseDown(1, 300, 200);
  EXPECT_EQ(arbol.MouseX(), 300);
  EXPECT_EQ(arbol.MouseY(), 200);
  EXPECT_TRUE(arbol.DblClick());
  EXPECT_EQ(arbol.ARB_ClavesArbol, (std::vector<double>{2}));

  // The right button does not confirm, nor a press elsewhere than on the
  // selected node; Enter does, wherever the pointer was.
  arbol.MouseDown(NOVUTreeModel::kBotonDerecho, 300, 200);
  EXPECT_TRUE(arbol.BotonDerecho());
  EXPECT_FALSE(arbol.DblClick());
  arbol.MouseDown(1, 300, 5000);
  vista.underPointer = "A000001";
  EXPECT_FALSE(arbol.DblClick());
  EXPECT_FALSE(arbol.KeyPress(27));
  EXPECT_FALSE(arbol.PorTeclado());
  EXPECT_TRUE(arbol.KeyPress(NOVUTreeModel::kEnter));
  EXPECT_TRUE(arbol.PorTeclado());
}

TEST(NOVUTreeModel, TheTreeViewKeepsATenTwipMargin) {
  EXPECT_EQ(NOVUTreeModel::Arbol(4000, 3000), (Rect{10, 10, 3980, 2980}));
  EXPECT_EQ(NOVUTreeModel::Arbol(15, 5), (Rect{10, 10, 0, 0}));
}
