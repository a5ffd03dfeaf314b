// The operation result list's widget: its lines and icons, and its
// geometry in pixels.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTreeWidget>

#include "controls/ui/NOVUInfoRep.h"
#include "controls/ui/Twips.h"

TEST(NOVUInfoRep, LinesGoToTheEndWithTheIconOfTheirKind) {
  NOVUInfoRep rep;
  QTreeWidget* lista = rep.LstInfo();
  EXPECT_EQ(lista->columnCount(), 1);
  EXPECT_EQ(lista->headerItem()->text(0), "Información de la operación");

  rep.Limpiar();  // empty: nothing to do, nothing fails
  rep.AgregarInfo("Zeta");
  rep.AgregarErr("");
  rep.AgregarAdvertencia("Alfa");
  rep.AgregarAdvertencia("Alfa");
  ASSERT_EQ(rep.CantidadLineas(), 4);
  EXPECT_EQ(rep.TextoLinea(0), "Zeta");  // never sorted
  EXPECT_EQ(rep.ImagenLinea(0), "Informacion");
  EXPECT_EQ(rep.TextoLinea(1), "");
  EXPECT_EQ(rep.ImagenLinea(1), "Error");
  EXPECT_FALSE(lista->topLevelItem(1)->icon(0).isNull());
  EXPECT_EQ(rep.TextoLinea(3), "Alfa");
  EXPECT_EQ(rep.ImagenLinea(3), "Advertencia");
  EXPECT_EQ(lista->topLevelItem(2)->icon(0).availableSizes().first(), QSize(16, 16));
  EXPECT_TRUE(lista->selectedItems().isEmpty());

  rep.Limpiar();
  EXPECT_EQ(rep.CantidadLineas(), 0);
}

TEST(NOVUInfoRep, ResizeFitsTheListAndItsColumn) {
  NOVUInfoRep rep;
  rep.Move(120, 1920, 6000, 2000);
  EXPECT_EQ(rep.LstInfo()->geometry(), Twips::ToPixels(QRect(10, 10, 5980, 1980), rep));
  EXPECT_EQ(rep.LstInfo()->columnWidth(0), Twips::ToPixelsX(5480, rep));
}
