// IC: the sort triangle that goes into a list's header, one record per
// column, as the header is sent it.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "controls/IC.h"
#include "controls/ICHeader.h"
#include "controls/ICListView.h"
#include "support/FakePicture.h"

namespace {

constexpr int32_t kIzq = HDITEM::HDF_STRING;
constexpr int32_t kConTriangulo = HDITEM::HDF_STRING | HDITEM::HDF_IMAGE;
constexpr int32_t kTrianguloDetras = kConTriangulo | HDITEM::HDF_BITMAP_ON_RIGHT;

// A list as IC sees it, with a header that records what it is sent.
class FakeICListView : public ICListView, public ICHeader {
 public:
  int vista = kReportView;
  std::vector<int> alineaciones;
  bool conEncabezado = true;
  std::vector<std::shared_ptr<const Picture>> imagenesRecibidas;
  int pedidosDeEncabezado = 0;
  std::map<int, HDITEM> items;

  int View() const override { return vista; }
  int ColumnCount() const override { return static_cast<int>(alineaciones.size()); }
  int ColumnAlignment(int indice) const override { return alineaciones.at(indice - 1); }
  ICHeader* Header() override {
    pedidosDeEncabezado++;
    return conEncabezado ? this : nullptr;
  }
  void SetImageList(const std::vector<std::shared_ptr<const Picture>>& images) override {
    imagenesRecibidas = images;
  }
  void SetItem(int columna, const HDITEM& item) override { items[columna] = item; }
};

HDITEM Registro(int32_t fmt, int32_t imagen) {
  HDITEM h;
  h.mask = 0x24;
  h.fmt = fmt;
  h.iImage = imagen;
  return h;
}

}  // namespace

TEST(IC, SendsOneRecordPerColumnWithTheTriangleOnTheSortColumn) {
  FakeICListView lista;
  lista.alineaciones = {0, 1, 2};
  IC ic;
  EXPECT_FALSE(ic.SetHeaderIcons(0, 0));  // no list yet
  const auto arriba = FakePicture::Of(16, 16);
  const auto abajo = FakePicture::Of(16, 16);
  ic.Cargar(arriba, abajo);
  ic.SetListView(&lista);
  ASSERT_TRUE(ic.SetHeaderIcons(0, 0));
  EXPECT_EQ(lista.imagenesRecibidas, (std::vector<std::shared_ptr<const Picture>>{arriba, abajo}));
  EXPECT_EQ(lista.items[0], Registro(kTrianguloDetras, 0));
  EXPECT_EQ(lista.items[1], Registro(HDITEM::HDF_STRING | HDITEM::HDF_RIGHT, 0));
  // A centred column is drawn left aligned in the header.
  EXPECT_EQ(lista.items[2], Registro(kIzq, 0));

  ASSERT_TRUE(ic.SetHeaderIcons(1, 1));
  EXPECT_EQ(lista.items[0], Registro(kIzq, 1));
  // Right aligned: the triangle before the caption.
  EXPECT_EQ(lista.items[1], Registro(kConTriangulo | HDITEM::HDF_RIGHT, 1));
  EXPECT_EQ(lista.items[2], Registro(kIzq, 1));
  EXPECT_EQ(lista.pedidosDeEncabezado, 1);
}

TEST(IC, DoesNothingOutsideReportViewOrWithoutAHeader) {
  FakeICListView lista;
  lista.alineaciones = {0};
  lista.vista = 1;
  IC ic;
  ic.SetListView(&lista);
  EXPECT_FALSE(ic.SetHeaderIcons(0, 0));
  EXPECT_TRUE(lista.items.empty());
  EXPECT_EQ(lista.pedidosDeEncabezado, 0);

  lista.vista = ICListView::kReportView;
  lista.conEncabezado = false;
  EXPECT_FALSE(ic.SetHeaderIcons(0, 0));
  // The header is asked for again until one is found, then kept.
  lista.conEncabezado = true;
  EXPECT_TRUE(ic.SetHeaderIcons(0, 0));
  EXPECT_TRUE(ic.SetHeaderIcons(0, 1));
  EXPECT_EQ(lista.pedidosDeEncabezado, 2);
}
