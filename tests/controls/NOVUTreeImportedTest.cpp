// The lazy tree over tables imported from a real Access file: rows of one
// table at the top, the related rows of another loaded when a row is
// expanded, captions and key values as the file held them.
#include <gtest/gtest.h>

#include <QTreeWidget>

#include "controls/NOVUTree.h"
#include "controls/NOVUTreeHost.h"
#include "dao/DBEngine.h"
#include "support/JetSamples.h"
#include "support/RunTool.h"

namespace {

class Datos : public NOVUTreeHost {
 public:
  std::string DarCaption(Variant&, dao::Recordset& rs) override {
    return rs.Fields("data").Value().ToString();
  }
  int32_t DarCondicion(Variant&, dao::Recordset&) override { return 0; }
  Variant EsCheck(Variant&, std::vector<Variant>&) override { return false; }
};

}  // namespace

TEST(NOVUTreeOverImportedTables, RowsOfTheFileLoadAsTheOperatorExpandsThem) {
  TempDir dir;
  const std::string base = dir.File("importada.mdb");
  ToolResult r = RunTool(
      "remendor-db", {"--password", "", "import", CopyJetSample(dir, "indexTestV2000.mdb"), base});
  ASSERT_EQ(r.status, 0) << r.err;
  dao::Database db = dao::DBEngine::OpenDatabase(base, false, false, ";PWD=");

  Datos datos;
  NOVUTree arbol;
  arbol.ObjArbol = &datos;
  // Table2's rows, each with the rows of Table1 that point at it.
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Table2 ORDER BY id", "id", false, true, 4);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM Table1 WHERE otherfk1 = %id% ORDER BY id",
                                "id", false, false, 6);
  arbol.ARB_CargarArbol();
  QTreeWidget* tree = arbol.Arbol();
  ASSERT_EQ(tree->topLevelItemCount(), 3);
  EXPECT_EQ(tree->topLevelItem(1)->text(0).toStdString(), "foo1");
  EXPECT_EQ(arbol.Nodo("A000001000007")->childCount(), 1);  // the placeholder

  arbol.ARB_Expandir(true, {7, 1});
  QTreeWidgetItem* foo1 = arbol.Nodo("A000001000007");
  ASSERT_EQ(foo1->childCount(), 2);
  EXPECT_EQ(foo1->child(0)->text(0).toStdString(), "baz11");
  EXPECT_EQ(foo1->child(1)->text(0).toStdString(), "baz11-2");
  EXPECT_EQ(foo1->child(1)->data(0, Qt::UserRole).toString().toStdString(), "A000001000002000008");
  arbol.ARB_Expandir(true, {7, 2});
  EXPECT_EQ(arbol.Nodo("A000002000007")->child(0)->text(0).toStdString(), "baz13");
  db.Close();
}
