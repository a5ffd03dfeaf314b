// The lazy tree over tables imported from a real Access file: rows of one
// table at the top, the related rows of another loaded when a row is
// expanded, captions and key values as the file held them. The import is
// Linux's only (libmdb), so on Windows there is nothing to test here.
#ifndef _WIN32

#include <gtest/gtest.h>

#include "FakeTreeView.h"
#include "controls/NOVUTreeContainer.h"
#include "controls/NOVUTreeModel.h"
#include "dao/DBEngine.h"
#include "support/JetSamples.h"
#include "support/RunTool.h"

namespace {

class Datos : public NOVUTreeContainer {
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
  FakeTreeView vista;
  NOVUTreeModel arbol{vista};
  vista.model = &arbol;
  arbol.ObjArbol = &datos;
  // Table2's rows, each with the rows of Table1 that point at it.
  arbol.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Table2 ORDER BY id", "id", false, true, 4);
  arbol.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM Table1 WHERE otherfk1 = %id% ORDER BY id",
                                "id", false, false, 6);
  arbol.ARB_CargarArbol();
  ASSERT_EQ(vista.roots.size(), 3u);
  EXPECT_EQ(vista.roots[1], "A000001000007");
  EXPECT_EQ(vista.Texto("A000001000007"), "foo1");
  EXPECT_EQ(vista.CantHijos("A000001000007"), 1);  // the placeholder

  arbol.ARB_Expandir(true, {7, 1});
  const std::vector<std::string> foo1 = vista.nodes.at("A000001000007").children;
  ASSERT_EQ(foo1.size(), 2u);
  EXPECT_EQ(vista.Texto(foo1[0]), "baz11");
  EXPECT_EQ(vista.Texto(foo1[1]), "baz11-2");
  EXPECT_EQ(foo1[1], "A000001000002000008");
  arbol.ARB_Expandir(true, {7, 2});
  EXPECT_EQ(vista.Texto(vista.PrimerHijo("A000002000007")), "baz13");
  db.Close();
}

#endif
