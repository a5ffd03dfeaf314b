// The lazy tree's widget as the tree view its rules run on (the rules are
// NOVUTreeModelTest's): nodes by key with their icons, the operator's
// clicks, keys and expansions reaching the model, and where an expansion's
// error goes.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "controls/ui/NOVUTree.h"
#include "controls/ui/Twips.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "support/TreeSample.h"

namespace {

class NOVUTreeFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    db = MakeTreeSample(dir.File("arbol.mdb"));
    tree.ObjArbol = &answers;
  }
  void TearDown() override { db.Close(); }

  void Show() {
    tree.Move(0, 0, 5000, 4000);
    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
  }
  QPoint At(const char* key) { return view->visualItemRect(tree.Nodo(key)).center(); }
  std::vector<std::string> Children(const char* key) {
    std::vector<std::string> v;
    for (int i = 0; i < tree.Nodo(key)->childCount(); i++) {
      v.push_back(tree.Nodo(key)->child(i)->text(0).toStdString());
    }
    return v;
  }

  TempDir dir;
  dao::Database db;
  RecordingTreeContainer answers;
  NOVUTree tree;
  QTreeWidget* view = tree.Arbol();
};

}  // namespace

TEST_F(NOVUTreeFixture, NodesShowTheirTextAndIconByKey) {
  tree.ARB_AgregarNodo(0, 1, 0, "Uno");
  tree.ARB_AgregarNodo(1, 5, 2, "Cinco", 4);
  tree.ARB_CargarArbol();
  EXPECT_EQ(view->topLevelItemCount(), 1);
  EXPECT_EQ(Children("A000001"), std::vector<std::string>{"Cinco"});
  EXPECT_FALSE(tree.Nodo("A000005")->icon(0).isNull());
  tree.SetARB_NodoCaption({5}, "Cinco bis");
  EXPECT_EQ(tree.Nodo("A000005")->text(0), "Cinco bis");
  EXPECT_EQ(ErrorOf([&] { tree.ARB_NodoCaption({99}); }), 35601);
  tree.ARB_AgregarNodo(0, 1, 2, "otra");  // the same key again
  EXPECT_EQ(ErrorOf([&] { tree.ARB_CargarArbol(); }), 35602);
  tree.Clear();
  EXPECT_EQ(view->topLevelItemCount(), 0);
  EXPECT_EQ(tree.Nodo("A000001"), nullptr);

  tree.SetEnabled(false);
  EXPECT_FALSE(view->isEnabled());
  tree.Move(0, 0, 4000, 3000);
  EXPECT_EQ(view->geometry(), Twips::ToPixels(QRect(10, 10, 3980, 2980), tree));
}

TEST_F(NOVUTreeFixture, MouseAndKeysConfirmTheSelectedNode) {
  tree.ARB_AgregarNodo(0, 1, 0, "Uno");
  tree.ARB_AgregarNodo(0, 2, 2, "Dos");
  tree.ARB_CargarArbol();
  Show();
  QSignalSpy confirmed(&tree, &NOVUTree::ArbolSeleccion);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, At("A000002"));
  EXPECT_EQ(tree.Modelo().ARB_ClavesArbol, (std::vector<double>{2}));
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, At("A000002"));
  EXPECT_EQ(confirmed.count(), 1);

  // The right button does not confirm; Enter does.
  QTest::mousePress(view->viewport(), Qt::RightButton, {}, At("A000002"));
  EXPECT_TRUE(tree.Modelo().BotonDerecho());
  QTest::mouseDClick(view->viewport(), Qt::RightButton, {}, At("A000002"));
  EXPECT_EQ(confirmed.count(), 1);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_EQ(confirmed.count(), 2);
  EXPECT_TRUE(tree.Modelo().PorTeclado());
}

TEST_F(NOVUTreeFixture, ExpandingByMouseLoadsAndFolderImagesFollow) {
  tree.ARB_AgregarNodo(0, 1, 0, "Empresas");
  tree.ARB_AgregarNodoIterador(1, 7, db, "SELECT * FROM Empresas ORDER BY IdEmpresa", "IdEmpresa",
                               false, true, 4);
  tree.ARB_AgregarNodoIterador(
      7, 8, db, "SELECT * FROM Empleados WHERE IdEmpresa = %IdEmpresa% ORDER BY IdEmpleado",
      "IdEmpleado", false, false, 6);
  tree.ARB_AgregarNodo(8, 20, 1, "Presentó");
  answers.filledKeys = {"20/12/1"};
  tree.ARB_CargarArbol();
  Show();
  // The folder's icon changes to its expanded image.
  QTreeWidgetItem* folder = tree.Nodo("A000001");
  const qint64 closed = folder->icon(0).cacheKey();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, At("A000001"));
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, At("A000001"));
  ASSERT_TRUE(folder->isExpanded());
  EXPECT_NE(folder->icon(0).cacheKey(), closed);

  view->setCurrentItem(tree.Nodo("A000012000007"));
  QTest::keyClick(view, Qt::Key_Right);
  EXPECT_EQ(Children("A000012000007"), (std::vector<std::string>{"Ana", "Juan"}));
  tree.Nodo("A000012000001000008")->setExpanded(true);
  if (const char* shot = std::getenv("REMENDOR_TREE_SHOT")) tree.grab().save(shot);
}

// An expansion the operator made cannot fail to anyone but the form; one
// a call made fails to that call's caller.
TEST_F(NOVUTreeFixture, ExpansionErrorsGoToTheFormOrToTheCallerOfExpandir) {
  tree.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Empresas", "IdEmpresa", false, true, 4);
  tree.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM NoExiste", "X", false, false, 4);
  tree.ARB_CargarArbol();
  QSignalSpy errors(&tree, &NOVUTree::Error);
  EXPECT_NE(ErrorOf([&] { tree.ARB_Expandir(true, {7, 12}); }), 0);
  EXPECT_EQ(errors.count(), 0);
  tree.Nodo("A000013000007")->setExpanded(true);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_NE(errors.first().at(0).toInt(), 0);
}
