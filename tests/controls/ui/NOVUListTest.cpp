// The list view's widget: rows by number and key with the errors of the
// call, Spanish order, selection, geometry and the stored setting; then
// real clicks on the header and rows, with the triangles IC puts in.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "controls/ICHeader.h"
#include "controls/ui/NOVUList.h"
#include "controls/ui/NOVUListHeader.h"
#include "support/ErrorOf.h"

namespace {

constexpr int32_t kIzq = HDITEM::HDF_STRING;
constexpr int32_t kConTriangulo = HDITEM::HDF_STRING | HDITEM::HDF_IMAGE;
constexpr int32_t kTrianguloDetras = kConTriangulo | HDITEM::HDF_BITMAP_ON_RIGHT;

// What the widget's header holds for each column: format and image.
std::vector<std::pair<int32_t, int32_t>> Encabezados(const NOVUList& lista) {
  std::vector<std::pair<int32_t, int32_t>> v;
  for (int i = 0; i < lista.Modelo().CantColumnas(); i++) {
    const HDITEM* h = lista.Encabezado()->Item(i);
    v.emplace_back(h ? h->fmt : -1, h ? h->iImage : -1);
  }
  return v;
}

std::vector<std::string> Textos(const NOVUList& lista, int columna = 0) {
  std::vector<std::string> v;
  for (int i = 1; i <= lista.GetCantFilas(); i++) {
    v.push_back(lista.GetItems(int32_t{i})->SubItems(columna));
  }
  return v;
}

class NOVUListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    lista.AgregarColumna("Apellido", 2000);
    lista.AgregarColumna("Nro", 500);
    lista.AgregarColumna("Ciudad", 1000);
    lista.AgregarItem("a", "Benítez", 1, {int32_t{3}, "Salta"});
    lista.AgregarItem("b", "Álvarez", 1, {int32_t{1}, "Córdoba"});
    lista.AgregarItem("c", "alvarez", 0, {int32_t{2}, "Azul"});
    lista.AgregarItem("d", "Núñez", 2, {int32_t{4}, "Jujuy"});
    lista.AgregarItem("e", "Nuñez", 2, {int32_t{5}});
    lista.AgregarItem("f", "Alvarez", 1, {int32_t{6}, "Tandil"});
  }

  void ClickEncabezado(int columna) {
    QHeaderView* h = lista.LstDatos()->header();
    const QPoint p(h->sectionViewportPosition(columna) + h->sectionSize(columna) / 2,
                   h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
  }

  NOVUList lista;
};

}  // namespace

TEST_F(NOVUListFixture, RowsByNumberAndKeyWithTheirColumnsAndImage) {
  EXPECT_EQ(lista.GetCantFilas(), 6);
  NOVUListItem* fila = lista.GetItems("b");
  EXPECT_EQ(fila, lista.GetItems(int32_t{2}));
  EXPECT_EQ(fila->Key(), "b");
  EXPECT_EQ(fila->Text(), "Álvarez");
  EXPECT_EQ(fila->SubItems(1), "1");
  EXPECT_EQ(fila->SubItems(2), "Córdoba");
  EXPECT_EQ(fila->SmallIcon(), "persona");
  // No further values: only the first column is filled.
  lista.AgregarItem("g", "Solo", 3);
  EXPECT_EQ(lista.GetItems("g")->SubItems(1), "");
  EXPECT_EQ(lista.GetItems("e")->SubItems(2), "");

  lista.Eliminar("a");
  lista.Eliminar(int32_t{1});  // now "b"
  EXPECT_EQ(lista.GetCantFilas(), 5);
  EXPECT_EQ(lista.GetItems(int32_t{1})->Key(), "c");
  lista.AgregarItem("a", "De nuevo", 0);  // its key is free again
  lista.Clear();
  EXPECT_EQ(lista.GetCantFilas(), 0);
  EXPECT_EQ(lista.Modelo().CantColumnas(), 3);
  lista.AgregarItem("a", "Tras Clear", 0);
}

TEST_F(NOVUListFixture, ErrorsOfTheCallChangeNothing) {
  EXPECT_EQ(ErrorOf([&] { lista.GetItems(int32_t{0}); }), 35600);
  EXPECT_EQ(ErrorOf([&] { lista.GetItems(int32_t{7}); }), 35600);
  EXPECT_EQ(ErrorOf([&] { lista.GetItems("zz"); }), 35601);
  EXPECT_EQ(ErrorOf([&] { lista.Eliminar("zz"); }), 35601);
  EXPECT_EQ(ErrorOf([&] { lista.Seleccionar(int32_t{99}); }), 35600);
  EXPECT_EQ(ErrorOf([&] { lista.AgregarItem("a", "Otra", 0); }), 35602);
  EXPECT_EQ(ErrorOf([&] { lista.AgregarItem("z", "Otra", 5); }), 9);
  EXPECT_EQ(ErrorOf([&] { lista.AgregarItem("z", "Otra", -1); }), 9);
  EXPECT_EQ(ErrorOf([&] { lista.AgregarItem("z", "Otra", 0, {Variant::Null()}); }), 94);
  EXPECT_EQ(ErrorOf([&] { lista.GetItems("a")->SetSmallIcon("otra"); }), 35601);
  EXPECT_EQ(lista.GetCantFilas(), 6);
  EXPECT_EQ(lista.GetItems("a")->Text(), "Benítez");

  // Rows without a key: any number of them, none found by "".
  lista.AgregarItem("", "Sin clave 1", 0);
  lista.AgregarItem("", "Sin clave 2", 0);
  EXPECT_EQ(lista.GetCantFilas(), 8);
  EXPECT_EQ(ErrorOf([&] { lista.GetItems(""); }), 35601);
}

TEST_F(NOVUListFixture, SortsInSpanishOrderAndKeepsRowsAddedLaterInPlace) {
  lista.Ordenar(0, 0);
  EXPECT_EQ(Textos(lista), (std::vector<std::string>{"alvarez", "Alvarez", "Álvarez", "Benítez",
                                                     "Nuñez", "Núñez"}));
  lista.AgregarItem("g", "Ñandú", 0);
  lista.AgregarItem("h", "Nz", 0);
  lista.AgregarItem("i", "ALVAREZ", 0);
  EXPECT_EQ(Textos(lista), (std::vector<std::string>{"alvarez", "Alvarez", "ALVAREZ", "Álvarez",
                                                     "Benítez", "Nuñez", "Núñez", "Nz", "Ñandú"}));
  lista.Ordenar(1, 2);
  EXPECT_EQ(Textos(lista, 2).front(), "Tandil");
  EXPECT_EQ(Textos(lista, 2).back(), "");
  // The triangles stay as they were: Ordenar sends nothing to the header.
  EXPECT_EQ(Encabezados(lista), (std::vector<std::pair<int32_t, int32_t>>(3, {-1, -1})));
  // A changed text sorts by its new value.
  lista.GetItems("f")->setText(2, "Zárate");
  lista.Ordenar(0, 2);
  EXPECT_EQ(Textos(lista, 2).back(), "Zárate");
}

TEST_F(NOVUListFixture, SelectionAndCheckList) {
  EXPECT_EQ(lista.GetISelectedItem(), nullptr);
  lista.Seleccionar("d");
  ASSERT_NE(lista.GetISelectedItem(), nullptr);
  EXPECT_EQ(lista.GetISelectedItem()->Key(), "d");
  EXPECT_TRUE(lista.GetItems("d")->Selected());
  lista.Seleccionar(int32_t{1});
  EXPECT_FALSE(lista.GetItems("d")->Selected());
  EXPECT_EQ(lista.GetISelectedItem()->Key(), "a");
}

TEST_F(NOVUListFixture, GeometryInTwipsAndEnabled) {
  lista.Move(0, 0, 4000, 3000);
  EXPECT_EQ(lista.Modelo().LstDatos(), (Rect{10, 10, 3980, 2980}));
  EXPECT_EQ(lista.LstDatos()->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(lista.LstDatos()->editTriggers(), QAbstractItemView::NoEditTriggers);
  lista.SetEnabled(false);
  EXPECT_FALSE(lista.LstDatos()->isEnabled());
  PropertyStore guardadas;
  lista.GuardarPropiedades(guardadas);
  NOVUList otra(guardadas);
  EXPECT_FALSE(otra.Enabled());
  EXPECT_FALSE(otra.LstDatos()->isEnabled());
}

TEST_F(NOVUListFixture, RealHeaderClicksSortAndMoveTheTriangle) {
  lista.Move(0, 0, 6000, 3000);
  lista.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
  ClickEncabezado(2);  // "Ciudad", ascending
  EXPECT_EQ(Textos(lista, 2).front(), "");
  EXPECT_EQ(Textos(lista, 2).back(), "Tandil");
  EXPECT_EQ(Encabezados(lista), (std::vector<std::pair<int32_t, int32_t>>{
                                    {kIzq, 0}, {kIzq, 0}, {kTrianguloDetras, 0}}));
  // The triangle is drawn after the caption, inside the section.
  const QRect triangulo = lista.Encabezado()->RectImagen(2);
  EXPECT_FALSE(triangulo.isEmpty());
  EXPECT_GT(triangulo.left(), lista.Encabezado()->sectionViewportPosition(2) + 10);

  ClickEncabezado(2);
  EXPECT_EQ(Textos(lista, 2).front(), "Tandil");
  EXPECT_EQ(Encabezados(lista)[2], std::make_pair(kTrianguloDetras, int32_t{1}));

  // A right-aligned column shows its triangle before the caption.
  lista.SetAlineacionColumna(2, 1);
  ClickEncabezado(1);
  EXPECT_EQ(Encabezados(lista)[1], std::make_pair(kConTriangulo | HDITEM::HDF_RIGHT, int32_t{0}));
  EXPECT_EQ(Encabezados(lista)[2], std::make_pair(kIzq, int32_t{0}));
  EXPECT_EQ(Textos(lista, 1), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));

  // Column 1 is not the sort column now: its empty tag sorts it ascending.
  ClickEncabezado(0);
  EXPECT_EQ(Textos(lista).front(), "alvarez");
  EXPECT_EQ(Encabezados(lista)[0], std::make_pair(kTrianguloDetras, int32_t{0}));
  if (const char* shot = std::getenv("REMENDOR_LIST_SHOT")) lista.grab().save(shot);
}

TEST_F(NOVUListFixture, FirstClickOnColumnOneSortsDescending) {
  lista.Move(0, 0, 6000, 3000);
  lista.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
  ClickEncabezado(0);
  EXPECT_EQ(Textos(lista).front(), "Núñez");
  EXPECT_EQ(Encabezados(lista)[0], std::make_pair(kTrianguloDetras, int32_t{1}));
}

TEST_F(NOVUListFixture, RealDoubleClickFlipsTheCheckImageOnlyInCheckListMode) {
  lista.Move(0, 0, 6000, 3000);
  lista.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
  QSignalSpy clics(&lista, &NOVUList::ItemClick);
  QTreeWidget* arbol = lista.LstDatos();
  auto dobleClick = [&](const std::string& clave) {
    const QRect r = arbol->visualItemRect(lista.GetItems(clave.c_str()));
    QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(arbol->viewport(), Qt::LeftButton, {}, r.center());
  };
  dobleClick("d");
  EXPECT_EQ(lista.GetItems("d")->SmallIcon(), "nota1");
  ASSERT_GE(clics.count(), 1);
  EXPECT_EQ(clics.first().first().value<NOVUListItem*>(), lista.GetItems("d"));

  lista.SetCheckList();
  dobleClick("d");
  EXPECT_EQ(lista.GetItems("d")->SmallIcon(), "marcado");
  dobleClick("d");
  EXPECT_EQ(lista.GetItems("d")->SmallIcon(), "desmarcado");
  dobleClick("a");
  EXPECT_EQ(lista.GetItems("a")->SmallIcon(), "marcado");
  if (const char* shot = std::getenv("REMENDOR_CHECKLIST_SHOT")) lista.grab().save(shot);
}

// A check list is marked from the keyboard too: a click on a row's box and
// the space bar flip it, a click on its text does not, and a double click
// on the box flips it once.
TEST_F(NOVUListFixture, ACheckListFlipsByAClickOnTheBoxAndByTheSpaceBar) {
  lista.Move(0, 0, 6000, 3000);
  lista.SetCheckList();
  lista.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
  QTreeWidget* arbol = lista.LstDatos();
  const auto caja = [&](const char* clave) {
    const QRect r = arbol->visualItemRect(lista.GetItems(clave));
    return QPoint(r.left() + 4 + arbol->iconSize().width() / 2, r.center().y());
  };
  const auto texto = [&](const char* clave) {
    const QRect r = arbol->visualItemRect(lista.GetItems(clave));
    return QPoint(arbol->columnWidth(0) - 8, r.center().y());
  };
  const std::string antes = lista.GetItems("a")->SmallIcon();
  QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, texto("a"));
  EXPECT_EQ(lista.GetItems("a")->SmallIcon(), antes);
  QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, caja("a"));
  EXPECT_EQ(lista.GetItems("a")->SmallIcon(), "marcado");

  arbol->setFocus();
  QTest::keyClick(arbol, Qt::Key_Down);
  QTest::keyClick(arbol, Qt::Key_Space);
  QTreeWidgetItem* actual = arbol->currentItem();
  ASSERT_NE(actual, nullptr);
  EXPECT_EQ(static_cast<NOVUListItem*>(actual)->SmallIcon(), "marcado");
  QTest::keyClick(arbol, Qt::Key_Space);
  EXPECT_EQ(static_cast<NOVUListItem*>(actual)->SmallIcon(), "desmarcado");

  // A double click as the operator makes it: QTest's first click, then
  // its double-click event. The box flips once.
  QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, caja("a"));
  QTest::mouseDClick(arbol->viewport(), Qt::LeftButton, {}, caja("a"));
  EXPECT_EQ(lista.GetItems("a")->SmallIcon(), "desmarcado");
}
