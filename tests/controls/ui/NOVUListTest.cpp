// The list view's widget, which holds the rows: rows by number and key with
// the errors of the call, Spanish order and rows added to a sorted list,
// selection and the stored setting; then real clicks on the header (the
// sort rule is NOVUListModelTest's) and on rows, with the triangles IC
// puts in.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "controls/ICHeader.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/NOVUListHeader.h"
#include "controls/ui/Twips.h"
#include "support/ErrorOf.h"

namespace {

constexpr int32_t kLeft = HDITEM::HDF_STRING;
constexpr int32_t kTriangle = HDITEM::HDF_STRING | HDITEM::HDF_IMAGE;
constexpr int32_t kTriangleAfter = kTriangle | HDITEM::HDF_BITMAP_ON_RIGHT;
using Headers = std::vector<std::pair<int32_t, int32_t>>;

class NOVUListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    list.AgregarColumna("Apellido", 2000);
    list.AgregarColumna("Nro", 500);
    list.AgregarColumna("Ciudad", 1000);
    list.AgregarItem("a", "Benítez", 1, {int32_t{3}, "Salta"});
    list.AgregarItem("b", "Álvarez", 1, {int32_t{1}, "Córdoba"});
    list.AgregarItem("c", "alvarez", 0, {int32_t{2}, "Azul"});
    list.AgregarItem("d", "Núñez", 2, {int32_t{4}, "Jujuy"});
    list.AgregarItem("e", "Nuñez", 2, {int32_t{5}});
    list.AgregarItem("f", "Alvarez", 1, {int32_t{6}, "Tandil"});
  }
  void Show() {
    list.Move(0, 0, 6000, 3000);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
  }
  void ClickHeader(int column) {
    QHeaderView* h = list.LstDatos()->header();
    const QPoint p(h->sectionViewportPosition(column) + h->sectionSize(column) / 2,
                   h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
  }
  // What the widget's header holds for each column: format and image.
  Headers HeaderItems() {
    Headers v;
    for (int i = 0; i < list.Modelo().CantColumnas(); i++) {
      const HDITEM* h = list.Encabezado()->Item(i);
      v.emplace_back(h ? h->fmt : -1, h ? h->iImage : -1);
    }
    return v;
  }
  std::vector<std::string> Texts(int column = 0) {
    std::vector<std::string> v;
    for (int i = 1; i <= list.GetCantFilas(); i++) v.push_back(list.GetItems(i)->SubItems(column));
    return v;
  }
  std::string Icon(const char* key) { return list.GetItems(key)->SmallIcon(); }
  // A row's key, texts and image, each followed by "|".
  std::string Row(const char* key) {
    const NOVUListItem* r = list.GetItems(key);
    std::string s = r->Key() + "|" + r->Text() + "|";
    for (int i = 1; i < list.Modelo().CantColumnas(); i++) s += r->SubItems(i) + "|";
    return s + r->SmallIcon();
  }

  NOVUList list;
};

}  // namespace

// An error of the call changes nothing; rows without a key are allowed,
// any number of them, and none is found by "".
TEST_F(NOVUListFixture, RowsByNumberAndKeyWithTheirColumnsImageSelectionAndErrors) {
  EXPECT_EQ(list.GetItems("b"), list.GetItems(int32_t{2}));
  EXPECT_EQ(Row("b"), "b|Álvarez|1|Córdoba|persona");
  EXPECT_EQ(Row("e"), "e|Nuñez|5||nota1");  // no further values
  EXPECT_EQ(ErrorOf([&] { list.GetItems(int32_t{0}); }), 35600);
  EXPECT_EQ(ErrorOf([&] { list.GetItems(int32_t{7}); }), 35600);
  EXPECT_EQ(ErrorOf([&] { list.GetItems("zz"); }), 35601);
  EXPECT_EQ(ErrorOf([&] { list.Eliminar("zz"); }), 35601);
  EXPECT_EQ(ErrorOf([&] { list.Seleccionar(int32_t{99}); }), 35600);
  EXPECT_EQ(ErrorOf([&] { list.AgregarItem("a", "Otra", 0); }), 35602);
  EXPECT_EQ(ErrorOf([&] { list.AgregarItem("z", "Otra", 5); }), 9);
  EXPECT_EQ(ErrorOf([&] { list.AgregarItem("z", "Otra", 0, {Variant::Null()}); }), 94);
  EXPECT_EQ(ErrorOf([&] { list.GetItems("a")->SetSmallIcon("otra"); }), 35601);
  EXPECT_EQ(list.GetCantFilas(), 6);
  EXPECT_EQ(Row("a"), "a|Benítez|3|Salta|persona");

  EXPECT_EQ(list.GetISelectedItem(), nullptr);
  list.Seleccionar("d");
  EXPECT_TRUE(list.GetItems("d")->Selected());
  list.Seleccionar(int32_t{1});
  EXPECT_FALSE(list.GetItems("d")->Selected());
  EXPECT_EQ(list.GetISelectedItem()->Key(), "a");

  list.AgregarItem("", "Sin clave 1", 0);
  list.AgregarItem("", "Sin clave 2", 0);
  EXPECT_EQ(ErrorOf([&] { list.GetItems(""); }), 35601);
  list.Eliminar("a");
  list.Eliminar(int32_t{1});  // now "b"
  EXPECT_EQ(list.GetCantFilas(), 6);
  EXPECT_EQ(list.GetItems(int32_t{1})->Key(), "c");
  list.AgregarItem("a", "De nuevo", 0);  // its key is free again
  list.Clear();
  EXPECT_EQ(list.GetCantFilas(), 0);
  EXPECT_EQ(list.Modelo().CantColumnas(), 3);
  list.AgregarItem("a", "Tras Clear", 0);
}

TEST_F(NOVUListFixture, SortsInSpanishOrderAndKeepsRowsAddedLaterInPlace) {
  list.Ordenar(0, 0);
  list.AgregarItem("g", "Ñandú", 0);
  list.AgregarItem("h", "Nz", 0);
  list.AgregarItem("i", "ALVAREZ", 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"alvarez", "Alvarez", "ALVAREZ", "Álvarez",
                                               "Benítez", "Nuñez", "Núñez", "Nz", "Ñandú"}));
  list.Ordenar(1, 2);
  EXPECT_EQ(Texts(2).front(), "Tandil");
  EXPECT_EQ(Texts(2).back(), "");
  // Ordenar sends nothing to the header; a changed text sorts by its new value.
  EXPECT_EQ(HeaderItems(), Headers(3, {-1, -1}));
  list.GetItems("f")->setText(2, "Zárate");
  list.Ordenar(0, 2);
  EXPECT_EQ(Texts(2).back(), "Zárate");
}

TEST_F(NOVUListFixture, GeometryEnabledAndTheStoredSetting) {
  list.Move(0, 0, 4000, 3000);
  EXPECT_EQ(list.LstDatos()->geometry(), Twips::ToPixels(QRect(10, 10, 3980, 2980), list));
  EXPECT_EQ(list.LstDatos()->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list.LstDatos()->editTriggers(), QAbstractItemView::NoEditTriggers);
  list.SetEnabled(false);
  EXPECT_FALSE(list.LstDatos()->isEnabled());
  PropertyStore stored;
  list.GuardarPropiedades(stored);
  NOVUList other(stored);
  EXPECT_FALSE(other.LstDatos()->isEnabled());
}

TEST_F(NOVUListFixture, RealHeaderClicksSortAndMoveTheTriangle) {
  Show();
  ClickHeader(2);  // "Ciudad", ascending
  EXPECT_EQ(Texts(2).back(), "Tandil");
  EXPECT_EQ(HeaderItems(), (Headers{{kLeft, 0}, {kLeft, 0}, {kTriangleAfter, 0}}));
  // The triangle is drawn after the caption, inside the section.
  const QRect triangle = list.Encabezado()->RectImagen(2);
  EXPECT_FALSE(triangle.isEmpty());
  EXPECT_GT(triangle.left(), list.Encabezado()->sectionViewportPosition(2) + 10);
  ClickHeader(2);
  EXPECT_EQ(Texts(2).front(), "Tandil");
  EXPECT_EQ(HeaderItems()[2], std::make_pair(kTriangleAfter, int32_t{1}));

  // A right-aligned column shows its triangle before the caption.
  list.SetAlineacionColumna(2, 1);
  ClickHeader(1);
  EXPECT_EQ(HeaderItems()[1], std::make_pair(kTriangle | HDITEM::HDF_RIGHT, int32_t{0}));
  EXPECT_EQ(HeaderItems()[2], std::make_pair(kLeft, int32_t{0}));
  EXPECT_EQ(Texts(1), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
  if (const char* shot = std::getenv("REMENDOR_LIST_SHOT")) list.grab().save(shot);
}

// A double click flips a row's image only in check-list mode; there a click
// on a row's box and the space bar flip it too, a click on its text does
// not, and a double click on the box flips it once.
TEST_F(NOVUListFixture, RealClicksAndTheSpaceBarFlipTheBoxOnlyInCheckListMode) {
  Show();
  QSignalSpy clicks(&list, &NOVUList::ItemClick);
  QTreeWidget* rows = list.LstDatos();
  const auto box = [&](const char* key) {
    const QRect r = rows->visualItemRect(list.GetItems(key));
    return QPoint(r.left() + 4 + rows->iconSize().width() / 2, r.center().y());
  };
  const auto text = [&](const char* key) {
    return QPoint(rows->columnWidth(0) - 8, rows->visualItemRect(list.GetItems(key)).center().y());
  };
  const auto doubleClick = [&](QPoint p) {
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, p);
  };
  doubleClick(text("d"));
  EXPECT_EQ(Icon("d"), "nota1");
  ASSERT_GE(clicks.count(), 1);
  EXPECT_EQ(clicks.first().first().value<NOVUListItem*>(), list.GetItems("d"));

  list.SetCheckList();
  doubleClick(text("d"));
  EXPECT_EQ(Icon("d"), "marcado");
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, text("a"));
  EXPECT_EQ(Icon("a"), "persona");
  QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, box("a"));
  EXPECT_EQ(Icon("a"), "marcado");
  doubleClick(box("a"));
  EXPECT_EQ(Icon("a"), "desmarcado");

  rows->setFocus();
  QTest::keyClick(rows, Qt::Key_Down);
  QTest::keyClick(rows, Qt::Key_Space);
  EXPECT_EQ(static_cast<NOVUListItem*>(rows->currentItem())->SmallIcon(), "marcado");
  if (const char* shot = std::getenv("REMENDOR_CHECKLIST_SHOT")) list.grab().save(shot);
}
