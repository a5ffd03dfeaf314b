// The lazy tree: keys and placeholders, fixed nodes and iterators loaded
// at once and on expansion, the host's answers, branch reloads and node
// operations, the query placeholders (with values that hold quotes), and
// the widget under real clicks and keys.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <map>
#include <set>

#include "controls/NOVUTree.h"
#include "controls/NOVUTreeHost.h"
#include "controls/NOVUTreeKeys.h"
#include "controls/NOVUTreeSql.h"
#include "controls/Twips.h"
#include "dao/DBEngine.h"
#include "support/ErrorOf.h"

namespace {

// A host that answers from the row and remembers what it was asked.
class Respuestas : public NOVUTreeHost {
 public:
  std::map<double, int32_t> condiciones;  // iterator code -> children level
  std::set<std::string> marcados;         // "code/values" that show "lleno"
  std::vector<std::string> preguntas;
  bool condicionSinFila = false;
  Variant respuestaNula = Variant();

  std::string DarCaption(Variant& Codigo, dao::Recordset& rs) override {
    preguntas.push_back("DarCaption " + Codigo.ToString());
    return rs.Fields("Nombre").Value().ToString();
  }
  int32_t DarCondicion(Variant& Codigo, dao::Recordset& rs) override {
    preguntas.push_back("DarCondicion " + Codigo.ToString());
    condicionSinFila = !rs.IsOpen();
    return condiciones.at(Codigo.ToDouble());
  }
  Variant EsCheck(Variant& Codigo, std::vector<Variant>& ValoresCampo) override {
    std::string clave = Codigo.ToString();
    for (const Variant& v : ValoresCampo) clave += "/" + v.ToString();
    preguntas.push_back("EsCheck " + clave);
    if (clave == "nulo") return Variant::Null();
    return marcados.count(clave) > 0;
  }
};

class NOVUTreeFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(carpeta.isValid());
    db = dao::DBEngine::CreateDatabase(carpeta.filePath("arbol.mdb").toStdString(), "");
    db.Execute("CREATE TABLE Empresas (IdEmpresa LONG, Nombre TEXT(50))");
    db.Execute("INSERT INTO Empresas VALUES (12, 'Norte')");
    db.Execute("INSERT INTO Empresas VALUES (13, 'Sur')");
    db.Execute("CREATE TABLE Empleados (IdEmpleado LONG, IdEmpresa LONG, Nombre TEXT(50))");
    db.Execute("INSERT INTO Empleados VALUES (1, 12, 'Ana')");
    db.Execute("INSERT INTO Empleados VALUES (2, 12, 'Juan')");
    db.Execute("INSERT INTO Empleados VALUES (3, 13, 'O''Brien')");
    arbol.ObjArbol = &host;
  }
  void TearDown() override { db.Close(); }

  std::vector<std::string> Hijos(const std::string& clave) {
    std::vector<std::string> v;
    QTreeWidgetItem* nodo = arbol.Nodo(clave);
    if (nodo == nullptr) return {"(no existe)"};
    for (int i = 0; i < nodo->childCount(); i++) {
      v.push_back(nodo->child(i)->data(0, Qt::UserRole).toString().toStdString() + " " +
                  nodo->child(i)->text(0).toStdString());
    }
    return v;
  }
  std::vector<std::string> Raices() {
    std::vector<std::string> v;
    for (int i = 0; i < arbol.Arbol()->topLevelItemCount(); i++) {
      v.push_back(arbol.Arbol()->topLevelItem(i)->data(0, Qt::UserRole).toString().toStdString());
    }
    return v;
  }
  std::string Imagen(const std::string& clave) {
    return arbol.Nodo(clave)->data(0, Qt::UserRole + 1).toString().toStdString();
  }
  // Empresas (7) at the top, each with its Empleados (8).
  void DosNiveles(bool retrasada) {
    arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa",
                                  "IdEmpresa", false, retrasada, 4);
    arbol.ARB_AgregarNodoIterador(
        7, 8, db, "SELECT * FROM Empleados WHERE IdEmpresa = %IdEmpresa% ORDER BY IdEmpleado",
        "IdEmpleado", false, false, 6);
  }

  QTemporaryDir carpeta;
  dao::Database db;
  Respuestas host;
  NOVUTree arbol;
};

}  // namespace

TEST(NOVUTreeKeys, KeysAreBuiltAndReadBackAtFixedPositions) {
  EXPECT_EQ(NOVUTreeKeys::Clave({}, int32_t{1}), "A000001");
  EXPECT_EQ(NOVUTreeKeys::Clave({int32_t{12}}, int32_t{7}), "A000012000007");
  EXPECT_EQ(NOVUTreeKeys::Clave({"12abc", "x"}, int32_t{7}), "A000012000000000007");
  EXPECT_EQ(NOVUTreeKeys::Clave({int32_t{1234567}}, int32_t{7}), "A1234567000007");
  EXPECT_EQ(NOVUTreeKeys::ClaveNodo({7, 12}), "A000012000007");
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000007"), (std::vector<double>{7}));
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000012000007"), (std::vector<double>{7, 12}));
  // Two values and a code (19 characters) read back as two elements only.
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000012000003000008"), (std::vector<double>{8, 12}));
  EXPECT_EQ(NOVUTreeKeys::ClavesDesdeKey("A000012000003000005000009"),
            (std::vector<double>{9, 12, 3}));
  EXPECT_EQ(NOVUTreeKeys::Val("  1 2.5e1x"), 125);
  EXPECT_EQ(NOVUTreeKeys::Val("&H1F"), 31);
  EXPECT_EQ(NOVUTreeKeys::Val("-7"), -7);
  EXPECT_EQ(NOVUTreeKeys::Val("abc"), 0);
  EXPECT_EQ(NOVUTreeKeys::Val("."), 0);
  EXPECT_EQ(ErrorOf([] { NOVUTreeKeys::ValorDe(Variant::Null()); }), 94);
}

TEST(NOVUTreeSql, ValuesFillTheirPlaceWithoutBreakingOut) {
  const std::vector<std::string> nombres = {"Id", "Nombre"};
  auto s = [&](const std::string& sql, Variant id, Variant nombre) {
    return NOVUTreeSql::Sustituir(sql, nombres, {id, nombre});
  };
  // What hosts write today keeps its meaning.
  EXPECT_EQ(s("SELECT * FROM T WHERE Id = %Id%", int32_t{12}, ""), "SELECT * FROM T WHERE Id = 12");
  EXPECT_EQ(s("WHERE Id = %Id% AND N = '%Nombre%'", "0012", "Ana"),
            "WHERE Id = 0012 AND N = 'Ana'");
  EXPECT_EQ(s("WHERE N LIKE \"*%Nombre%*\" OR M = '%Nombre%%Nombre%'", 1, "Ana"),
            "WHERE N LIKE \"*Ana*\" OR M = 'AnaAna'");
  // A quote in the value stays inside its literal.
  EXPECT_EQ(s("WHERE N = '%Nombre%'", 1, "O'Brien' OR 1=1 OR '"),
            "WHERE N = 'O''Brien'' OR 1=1 OR '''");
  EXPECT_EQ(s("WHERE N = \"%Nombre%\"", 1, "a\"b"), "WHERE N = \"a\"\"b\"");
  EXPECT_EQ(s("WHERE N = 'it''s %Nombre%'", 1, "x'y"), "WHERE N = 'it''s x''y'");
  // Bare, anything but a number becomes a text literal.
  EXPECT_EQ(s("WHERE Id = %Id%", "1 OR 1=1", ""), "WHERE Id = '1 OR 1=1'");
  EXPECT_EQ(s("WHERE Id = %Id%", 2.5, ""), "WHERE Id = 2.5");
  EXPECT_EQ(s("WHERE Id = %Id%", true, ""), "WHERE Id = -1");
  EXPECT_EQ(s("WHERE Id = %Id%", "-3.5", ""), "WHERE Id = -3.5");
  // Names that are not offered, and text put in, are left as they are.
  EXPECT_EQ(s("WHERE A = %Otro% AND B = '%Nombre%'", 1, "%Id%"), "WHERE A = %Otro% AND B = '%Id%'");
  EXPECT_EQ(s("WHERE F = #%Nombre%#", 1, "01/02/2003"), "WHERE F = #01/02/2003#");
  EXPECT_EQ(ErrorOf([&] { s("WHERE F = #%Nombre%#", 1, "1# OR 1=1 OR #1"); }), 3075);
  EXPECT_EQ(ErrorOf([&] { s("SELECT [%Nombre%] FROM T", 1, "a] FROM X --"); }), 3075);
  EXPECT_EQ(ErrorOf([&] { s("WHERE Id = %Id%", Variant::Null(), ""); }), 94);
}

TEST_F(NOVUTreeFixture, FixedNodesTakeTheirOwnCodeAsKey) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Uno");
  arbol.ARB_AgregarNodo(0, 2, 2, "Dos", 5);
  arbol.ARB_AgregarNodo(1, 5, 1, "Cinco", 4);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Raices(), (std::vector<std::string>{"A000001", "A000002"}));
  EXPECT_EQ(Hijos("A000001"), (std::vector<std::string>{"A000005 Cinco"}));
  EXPECT_EQ(Imagen("A000001"), "cerrado");
  EXPECT_EQ(arbol.Nodo("A000001")->data(0, Qt::UserRole + 2).toString(), "abierto");
  EXPECT_EQ(Imagen("A000002"), "carga");
  EXPECT_EQ(Imagen("A000005"), "vacio");  // check node: the host said no
  EXPECT_EQ(host.preguntas, (std::vector<std::string>{"EsCheck 5"}));
  EXPECT_EQ(arbol.Modelo().Items().size(), 3u);
  EXPECT_FALSE(arbol.Modelo().Items()[2].carpeta);
  EXPECT_EQ(arbol.Modelo().Items()[2].Imagen, 0);  // a check node keeps no image
  EXPECT_EQ(arbol.ARB_NodoCaption({5}), "Cinco");
  arbol.SetARB_NodoCaption({5}, "Cinco bis");
  EXPECT_EQ(arbol.ARB_NodoCaption({5}), "Cinco bis");
  EXPECT_EQ(arbol.ARB_NodoImage({2}), 5);
  arbol.SetARB_NodoImage({2}, 7);
  EXPECT_EQ(arbol.ARB_NodoImage({2}), 7);
  EXPECT_EQ(ErrorOf([&] { arbol.SetARB_NodoImage({2}, 8); }), 9);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_NodoCaption({99}); }), 35601);
}

TEST_F(NOVUTreeFixture, NodeImageOutsideTheTableReadsAsZero) {
  arbol.ARB_AgregarNodo(0, 1, 2, "Uno", 3);
  arbol.ARB_CargarArbol();
  // A key only a form that reached into the tree could give it.
  arbol.Arbol()->topLevelItem(0)->setData(0, Qt::UserRole + 1, "otra");
  EXPECT_EQ(arbol.ARB_NodoImage({1}), 0);
  // A branch that was never shown has nothing to rebuild.
  arbol.ARB_AgregarNodo(0, 9, 2, "Nueva", 3);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_Recargar_Rama(9, 0); }), 35601);
  arbol.Clear();
  arbol.ARB_AgregarNodo(0, 9, 2, "Mala", 8);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 9);
}

TEST_F(NOVUTreeFixture, IteratorRowsAndNestedQueriesGetTheRowValue) {
  DosNiveles(false);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Raices(), (std::vector<std::string>{"A000012000007", "A000013000007"}));
  EXPECT_EQ(arbol.Nodo("A000012000007")->text(0), "Norte");
  EXPECT_EQ(Imagen("A000012000007"), "actividades");
  EXPECT_EQ(Hijos("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000003000008 O'Brien"}));
  EXPECT_TRUE(arbol.Modelo().NombresCampo().empty());
  EXPECT_TRUE(arbol.Modelo().ValoresCampo().empty());
}

TEST_F(NOVUTreeFixture, AQuoteInARowValueNeitherBreaksNorWidensTheDeeperQuery) {
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
  EXPECT_EQ(tareasDe(1), (std::vector<std::string>{"A000000000002000009 Balance"}));
}

TEST_F(NOVUTreeFixture, DelayedRowsGetOnePlaceholderAndLoadOnceOnExpansion) {
  DosNiveles(true);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012000001 nodotemporal"}));
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000002 nodotemporal"}));
  EXPECT_EQ(Imagen("A000012000001"), "abierto");

  arbol.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Hijos("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  EXPECT_EQ(arbol.Modelo().ARB_ClavesArbol, (std::vector<double>{7, 12}));
  EXPECT_TRUE(arbol.Modelo().NombresCampo().empty());

  // Collapsing and expanding again queries nothing: the engine's rows may
  // change, the branch does not.
  db.Execute("INSERT INTO Empleados VALUES (9, 12, 'Nueva')");
  arbol.ARB_Expandir(false, {7, 12});
  arbol.ARB_Expandir(true, {7, 12});
  EXPECT_EQ(Hijos("A000012000007").size(), 2u);

  arbol.ARB_Expandir(true, {7, 13});
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000003000008 O'Brien"}));
}

TEST_F(NOVUTreeFixture, PlaceholderCodesStartAtOneThenAtAThousandAndOneAfterClear) {
  DosNiveles(true);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(arbol.Modelo().UltimoTemporal(), 2);
  arbol.Clear();
  EXPECT_EQ(arbol.Arbol()->topLevelItemCount(), 0);
  EXPECT_TRUE(arbol.Modelo().Items().empty());
  DosNiveles(true);
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012001001 nodotemporal"}));
}

TEST_F(NOVUTreeFixture, HojasDistintasTakesTheLevelFromTheHost) {
  host.condiciones = {{7.0, 50}};
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa",
                                true, false, 4);
  arbol.ARB_AgregarNodo(50, 51, 1, "Marcable");
  host.marcados = {"51/13"};
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Hijos("A000012000007"), (std::vector<std::string>{"A000012000051 Marcable"}));
  EXPECT_EQ(Imagen("A000012000051"), "vacio");
  EXPECT_EQ(Imagen("A000013000051"), "lleno");
  EXPECT_FALSE(host.condicionSinFila);

  // Delayed: the host is asked with no row when the row is expanded.
  arbol.Clear();
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa",
                                true, true, 4);
  arbol.ARB_AgregarNodo(50, 51, 2, "Hoja", 6);
  arbol.ARB_CargarArbol();
  arbol.ARB_Expandir(true, {7, 13});
  EXPECT_TRUE(host.condicionSinFila);
  EXPECT_EQ(Hijos("A000013000007"), (std::vector<std::string>{"A000013000051 Hoja"}));
}

TEST_F(NOVUTreeFixture, RefreshReadsTheCheckAgainAndNullCountsAsFalse) {
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa",
                                false, false, 4);
  arbol.ARB_AgregarNodo(7, 20, 1, "Presentada");
  arbol.ARB_CargarArbol();
  EXPECT_EQ(Imagen("A000012000020"), "vacio");
  host.marcados = {"20/12"};
  arbol.ARB_RefrescarNodo({20, 12});
  EXPECT_EQ(Imagen("A000012000020"), "lleno");
  EXPECT_EQ(arbol.Modelo().ValoresCampo().size(), 1u);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_RefrescarNodo({21, 12}); }), 35601);
}

TEST_F(NOVUTreeFixture, BranchReloadRebuildsAFixedBranchAfterAnExpansion) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Raíz");
  arbol.ARB_AgregarNodo(0, 2, 0, "Empresas");
  arbol.ARB_AgregarNodoIterador(2, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa",
                                false, true, 4);
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

TEST_F(NOVUTreeFixture, FailuresReachTheCallerAndLeaveTheStacksBalanced) {
  arbol.ObjArbol = nullptr;
  DosNiveles(false);
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 91);
  arbol.ObjArbol = &host;
  arbol.Clear();
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas", "IdEmpresa", false, false, 4);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste WHERE X = %IdEmpresa%", "X",
                                false, false, 4);
  EXPECT_NE(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 0);
  EXPECT_TRUE(arbol.Modelo().NombresCampo().empty());
  EXPECT_TRUE(arbol.Modelo().ValoresCampo().empty());
  EXPECT_EQ(arbol.Modelo().ClavePadre(), "");

  // Two descriptions with one code give one key twice.
  arbol.Clear();
  arbol.ARB_AgregarNodo(0, 1, 2, "a");
  arbol.ARB_AgregarNodo(0, 1, 2, "b");
  EXPECT_EQ(ErrorOf([&] { arbol.ARB_CargarArbol(); }), 35602);
}

TEST_F(NOVUTreeFixture, DelayedNestedLoadFailsToTheCallerOfExpandir) {
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas", "IdEmpresa", false, true, 4);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste", "X", false, false, 4);
  arbol.ARB_CargarArbol();
  EXPECT_NE(ErrorOf([&] { arbol.ARB_Expandir(true, {7, 12}); }), 0);
  EXPECT_TRUE(arbol.Modelo().NombresCampo().empty());
}

TEST_F(NOVUTreeFixture, MouseAndKeysConfirmTheSelectedNode) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Uno");
  arbol.ARB_AgregarNodo(0, 2, 2, "Dos");
  arbol.ARB_CargarArbol();
  arbol.Move(0, 0, 4000, 3000);
  arbol.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&arbol));
  QSignalSpy selecciones(&arbol, &NOVUTree::ArbolSeleccion);
  QTreeWidget* vista = arbol.Arbol();
  const QPoint dos = vista->visualItemRect(arbol.Nodo("A000002")).center();

  QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, dos);
  EXPECT_EQ(arbol.Modelo().ARB_ClavesArbol, (std::vector<double>{2}));
  QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, dos);
  EXPECT_EQ(selecciones.count(), 1);

  // The right button does not confirm; Enter does.
  arbol.Modelo().ARB_ClavesArbol.clear();
  QTest::mousePress(vista->viewport(), Qt::RightButton, {}, dos);
  QTest::mouseRelease(vista->viewport(), Qt::RightButton, {}, dos);
  EXPECT_TRUE(arbol.Modelo().BotonDerecho());
  QTest::mouseDClick(vista->viewport(), Qt::RightButton, {}, dos);
  EXPECT_EQ(selecciones.count(), 1);
  QTest::keyClick(vista, Qt::Key_Return);
  EXPECT_EQ(selecciones.count(), 2);
  EXPECT_TRUE(arbol.Modelo().PorTeclado());
  EXPECT_EQ(arbol.Modelo().ARB_ClavesArbol, (std::vector<double>{2}));

  // The last press elsewhere than on the selected node does not confirm.
  vista->setCurrentItem(arbol.Nodo("A000002"));
  arbol.Modelo().MouseDown(1, arbol.Modelo().MouseX(), 5000);
  EXPECT_FALSE(arbol.Modelo().DblClick());
}

TEST_F(NOVUTreeFixture, ExpandingByMouseLoadsAndFolderImagesFollow) {
  arbol.ARB_AgregarNodo(0, 1, 0, "Empresas");
  arbol.ARB_AgregarNodoIterador(1, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa",
                                false, true, 4);
  arbol.ARB_AgregarNodoIterador(
      7, 8, db, "SELECT * FROM Empleados WHERE IdEmpresa = %IdEmpresa% ORDER BY IdEmpleado",
      "IdEmpleado", false, false, 6);
  arbol.ARB_AgregarNodo(8, 20, 1, "Presentó");
  host.marcados = {"20/12/1"};
  arbol.ARB_CargarArbol();
  arbol.Move(0, 0, 5000, 4000);
  arbol.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&arbol));
  QTreeWidget* vista = arbol.Arbol();
  QTreeWidgetItem* carpeta = arbol.Nodo("A000001");
  const QIcon cerrada = carpeta->icon(0);
  const QPoint enCarpeta = vista->visualItemRect(carpeta).center();
  QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, enCarpeta);
  QTest::mouseDClick(vista->viewport(), Qt::LeftButton, {}, enCarpeta);
  ASSERT_TRUE(carpeta->isExpanded());
  EXPECT_NE(carpeta->icon(0).cacheKey(), cerrada.cacheKey());

  QTreeWidgetItem* norte = arbol.Nodo("A000012000007");
  vista->setCurrentItem(norte);
  QTest::keyClick(vista, Qt::Key_Right);
  ASSERT_TRUE(norte->isExpanded());
  EXPECT_EQ(Hijos("A000012000007"),
            (std::vector<std::string>{"A000012000001000008 Ana", "A000012000002000008 Juan"}));
  // The delayed load offered the row's key value to the nested query, and
  // the check nodes below got the whole value path.
  EXPECT_EQ(Hijos("A000012000001000008"),
            (std::vector<std::string>{"A000012000001000020 Presentó"}));
  EXPECT_EQ(Imagen("A000012000001000020"), "lleno");
  EXPECT_EQ(Imagen("A000012000002000020"), "vacio");
  arbol.Nodo("A000012000001000008")->setExpanded(true);
  if (const char* shot = std::getenv("REMENDOR_TREE_SHOT")) arbol.grab().save(shot);
}

TEST_F(NOVUTreeFixture, OperatorExpansionErrorsGoToTheForm) {
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas", "IdEmpresa", false, true, 4);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste", "X", false, false, 4);
  arbol.ARB_CargarArbol();
  QSignalSpy errores(&arbol, &NOVUTree::Error);
  arbol.Nodo("A000012000007")->setExpanded(true);
  ASSERT_EQ(errores.count(), 1);
  EXPECT_NE(errores.first().at(0).toInt(), 0);

  arbol.SetEnabled(false);
  EXPECT_FALSE(arbol.Enabled());
  EXPECT_FALSE(arbol.Arbol()->isEnabled());
  arbol.Move(0, 0, 4000, 3000);
  EXPECT_EQ(arbol.Arbol()->geometry(), Twips::ToPixels(QRect(10, 10, 3980, 2980), arbol));
}
