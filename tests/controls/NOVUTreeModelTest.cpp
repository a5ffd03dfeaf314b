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
    db = MakeTreeSample(dir.File("arbol.mdb"));
    view.model = &tree;
    tree.ObjArbol = &answers;
  }
  void TearDown() override { db.Close(); }

  std::vector<std::string> Children(const std::string& key) { return view.Children(key); }
  std::vector<std::string> Roots() { return view.roots; }
  // The images of the nodes, one word each.
  std::string Images(std::initializer_list<const char*> keys) {
    std::string shown;
    for (const char* k : keys) shown += (shown.empty() ? "" : " ") + view.nodes.at(k).image;
    return shown;
  }
  // The companies (code 7) under `parent`, one node per row.
  void Companies(int32_t parent, bool distinctLeaves, bool delayed) {
    tree.ARB_AgregarNodoIterador(parent, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa",
                                 "IdEmpresa", distinctLeaves, delayed, 4);
  }
  // Each company's employees (code 8) under it.
  void Employees() {
    tree.ARB_AgregarNodoIterador(
        7, 8, db, "SELECT * FROM Empleados WHERE IdEmpresa = %IdEmpresa% ORDER BY IdEmpleado",
        "IdEmpleado", false, false, 6);
  }
  void TwoLevels(bool delayed) {
    Companies(0, false, delayed);
    Employees();
  }

  TempDir dir;
  dao::Database db;
  RecordingTreeContainer answers;
  FakeTreeView view;
  NOVUTreeModel tree{view};
};

}  // namespace

TEST_F(NOVUTreeModelTest, FixedNodesTakeTheirOwnCodeAsKeyAndTheirImageFromTheTable) {
  tree.ARB_AgregarNodo(0, 1, 0, "Uno");
  tree.ARB_AgregarNodo(0, 2, 2, "Dos", 5);
  tree.ARB_AgregarNodo(1, 5, 1, "Cinco", 4);
  tree.ARB_CargarArbol();
  EXPECT_EQ(Roots(), (std::vector<std::string>{"A000001", "A000002"}));
  EXPECT_EQ(Children("A000001"), (std::vector<std::string>{"A000005 Cinco"}));
  // The check node is empty: the form said no.
  EXPECT_EQ(Images({"A000001", "A000002", "A000005"}), "cerrado carga vacio");
  EXPECT_EQ(view.nodes.at("A000001").expandedImage, "abierto");
  EXPECT_EQ(answers.asked, (std::vector<std::string>{"EsCheck 5"}));
  EXPECT_EQ(tree.Items().size(), 3u);
  EXPECT_FALSE(tree.Items()[2].carpeta);
  EXPECT_EQ(tree.Items()[2].Imagen, 0);  // a check node keeps no image
  tree.SetARB_NodoCaption({5}, "Cinco bis");
  EXPECT_EQ(tree.ARB_NodoCaption({5}), "Cinco bis");
  EXPECT_EQ(tree.ARB_NodoImage({2}), 5);
  tree.SetARB_NodoImage({2}, 7);
  EXPECT_EQ(tree.ARB_NodoImage({2}), 7);
  EXPECT_EQ(ErrorOf([&] { tree.SetARB_NodoImage({2}, 8); }), 9);
  EXPECT_EQ(ErrorOf([&] { tree.ARB_NodoCaption({99}); }), 35601);
  // An image outside the table, which only a form that reached into the
  // tree could give a node, reads as 0.
  view.nodes.at("A000002").image = "otra";
  EXPECT_EQ(tree.ARB_NodoImage({2}), 0);
  // A branch that was never shown has nothing to rebuild.
  tree.ARB_AgregarNodo(0, 9, 2, "Nueva", 3);
  EXPECT_EQ(ErrorOf([&] { tree.ARB_Recargar_Rama(9, 0); }), 35601);
  tree.Clear();
  tree.ARB_AgregarNodo(0, 9, 2, "Mala", 8);
  EXPECT_EQ(ErrorOf([&] { tree.ARB_CargarArbol(); }), 9);
}

TEST_F(NOVUTreeModelTest, IteratorRowsAndNestedQueriesGetTheRowValue) {
  TwoLevels(false);
  tree.ARB_CargarArbol();
  EXPECT_EQ(Children(""), (std::vector<std::string>{"A000012000007 Norte", "A000013000007 Sur"}));
  EXPECT_EQ(Images({"A000012000007"}), "actividades");
  EXPECT_EQ(Children("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  EXPECT_EQ(Children("A000013000007"), (std::vector<std::string>{"A000013000003000008 O'Brien"}));
  EXPECT_TRUE(tree.NombresCampo().empty() && tree.ValoresCampo().empty());
}

TEST_F(NOVUTreeModelTest, AQuoteInARowValueNeitherBreaksNorWidensTheDeeperQuery) {
  db.Execute("CREATE TABLE Tareas (IdTarea LONG, Empleado TEXT(50), Nombre TEXT(50))");
  db.Execute("INSERT INTO Tareas VALUES (1, 'O''Brien', 'Informe')");
  db.Execute("INSERT INTO Tareas VALUES (2, 'Ana', 'Balance')");
  db.Execute("INSERT INTO Tareas VALUES (3, 'x', 'Oculta')");
  db.Execute("INSERT INTO Empleados VALUES (4, 13, 'x'' OR ''1''=''1')");
  // The key field is the name itself, so that its value fills the
  // deeper query's literal.
  auto tasksOf = [&](int32_t employee) {
    tree.Clear();
    tree.ARB_AgregarNodoIterador(
        0, 7, db, "SELECT * FROM Empleados WHERE IdEmpleado = " + std::to_string(employee),
        "Nombre", false, false, 4);
    tree.ARB_AgregarNodoIterador(7, 9, db, "SELECT * FROM Tareas WHERE Empleado = '%Nombre%'",
                                 "IdTarea", false, false, 6);
    tree.ARB_CargarArbol();
    return Children("A000000000007");
  };
  EXPECT_EQ(tasksOf(3), (std::vector<std::string>{"A000000000001000009 Informe"}));
  EXPECT_EQ(tasksOf(4), (std::vector<std::string>{}));
}

// A delayed row gets one placeholder and loads once, on its expansion. It
// finds its row's value again from its key, so a nested query's
// placeholders are filled and the check nodes below get the whole value
// path, as in a load done at once. Placeholders are numbered from 1, and
// from 1001 after Clear.
TEST_F(NOVUTreeModelTest, DelayedRowsLoadOnceOnExpansionWithTheValuePathFromTheKey) {
  tree.ARB_AgregarNodo(0, 1, 0, "Empresas");
  Companies(1, false, true);
  Employees();
  tree.ARB_AgregarNodo(8, 20, 1, "Presentó");
  answers.filledKeys = {"20/12/1"};
  tree.ARB_CargarArbol();
  EXPECT_EQ(Children("A000012000007"), (std::vector<std::string>{"A000012000001 nodotemporal"}));
  EXPECT_EQ(Children("A000013000007"), (std::vector<std::string>{"A000013000002 nodotemporal"}));
  EXPECT_EQ(tree.UltimoTemporal(), 2);
  EXPECT_EQ(Images({"A000012000001"}), "abierto");

  tree.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Children("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  EXPECT_EQ(Children("A000012000001000008"),
            (std::vector<std::string>{"A000012000001000020 Presentó"}));
  EXPECT_EQ(Images({"A000012000001000020", "A000012000002000020"}), "lleno vacio");
  EXPECT_EQ(tree.ARB_ClavesArbol, (std::vector<double>{7, 12}));
  EXPECT_TRUE(tree.NombresCampo().empty());

  // Collapsing and expanding again queries nothing: the engine's rows may
  // change, the branch does not.
  db.Execute("INSERT INTO Empleados VALUES (9, 12, 'Nueva')");
  tree.ARB_Expandir(false, {7, 12});
  tree.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Children("A000012000007").size(), 2u);
  tree.ARB_Expandir(true, {7, 13});
  EXPECT_EQ(Children("A000013000007"), (std::vector<std::string>{"A000013000003000008 O'Brien"}));

  tree.Clear();
  EXPECT_TRUE(view.roots.empty() && tree.Items().empty());
  TwoLevels(true);
  tree.ARB_CargarArbol();
  EXPECT_EQ(Children("A000012000007"), (std::vector<std::string>{"A000012001001 nodotemporal"}));
}

TEST_F(NOVUTreeModelTest, HojasDistintasTakesTheLevelFromTheForm) {
  answers.levels = {{7.0, 50}};
  Companies(0, true, false);
  tree.ARB_AgregarNodo(50, 51, 1, "Marcable");
  answers.filledKeys = {"51/13"};
  tree.ARB_CargarArbol();
  EXPECT_EQ(Children("A000012000007"), (std::vector<std::string>{"A000012000051 Marcable"}));
  EXPECT_EQ(Images({"A000012000051", "A000013000051"}), "vacio lleno");
  EXPECT_FALSE(answers.askedWithoutRow);

  // Delayed: the form is asked with no row when the row is expanded.
  tree.Clear();
  Companies(0, true, true);
  tree.ARB_AgregarNodo(50, 51, 2, "Hoja", 6);
  tree.ARB_CargarArbol();
  tree.ARB_Expandir(true, {7, 13});
  EXPECT_TRUE(answers.askedWithoutRow);
  EXPECT_EQ(Children("A000013000007"), (std::vector<std::string>{"A000013000051 Hoja"}));
}

TEST_F(NOVUTreeModelTest, RefreshReadsTheCheckAgainAndNullCountsAsFalse) {
  Companies(0, false, false);
  tree.ARB_AgregarNodo(7, 20, 1, "Presentada");
  answers.nullKeys = {"20/13"};
  tree.ARB_CargarArbol();
  EXPECT_EQ(Images({"A000012000020", "A000013000020"}), "vacio vacio");
  answers.filledKeys = {"20/12"};
  tree.ARB_RefrescarNodo({20, 12});
  EXPECT_EQ(Images({"A000012000020"}), "lleno");
  EXPECT_EQ(tree.ValoresCampo().size(), 1u);
  answers.filledKeys.clear();
  answers.nullKeys = {"20/12"};
  tree.ARB_RefrescarNodo({20, 12});
  EXPECT_EQ(Images({"A000012000020"}), "vacio");
  EXPECT_EQ(ErrorOf([&] { tree.ARB_RefrescarNodo({21, 12}); }), 35601);
}

TEST_F(NOVUTreeModelTest, BranchReloadRebuildsAFixedBranchAfterAnExpansion) {
  tree.ARB_AgregarNodo(0, 1, 0, "Raíz");
  tree.ARB_AgregarNodo(0, 2, 0, "Empresas");
  Companies(2, false, true);
  tree.ARB_AgregarNodo(1, 3, 2, "Hoja", 6);
  tree.ARB_AgregarNodo(7, 8, 2, "Bajo empresa", 6);
  tree.ARB_CargarArbol();
  tree.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Children("A000012000007"), (std::vector<std::string>{"A000012000008 Bajo empresa"}));
  tree.SetARB_NodoCaption({3}, "Cambiada");
  tree.ARB_Recargar_Rama(1, 0);
  EXPECT_EQ(Roots(), (std::vector<std::string>{"A000002", "A000001"}));
  EXPECT_EQ(Children("A000001"), (std::vector<std::string>{"A000003 Hoja"}));
  EXPECT_EQ(ErrorOf([&] { tree.ARB_Recargar_Rama(4, 0); }), 35601);
}

TEST_F(NOVUTreeModelTest, FailuresReachTheCallerAndLeaveTheStacksBalanced) {
  tree.ObjArbol = nullptr;
  TwoLevels(false);
  EXPECT_EQ(ErrorOf([&] { tree.ARB_CargarArbol(); }), 91);
  tree.ObjArbol = &answers;
  tree.Clear();
  Companies(0, false, false);
  tree.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste WHERE X = %IdEmpresa%", "X", false,
                               false, 4);
  EXPECT_NE(ErrorOf([&] { tree.ARB_CargarArbol(); }), 0);
  EXPECT_TRUE(tree.NombresCampo().empty() && tree.ValoresCampo().empty());
  EXPECT_EQ(tree.ClavePadre(), "");

  // Two descriptions with one code give one key twice.
  tree.Clear();
  tree.ARB_AgregarNodo(0, 1, 2, "a");
  tree.ARB_AgregarNodo(0, 1, 2, "b");
  EXPECT_EQ(ErrorOf([&] { tree.ARB_CargarArbol(); }), 35602);

  // A delayed nested load that fails reaches the caller of ARB_Expandir.
  tree.Clear();
  Companies(0, false, true);
  tree.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste", "X", false, false, 4);
  tree.ARB_CargarArbol();
  EXPECT_NE(ErrorOf([&] { tree.ARB_Expandir(true, {7, 12}); }), 0);
  EXPECT_TRUE(tree.NombresCampo().empty());
}

TEST_F(NOVUTreeModelTest, OnlyTheSelectedNodeUnderALeftDoubleClickOrEnterIsConfirmed) {
  tree.ARB_AgregarNodo(0, 1, 0, "Uno");
  tree.ARB_AgregarNodo(0, 2, 2, "Dos");
  tree.ARB_CargarArbol();
  EXPECT_FALSE(tree.DblClick());  // nothing selected

  view.selected = "A000002";
  view.underPointer = "A000002";
  tree.NodeClick("A000002");
  EXPECT_EQ(tree.ARB_ClavesArbol, (std::vector<double>{2}));
  tree.ARB_ClavesArbol.clear();
  tree.MouseDown(1, 300, 200);
  EXPECT_EQ(std::make_pair(tree.MouseX(), tree.MouseY()), std::make_pair(300.0, 200.0));
  EXPECT_TRUE(tree.DblClick());
  EXPECT_EQ(tree.ARB_ClavesArbol, (std::vector<double>{2}));

  // The right button does not confirm, nor a press elsewhere than on the
  // selected node; Enter does, wherever the pointer was.
  tree.MouseDown(NOVUTreeModel::kBotonDerecho, 300, 200);
  EXPECT_TRUE(tree.BotonDerecho());
  EXPECT_FALSE(tree.DblClick());
  tree.MouseDown(1, 300, 5000);
  view.underPointer = "A000001";
  EXPECT_FALSE(tree.DblClick());
  EXPECT_FALSE(tree.KeyPress(27));
  EXPECT_FALSE(tree.PorTeclado());
  EXPECT_TRUE(tree.KeyPress(NOVUTreeModel::kEnter));
  EXPECT_TRUE(tree.PorTeclado());
}

TEST(NOVUTreeModel, TheTreeViewKeepsATenTwipMargin) {
  EXPECT_EQ(NOVUTreeModel::Arbol(4000, 3000), (Rect{10, 10, 3980, 2980}));
  EXPECT_EQ(NOVUTreeModel::Arbol(15, 5), (Rect{10, 10, 0, 0}));
}
