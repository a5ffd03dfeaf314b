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

// Each row's caption is its "data" field.
class DataCaptions : public NOVUTreeContainer {
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
  const std::string file = dir.File("importada.mdb");
  ToolResult r = RunTool(
      "remendor-db", {"--password", "", "import", CopyJetSample(dir, "indexTestV2000.mdb"), file});
  ASSERT_EQ(r.status, 0) << r.err;
  dao::Database db = dao::DBEngine::OpenDatabase(file, false, false, ";PWD=");

  DataCaptions captions;
  FakeTreeView view;
  NOVUTreeModel tree{view};
  view.model = &tree;
  tree.ObjArbol = &captions;
  // Table2's rows, each with the rows of Table1 that point at it.
  tree.ARB_AgregarNodoIterador(0, 7, db, "SELECT * FROM Table2 ORDER BY id", "id", false, true, 4);
  tree.ARB_AgregarNodoIterador(7, 8, db, "SELECT * FROM Table1 WHERE otherfk1 = %id% ORDER BY id",
                               "id", false, false, 6);
  tree.ARB_CargarArbol();
  ASSERT_EQ(view.roots.size(), 3u);
  EXPECT_EQ(view.Children("")[1], "A000001000007 foo1");
  EXPECT_EQ(view.CantHijos("A000001000007"), 1);  // the placeholder
  tree.ARB_Expandir(true, {7, 1});
  EXPECT_EQ(view.Children("A000001000007"),
            (std::vector<std::string>{"A000001000001000008 baz11", "A000001000002000008 baz11-2"}));
  tree.ARB_Expandir(true, {7, 2});
  EXPECT_EQ(view.Texto(view.PrimerHijo("A000002000007")), "baz13");
  db.Close();
}

#endif
