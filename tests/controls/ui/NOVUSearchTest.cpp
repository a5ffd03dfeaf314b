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
  NOVUSearch search;
  search.SetNombreArchivo("/anterior.mdb");
  EXPECT_EQ(search.LblTitulo()->text(), "/anterior.mdb");
  QSignalSpy searches(&search, &NOVUSearch::Busqueda);

  fileDialog->SetNextFileName(dir.File("datos.mdb"));
  QTest::mouseClick(search.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(search.NombreArchivo(), dir.File("datos.mdb"));
  EXPECT_EQ(search.LblTitulo()->text().toStdString(), dir.File("datos.mdb"));
  EXPECT_EQ(searches.count(), 1);

  fileDialog->SetNextCancel();
  QTest::mouseClick(search.CmdBuscar(), Qt::LeftButton);
  EXPECT_EQ(Notices(), std::vector<std::string>{"Busqueda cancelada"});
  EXPECT_EQ(search.LblTitulo()->text().toStdString(), dir.File("datos.mdb"));
  EXPECT_EQ(searches.count(), 1);
}

TEST_F(NOVUSearchTest, StoredSettingsShowAndTheCaptionLaysTheBoxOutAgain) {
  PropertyStore stored;
  stored.Write("Caption", "Archivo:");
  stored.Write("NombreArchivo", "/a/b.txt");
  NOVUSearch read(stored);
  EXPECT_EQ(read.LblDesc()->text(), "Archivo:");
  EXPECT_EQ(read.LblTitulo()->text(), "/a/b.txt");

  NOVUSearch search;
  search.Move(0, 0, 5000, 2000);
  EXPECT_EQ(search.HeightTwips(), 310);
  const int left = search.LblTitulo()->x();
  search.SetCaption("Una descripción bastante más larga:");
  EXPECT_GT(search.LblTitulo()->x(), left);
  EXPECT_EQ(search.LblTitulo()->geometry().right() + 1, search.CmdBuscar()->x());
  EXPECT_EQ(search.CmdBuscar()->geometry().right() + 1, Twips::ToPixelsX(5000, search));
}
