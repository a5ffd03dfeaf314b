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
  NOVUSearchModel buscador;
  buscador.SetFiltro("Bases de datos (*.mdb)|*.mdb|Todos|*.*");
  buscador.SetNombreArchivo("/anterior.mdb");

  dialogo->SetNextFileName(dir.File("datos.mdb"));
  EXPECT_TRUE(buscador.Buscar());
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("datos.mdb"));
  EXPECT_TRUE(Mensajes().empty());
  ASSERT_EQ(dialogo->Requests().size(), 1u);
  EXPECT_EQ(dialogo->Requests()[0].mode, FileDialogMode::Open);
  EXPECT_EQ(dialogo->Requests()[0].filter, "Bases de datos (*.mdb);;Todos (*)");

  // A missing file, a folder, a cancelled or failing dialog change nothing.
  dialogo->SetNextFileName(dir.File("falta.mdb"));
  dialogo->SetNextFileName(dir.Path().string());
  dialogo->SetNextCancel();
  dialogo->SetNextError(32755, "Se seleccionó Cancelar.");
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(buscador.Buscar());
  EXPECT_EQ(Mensajes(), (std::vector<std::string>{"El archivo especificado no existe",
                                                  "El archivo especificado no existe",
                                                  "Busqueda cancelada", "Busqueda cancelada"}));
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("datos.mdb"));
  // The operator's choice is no design setting.
  EXPECT_FALSE(buscador.Propiedades().IsChanged("Caption"));
}

TEST_F(NOVUSearchModelTest, SaveModeTakesANewNameWithoutLookingForIt) {
  NOVUSearchModel buscador;
  buscador.SetGuardar(true);
  dialogo->SetNextFileName(dir.File("nuevo.txt"));
  EXPECT_TRUE(buscador.Buscar());
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("nuevo.txt"));
  EXPECT_EQ(dialogo->Requests().at(0).mode, FileDialogMode::Save);
  EXPECT_EQ(dialogo->Requests().at(0).filter, "");
  dialogo->SetNextCancel();
  EXPECT_FALSE(buscador.Buscar());
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Busqueda cancelada"});
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("nuevo.txt"));
}

// The dialog opens where the path shown points, not in the program's
// working folder.
TEST_F(NOVUSearchModelTest, TheDialogOpensWhereThePathShownPoints) {
  NOVUSearchModel buscador;
  dialogo->SetNextCancel();
  buscador.Buscar();
  EXPECT_EQ(dialogo->Requests().back().start, "");  // nothing shown yet

  // A file, even one about to be made, opens its folder with its name
  // offered; a folder opens itself.
  for (const std::string& shown :
       {dir.File("datos.mdb"), dir.File("informe.txt"), dir.Path().string()}) {
    buscador.SetNombreArchivo(shown);
    dialogo->SetNextCancel();
    buscador.Buscar();
    EXPECT_EQ(dialogo->Requests().back().start, shown);
  }
  // A path whose folder is gone leaves the choice to the dialog.
  buscador.SetNombreArchivo(dir.File("borrada/datos.mdb"));
  dialogo->SetNextCancel();
  buscador.Buscar();
  EXPECT_EQ(dialogo->Requests().back().start, "");
  EXPECT_EQ(NOVUSearchModel::StartPath("datos.mdb"), "");
}

TEST_F(NOVUSearchModelTest, StoredSettingsRoundTripAndSettersMarkThem) {
  NOVUSearchModel nuevo;
  EXPECT_EQ(nuevo.Caption(), "Label1");
  EXPECT_FALSE(nuevo.Guardar());
  PropertyStore vacio;
  nuevo.GuardarPropiedades(vacio);
  EXPECT_TRUE(vacio.Keys().empty());

  nuevo.SetFiltro("Texto|*.txt");
  nuevo.SetGuardar(true);
  nuevo.SetNombreArchivo("/a/b.txt");
  nuevo.SetCaption("Archivo:");
  for (const char* clave : {"Caption", "Guardar", "NombreArchivo", "Filtro"}) {
    EXPECT_TRUE(nuevo.Propiedades().IsChanged(clave)) << clave;
  }
  PropertyStore guardado;
  nuevo.GuardarPropiedades(guardado);
  EXPECT_EQ(guardado.Keys(),
            (std::vector<std::string>{"Caption", "Guardar", "NombreArchivo", "Filtro"}));
  NOVUSearchModel leido;
  leido.LeerPropiedades(guardado);
  EXPECT_EQ(leido.Caption(), "Archivo:");
  EXPECT_TRUE(leido.Guardar());
  EXPECT_EQ(leido.NombreArchivo(), "/a/b.txt");
  EXPECT_EQ(leido.Filtro(), "Texto|*.txt");
  EXPECT_FALSE(leido.Propiedades().IsChanged("Caption"));
}

TEST(NOVUSearchModel, LayoutKeepsTheHeightAndGivesThePathWhatTheCaptionLeaves) {
  const NOVUSearchModel::Geometria g =
      NOVUSearchModel::Redimensionar(5000, Size{375, 285}, Size{600, 195}, 310);
  EXPECT_EQ(g.CmdBuscar, (Rect{4625, 25, 375, 285}));
  EXPECT_EQ(g.LblDesc, (Rect{30, 57, 600, 195}));
  EXPECT_EQ(g.LblTitulo, (Rect{660, 0, 3965, 310}));
  const NOVUSearchModel::Geometria largo =
      NOVUSearchModel::Redimensionar(5000, Size{375, 285}, Size{1000, 195}, 310);
  EXPECT_EQ(largo.LblTitulo.left - g.LblTitulo.left, 400);
  EXPECT_EQ(largo.LblTitulo.width - g.LblTitulo.width, -400);
  // A caption wider than the box leaves the path no room, not less.
  EXPECT_EQ(
      NOVUSearchModel::Redimensionar(500, Size{375, 285}, Size{1000, 195}, 310).LblTitulo.width, 0);
}
