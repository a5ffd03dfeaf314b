// The file search box's widget: the button's click shows the chosen path
// and raises Busqueda, stored settings show, and the caption lays the box
// out again.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "controls/ui/NOVUSearch.h"
#include "controls/ui/Twips.h"
#include "support/FileSearchFixture.h"

using NOVUSearchTest = FileSearchFixture;

TEST_F(NOVUSearchTest, AChosenFileShowsAndRaisesBusquedaOnce) {
  NOVUSearch buscador;
  buscador.SetNombreArchivo("/anterior.mdb");
  EXPECT_EQ(buscador.LblTitulo()->text(), "/anterior.mdb");
  QSignalSpy busquedas(&buscador, &NOVUSearch::Busqueda);

  dialogo->SetNextFileName(dir.File("datos.mdb"));
  QTest::mouseClick(buscador.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(buscador.NombreArchivo(), dir.File("datos.mdb"));
  EXPECT_EQ(buscador.LblTitulo()->text().toStdString(), dir.File("datos.mdb"));
  EXPECT_EQ(busquedas.count(), 1);

  dialogo->SetNextCancel();
  QTest::mouseClick(buscador.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(Mensajes(), std::vector<std::string>{"Busqueda cancelada"});
  EXPECT_EQ(buscador.LblTitulo()->text().toStdString(), dir.File("datos.mdb"));
  EXPECT_EQ(busquedas.count(), 1);
}

TEST_F(NOVUSearchTest, StoredSettingsShowAndTheCaptionLaysTheBoxOutAgain) {
  PropertyStore guardado;
  guardado.Write("Caption", "Archivo:");
  guardado.Write("NombreArchivo", "/a/b.txt");
  NOVUSearch leido(guardado);
  EXPECT_EQ(leido.LblDesc()->text(), "Archivo:");
  EXPECT_EQ(leido.LblTitulo()->text(), "/a/b.txt");

  NOVUSearch buscador;
  buscador.Move(0, 0, 5000, 2000);
  EXPECT_EQ(buscador.HeightTwips(), 310);
  const int izquierda = buscador.LblTitulo()->x();
  buscador.SetCaption("Una descripción bastante más larga:");
  EXPECT_GT(buscador.LblTitulo()->x(), izquierda);
  EXPECT_EQ(buscador.LblTitulo()->geometry().right() + 1, buscador.CmdBuscar()->x());
  EXPECT_EQ(buscador.CmdBuscar()->geometry().right() + 1, Twips::ToPixelsX(5000, buscador));
}
