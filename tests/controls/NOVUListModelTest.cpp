// The list view's rules: the header-click sort rule with each column's
// tag, sorting on request, the row images, check-list mode, geometry and
// the stored setting.
#include <gtest/gtest.h>

#include <utility>

#include "controls/NOVUListModel.h"
#include "support/ErrorOf.h"

namespace {

// The sort column (0-based) and direction (1 descending) an order gives.
std::pair<int, int> Sort(const NOVUListModel::Orden& o) {
  return {o.columna, o.direccion};
}

}  // namespace

TEST(NOVUListModel, HeaderClicksFollowEachColumnsTag) {
  NOVUListModel m;
  for (int i = 0; i < 3; i++) m.AgregarColumna("c", 1000);
  // Column 2, never sorted: ascending; again: descending.
  EXPECT_EQ(Sort(m.ClickEncabezado(2)), std::make_pair(1, 0));
  EXPECT_EQ(Sort(m.ClickEncabezado(2)), std::make_pair(1, 1));
  EXPECT_EQ(m.ColumnaEn(2).tag, -1);
  // Column 1 sorts in the direction its empty tag remembers, then column 2
  // again in the one it kept.
  EXPECT_EQ(Sort(m.ClickEncabezado(1)), std::make_pair(0, 0));
  EXPECT_EQ(Sort(m.ClickEncabezado(2)), std::make_pair(1, 1));
  EXPECT_TRUE(m.Ordenada());

  NOVUListModel fresh;
  fresh.AgregarColumna("c", 1000);
  EXPECT_FALSE(fresh.Ordenada());
  // The sort column starts at 0: the first click on column 1 reverses it.
  EXPECT_EQ(fresh.ClickEncabezado(1).direccion, 1);
  EXPECT_EQ(fresh.ClickEncabezado(1).direccion, 0);
  EXPECT_EQ(ErrorOf([&] { fresh.ClickEncabezado(2); }), 35600);
}

TEST(NOVUListModel, OrdenarTouchesNoTagAndRefusesWhatItCannotSort) {
  NOVUListModel m;
  m.AgregarColumna("a", 1000);
  m.AgregarColumna("b", 1000);
  EXPECT_EQ(Sort(m.Ordenar(1, 1)), std::make_pair(1, 1));
  EXPECT_FALSE(m.ColumnaEn(2).tag.has_value());
  for (const auto& [column, direction] : {std::pair{2, 0}, {0, 2}, {0, -1}}) {
    EXPECT_EQ(ErrorOf([&] { m.Ordenar(column, direction); }), 380);
  }
  EXPECT_EQ(m.OrdenActual().columna, 1);
  // After Ordenar the next click on that column toggles its empty tag.
  EXPECT_EQ(m.ClickEncabezado(2).direccion, 1);
}

TEST(NOVUListModel, ImagesCheckListGeometryAndSetting) {
  EXPECT_EQ(NOVUListModel::ClaveImagen(0), "agregar");
  EXPECT_EQ(NOVUListModel::ClaveImagen(4), "desmarcado");
  EXPECT_EQ(ErrorOf([] { NOVUListModel::ClaveImagen(5); }), 9);
  EXPECT_EQ(ErrorOf([] { NOVUListModel::ClaveImagen(-1); }), 9);

  NOVUListModel m;
  EXPECT_EQ(m.EstiloExtendido() & 0x20u, 0x20u);
  // In a check list a double click, a click on the box and the space bar
  // flip a row's image; a double click on the box leaves what its first
  // click did.
  using In = NOVUListModel::CheckInput;
  EXPECT_FALSE(m.Toggle(In::DoubleClick, true, "nota1"));  // no check list yet
  m.SetCheckList();
  for (In input : {In::BoxClick, In::Space, In::DoubleClick}) {
    EXPECT_EQ(m.Toggle(input, true, "marcado"), "desmarcado");
    EXPECT_EQ(m.Toggle(input, true, "nota1"), "marcado");
    EXPECT_FALSE(m.Toggle(input, false, "marcado"));
  }
  EXPECT_FALSE(m.Toggle(In::DoubleClickOnBox, true, "marcado"));

  m.Redimensionar(4000, 3000);
  EXPECT_EQ(m.LstDatos(), (Rect{10, 10, 3980, 2980}));
  m.Redimensionar(15, 5);
  EXPECT_EQ(m.LstDatos(), (Rect{10, 10, 0, 0}));

  PropertyStore stored;
  m.GuardarPropiedades(stored);
  EXPECT_FALSE(stored.Contains("Enabled"));
  m.SetEnabled(false);
  EXPECT_TRUE(m.Propiedades().IsChanged("Enabled"));
  m.GuardarPropiedades(stored);
  NOVUListModel read;
  read.LeerPropiedades(stored);
  EXPECT_FALSE(read.Enabled());
}
