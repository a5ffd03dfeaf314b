// The file search box's rules: the click in both modes with the dialog
// answered ahead of time, its messages, the stored settings and the
// layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/NOVUSearchModel.h"
#include "support/FileSearchFixture.h"

using NOVUSearchModelTest = FileSearchFixture;

TEST_F(NOVUSearchModelTest, OpenModeTakesAnExistingFileOnly) {
  NOVUSearchModel search;
  search.SetFiltro("Bases de datos (*.mdb)|*.mdb|Todos|*.*");
  search.SetNombreArchivo("/anterior.mdb");

  fileDialog->SetNextFileName(dir.File("datos.mdb"));
  EXPECT_TRUE(search.Buscar());
  EXPECT_EQ(search.NombreArchivo(), dir.File("datos.mdb"));
  EXPECT_TRUE(Notices().empty());
  ASSERT_EQ(fileDialog->Requests().size(), 1u);
  EXPECT_EQ(fileDialog->Requests()[0].mode, FileDialogMode::Open);
  EXPECT_EQ(fileDialog->Requests()[0].filter, "Bases de datos (*.mdb);;Todos (*)");

  // A missing file, a folder, a cancelled or failing dialog change nothing.
  fileDialog->SetNextFileName(dir.File("falta.mdb"));
  fileDialog->SetNextFileName(dir.Path().string());
  fileDialog->SetNextCancel();
  fileDialog->SetNextError(32755, "Se seleccionó Cancelar.");
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(search.Buscar());
  EXPECT_EQ(Notices(), (std::vector<std::string>{"El archivo especificado no existe",
                                                 "El archivo especificado no existe",
                                                 "Busqueda cancelada", "Busqueda cancelada"}));
  EXPECT_EQ(search.NombreArchivo(), dir.File("datos.mdb"));
  // The operator's choice is no design setting.
  EXPECT_FALSE(search.Propiedades().IsChanged("Caption"));
}

TEST_F(NOVUSearchModelTest, SaveModeTakesANewNameWithoutLookingForIt) {
  NOVUSearchModel search;
  search.SetGuardar(true);
  fileDialog->SetNextFileName(dir.File("nuevo.txt"));
  EXPECT_TRUE(search.Buscar());
  EXPECT_EQ(search.NombreArchivo(), dir.File("nuevo.txt"));
  EXPECT_EQ(fileDialog->Requests().at(0).mode, FileDialogMode::Save);
  EXPECT_EQ(fileDialog->Requests().at(0).filter, "");
  fileDialog->SetNextCancel();
  EXPECT_FALSE(search.Buscar());
  EXPECT_EQ(Notices(), std::vector<std::string>{"Busqueda cancelada"});
  EXPECT_EQ(search.NombreArchivo(), dir.File("nuevo.txt"));
}

// The dialog opens where the path shown points, not in the program's
// working folder.
TEST_F(NOVUSearchModelTest, TheDialogOpensWhereThePathShownPoints) {
  NOVUSearchModel search;
  const auto startFor = [&](const std::string& shown) {
    search.SetNombreArchivo(shown);
    fileDialog->SetNextCancel();
    search.Buscar();
    return fileDialog->Requests().back().start;
  };
  EXPECT_EQ(startFor(""), "");  // nothing shown yet
  // A file, even one about to be made, opens its folder with its name
  // offered; a folder opens itself.
  for (const std::string& shown :
       {dir.File("datos.mdb"), dir.File("informe.txt"), dir.Path().string()}) {
    EXPECT_EQ(startFor(shown), shown);
  }
  // A path whose folder is gone leaves the choice to the dialog.
  EXPECT_EQ(startFor(dir.File("borrada/datos.mdb")), "");
  EXPECT_EQ(NOVUSearchModel::StartPath("datos.mdb"), "");
}

TEST_F(NOVUSearchModelTest, StoredSettingsRoundTripAndSettersMarkThem) {
  NOVUSearchModel fresh;
  EXPECT_EQ(fresh.Caption(), "Label1");
  EXPECT_FALSE(fresh.Guardar());
  PropertyStore empty;
  fresh.GuardarPropiedades(empty);
  EXPECT_TRUE(empty.Keys().empty());

  fresh.SetFiltro("Texto|*.txt");
  fresh.SetGuardar(true);
  fresh.SetNombreArchivo("/a/b.txt");
  fresh.SetCaption("Archivo:");
  for (const char* key : {"Caption", "Guardar", "NombreArchivo", "Filtro"}) {
    EXPECT_TRUE(fresh.Propiedades().IsChanged(key)) << key;
  }
  PropertyStore stored;
  fresh.GuardarPropiedades(stored);
  EXPECT_EQ(stored.Keys(),
            (std::vector<std::string>{"Caption", "Guardar", "NombreArchivo", "Filtro"}));
  NOVUSearchModel read;
  read.LeerPropiedades(stored);
  EXPECT_EQ(read.Caption(), "Archivo:");
  EXPECT_TRUE(read.Guardar());
  EXPECT_EQ(read.NombreArchivo(), "/a/b.txt");
  EXPECT_EQ(read.Filtro(), "Texto|*.txt");
  EXPECT_FALSE(read.Propiedades().IsChanged("Caption"));
}

TEST(NOVUSearchModel, LayoutKeepsTheHeightAndGivesThePathWhatTheCaptionLeaves) {
  const NOVUSearchModel::Geometria g =
      NOVUSearchModel::Redimensionar(5000, Size{375, 285}, Size{600, 195}, 310);
  EXPECT_EQ(g.CmdBuscar, (Rect{4625, 25, 375, 285}));
  EXPECT_EQ(g.LblDesc, (Rect{30, 57, 600, 195}));
  EXPECT_EQ(g.LblTitulo, (Rect{660, 0, 3965, 310}));
  const NOVUSearchModel::Geometria wide =
      NOVUSearchModel::Redimensionar(5000, Size{375, 285}, Size{1000, 195}, 310);
  EXPECT_EQ(wide.LblTitulo.left - g.LblTitulo.left, 400);
  EXPECT_EQ(wide.LblTitulo.width - g.LblTitulo.width, -400);
  // A caption wider than the box leaves the path no room, not less.
  EXPECT_EQ(
      NOVUSearchModel::Redimensionar(500, Size{375, 285}, Size{1000, 195}, 310).LblTitulo.width, 0);
}
