// The operation result list's widget: its lines and icons, and its
// geometry in pixels, which it keeps in twips as every control does.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTreeWidget>

#include "controls/ui/NOVUInfoRep.h"
#include "controls/ui/Twips.h"

TEST(NOVUInfoRep, LinesGoToTheEndWithTheIconOfTheirKind) {
  NOVUInfoRep rep;
  QTreeWidget* list = rep.LstInfo();
  EXPECT_EQ(list->columnCount(), 1);
  EXPECT_EQ(list->headerItem()->text(0), "Información de la operación");

  rep.Limpiar();  // empty: nothing to do, nothing fails
  rep.AgregarInfo("Zeta");
  rep.AgregarErr("");
  rep.AgregarAdvertencia("Alfa");
  rep.AgregarAdvertencia("Alfa");
  ASSERT_EQ(rep.CantidadLineas(), 4);
  const auto line = [&](int i) { return rep.TextoLinea(i) + "|" + rep.ImagenLinea(i); };
  EXPECT_EQ(line(0), "Zeta|Informacion");  // never sorted
  EXPECT_EQ(line(1), "|Error");
  EXPECT_EQ(line(3), "Alfa|Advertencia");
  EXPECT_FALSE(list->topLevelItem(1)->icon(0).isNull());
  EXPECT_EQ(list->topLevelItem(2)->icon(0).availableSizes().first(), QSize(16, 16));
  EXPECT_TRUE(list->selectedItems().isEmpty());

  rep.Limpiar();
  EXPECT_EQ(rep.CantidadLineas(), 0);
}

// A control (this one as any) keeps the twips its form gave it, however
// they round to pixels, and takes a size in pixels back into twips only
// when a layout sized it; the list and its column follow.
TEST(NOVUInfoRep, KeepsItsTwipsExactAndFitsTheListAndItsColumn) {
  NOVUInfoRep rep;
  rep.Move(120, 1920, 4217, 1337);
  rep.show();
  EXPECT_EQ(
      (std::vector<int>{rep.LeftTwips(), rep.TopTwips(), rep.WidthTwips(), rep.HeightTwips()}),
      (std::vector<int>{120, 1920, 4217, 1337}));
  EXPECT_EQ(rep.geometry(), Twips::ToPixels(QRect(120, 1920, 4217, 1337), rep));
  rep.Move(120, 1920, 6000, 2000);
  EXPECT_EQ(rep.LstInfo()->geometry(), Twips::ToPixels(QRect(10, 10, 5980, 1980), rep));
  EXPECT_EQ(rep.LstInfo()->columnWidth(0), Twips::ToPixelsX(5480, rep));

  rep.resize(Twips::ToPixelsX(7000, rep), Twips::ToPixelsY(2000, rep));
  EXPECT_EQ(rep.WidthTwips(), Twips::FromPixelsX(rep.width(), rep));
  EXPECT_EQ(rep.Modelo().LstInfo().width, rep.WidthTwips() - 20);
}

// The header's caption is measured in the face it is drawn in: as tall as
// Qt's own header, narrower than Qt's bold measure, which comes back when
// the sections are highlighted (and so drawn bold).
TEST(NOVUInfoRep, HeaderMeasuredInTheFaceItIsDrawnIn) {
  NOVUInfoRep rep;
  QHeaderView* ours = rep.LstInfo()->header();
  QTreeWidget plain;
  plain.setHeaderLabels({QStringLiteral("Información de la operación")});
  const QHeaderView* qts = plain.header();
  EXPECT_FALSE(ours->highlightSections());
  EXPECT_EQ(ours->sizeHint().height(), qts->sizeHint().height());
  EXPECT_LT(ours->sectionSizeHint(0), qts->sectionSizeHint(0));
  ours->setHighlightSections(true);
  EXPECT_EQ(ours->sectionSizeHint(0), qts->sectionSizeHint(0));
}
