// The file search box: the click in both modes with the dialog answered
// ahead of time, its messages, Busqueda, the stored settings and the layout.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <fstream>
#include <memory>

#include "controls/NOVUSearch.h"
#include "controls/Twips.h"
#include "platform/RecordingFileDialog.h"
#include "platform/RecordingMessageBox.h"
#include "platform/ScopedService.h"
#include "support/NoticeTexts.h"
#include "support/TempDir.h"

namespace {

class NOVUSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { std::ofstream(dir.File("datos.mdb")) << "x"; }
  std::vector<std::string> Mensajes() { return TakeNoticeTexts(*cajas); }

  TempDir dir;
  ScopedService<RecordingMessageBox> cajas;
  ScopedService<RecordingFileDialog> dialogo;
};

}  // namespace

TEST_F(NOVUSearchTest, OpenModeTakesAnExistingFileAndRaisesBusqueda) {
  NOVUSearch buscador;
  buscador.SetFiltro("Bases de datos (*.mdb)|*.mdb|Todos|*.*");
  buscador.SetNombreArchivo("/anterior.mdb");
  QSignalSpy busquedas(&buscador, &NOVUSearch::Busqueda);

  dialogo->SetNextFileName(dir.File("datos.mdb"));
  QTest::mouseClick(buscador.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("datos.mdb"));
  EXPECT_EQ(buscador.LblTitulo()->text().toStdString(), dir.File("datos.mdb"));
  EXPECT_EQ(busquedas.count(), 1);
  EXPECT_TRUE(Mensajes().empty());
  ASSERT_EQ(dialogo->Requests().size(), 1u);
  EXPECT_EQ(dialogo->Requests()[0].mode, FileDialogMode::Open);
  EXPECT_EQ(dialogo->Requests()[0].filter, "Bases de datos (*.mdb);;Todos (*)");

  // A missing file, a folder, a cancelled or failing dialog change nothing.
  dialogo->SetNextFileName(dir.File("falta.mdb"));
  dialogo->SetNextFileName(dir.Path().string());
  dialogo->SetNextCancel();
  dialogo->SetNextError(32755, "Se seleccionó Cancelar.");
  for (int i = 0; i < 4; ++i) QTest::mouseClick(buscador.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(Mensajes(), (std::vector<std::string>{"El archivo especificado no existe",
                                                  "El archivo especificado no existe",
                                                  "Busqueda cancelada", "Busqueda cancelada"}));
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("datos.mdb"));
  EXPECT_EQ(busquedas.count(), 1);
  EXPECT_FALSE(buscador.Modelo().Propiedades().IsChanged("Caption"));
}

TEST_F(NOVUSearchTest, SaveModeTakesANewNameWithoutLookingForIt) {
  NOVUSearch buscador;
  buscador.SetGuardar(true);
  QSignalSpy busquedas(&buscador, &NOVUSearch::Busqueda);
  dialogo->SetNextFileName(dir.File("nuevo.txt"));
  QTest::mouseClick(buscador.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("nuevo.txt"));
  EXPECT_EQ(busquedas.count(), 1);
  EXPECT_EQ(dialogo->Requests().at(0).mode, FileDialogMode::Save);
  EXPECT_EQ(dialogo->Requests().at(0).filter, "");
  dialogo->SetNextCancel();
  QTest::mouseClick(buscador.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Busqueda cancelada"});
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("nuevo.txt"));
  EXPECT_EQ(busquedas.count(), 1);
}

TEST_F(NOVUSearchTest, StoredSettingsRoundTripAndSettersMarkThem) {
  NOVUSearch nuevo;
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
    EXPECT_TRUE(nuevo.Modelo().Propiedades().IsChanged(clave)) << clave;
  }
  PropertyStore guardado;
  nuevo.GuardarPropiedades(guardado);
  EXPECT_EQ(guardado.Keys(),
            (std::vector<std::string>{"Caption", "Guardar", "NombreArchivo", "Filtro"}));
  NOVUSearch leido(guardado);
  EXPECT_EQ(leido.Caption(), "Archivo:");
  EXPECT_TRUE(leido.Guardar());
  EXPECT_EQ(leido.NombreArchivo(), "/a/b.txt");
  EXPECT_EQ(leido.Filtro(), "Texto|*.txt");
  EXPECT_EQ(leido.LblDesc()->text(), "Archivo:");
  EXPECT_FALSE(leido.Modelo().Propiedades().IsChanged("Caption"));
}

TEST_F(NOVUSearchTest, LayoutKeepsTheHeightAndGivesThePathWhatTheCaptionLeaves) {
  const NOVUSearchModel::Geometria g =
      NOVUSearchModel::Redimensionar(5000, QSize(375, 285), QSize(600, 195), 310);
  EXPECT_EQ(g.CmdBuscar, QRect(4625, 25, 375, 285));
  EXPECT_EQ(g.LblDesc, QRect(30, 57, 600, 195));
  EXPECT_EQ(g.LblTitulo, QRect(660, 0, 3965, 310));
  const NOVUSearchModel::Geometria largo =
      NOVUSearchModel::Redimensionar(5000, QSize(375, 285), QSize(1000, 195), 310);
  EXPECT_EQ(largo.LblTitulo.left() - g.LblTitulo.left(), 400);
  EXPECT_EQ(largo.LblTitulo.width() - g.LblTitulo.width(), -400);

  NOVUSearch buscador;
  buscador.Move(0, 0, 5000, 2000);
  EXPECT_EQ(buscador.HeightTwips(), 310);
  const int izquierda = buscador.LblTitulo()->x();
  buscador.SetCaption("Una descripción bastante más larga:");
  EXPECT_GT(buscador.LblTitulo()->x(), izquierda);
  EXPECT_EQ(buscador.LblTitulo()->geometry().right() + 1, buscador.CmdBuscar()->x());
  EXPECT_EQ(buscador.CmdBuscar()->geometry().right() + 1, Twips::ToPixelsX(5000, buscador));
}
